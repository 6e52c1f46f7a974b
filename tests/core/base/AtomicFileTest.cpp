#include "base/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "base/DocumentError.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

mode_t ModeOf(const fs::path& Path) {
  struct stat Status {};
  EXPECT_EQ(::stat(Path.c_str(), &Status), 0);
  return Status.st_mode & 07777;
}

// Replacing a file through a temporary one must not loosen or tighten who may read it.
TEST(AtomicFileTest, AReplacedFileKeepsItsPermissionsAndANewOneFollowsTheUmask) {
  test::TempHome Home;
  for (mode_t Mode : {0600, 0640, 0664, 0755}) {
    const fs::path Target = Home / ("kept-" + std::to_string(Mode));
    test::WriteFile(Target, "old");
    ::chmod(Target.c_str(), Mode);
    WriteFileAtomically(Target, "new");
    EXPECT_EQ(test::ReadFile(Target), "new");
    EXPECT_EQ(ModeOf(Target), Mode);
  }
  const mode_t Mask = ::umask(027);
  WriteFileAtomically(Home / "fresh", "x");
  ::umask(Mask);
  EXPECT_EQ(ModeOf(Home / "fresh"), mode_t{0640});
  // A failure leaves the target and no temporary file.
  fs::create_directory(Home / "folder");
  EXPECT_THROW(WriteFileAtomically(Home / "folder", "x"), DocumentError);
  int Files = 0;
  for (const auto& Entry : fs::directory_iterator(Home.Path())) Files += Entry.is_regular_file();
  EXPECT_EQ(Files, 5);
}

}  // namespace
}  // namespace vornic
