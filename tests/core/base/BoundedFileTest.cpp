#include "base/BoundedFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "base/DocumentError.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

// What no reader of documents may take in whole: each is refused with the file's name and why,
// and none blocks (a pipe without a writer would wait for ever).
TEST(BoundedFileTest, RefusesWhatIsNoDocumentAndReadsUpToTheLimit) {
  test::TempHome Home;
  test::WriteFile(Home / "full", std::string(100, 'a'));
  EXPECT_EQ(ReadBoundedFile(Home / "full", 100).size(), 100u);
  ASSERT_EQ(::mkfifo((Home / "pipe").c_str(), 0600), 0);
  fs::create_directory(Home / "folder");
  const struct {
    fs::path Path;
    std::uintmax_t Max;
    const char* Reason;
  } Cases[] = {
      {Home / "full", 99, "larger than 99 bytes"}, {Home / "pipe", 100, "not a regular file"},
      {"/dev/zero", 100, "not a regular file"},    {Home / "folder", 100, "It is a folder."},
      {Home / "missing", 100, "No such file"},
  };
  for (const auto& Case : Cases) {
    try {
      ReadBoundedFile(Case.Path, Case.Max);
      ADD_FAILURE() << Case.Path << " was read";
    } catch (const DocumentError& Failure) {
      const std::string Message = Failure.what();
      EXPECT_NE(Message.find("\"" + Case.Path.string() + "\""), std::string::npos) << Message;
      EXPECT_NE(Message.find(Case.Reason), std::string::npos) << Message;
    }
  }
}

}  // namespace
}  // namespace vornic
