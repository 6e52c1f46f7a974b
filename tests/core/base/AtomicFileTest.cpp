#include "base/AtomicFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <map>
#include <tuple>

#include "base/DocumentError.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;
using testing::ThrowsMessage;

mode_t ModeOf(const fs::path& Path) {
  struct stat Status {};
  EXPECT_EQ(::stat(Path.c_str(), &Status), 0);
  return Status.st_mode & 07777;
}

// Each entry of a folder with its content (a link: where it points), to compare before/after.
std::map<std::string, std::string> Listing(const fs::path& Folder) {
  std::map<std::string, std::string> Entries;
  for (const auto& Entry : fs::directory_iterator(Folder))
    Entries[Entry.path().filename()] = Entry.is_symlink()        ? fs::read_symlink(Entry).string()
                                       : Entry.is_regular_file() ? test::ReadFile(Entry)
                                                                 : "";
  return Entries;
}

// A replaced file keeps its permissions (checked through links below).
TEST(AtomicFileTest, ANewFileFollowsTheUmaskAndALongNameFits) {
  test::TempHome Home;
  const mode_t Mask = ::umask(027);
  WriteFileAtomically(Home / "fresh", "x");
  ::umask(Mask);
  EXPECT_EQ(ModeOf(Home / "fresh"), mode_t{0640});
  // The temporary name of a long name stays within the file system's limit.
  WriteFileAtomically(Home / std::string(250, 'n'), "x");
  EXPECT_EQ(test::ReadFile(Home / std::string(250, 'n')), "x");
}

TEST(AtomicFileTest, ALinkIsWrittenThroughToItsTargetAndStaysALink) {
  test::TempHome Home;
  fs::create_directories(Home / "real");
  fs::create_directories(Home / "links");
  const std::vector<std::array<std::string, 3>> Cases{
      // link in links/, its text, what it names
      {"relative", "../real/a", "real/a"},
      {"absolute", (Home / "real/a").string(), "real/a"},
      {"chain", "relative", "real/a"},
      {"dangling", "../real/new", "real/new"}};
  for (const auto& [Link, Text, Lands] : Cases) {
    test::WriteFile(Home / "real/a", "old");
    ::chmod((Home / "real/a").c_str(), 0640);
    fs::create_symlink(Text, Home / "links" / Link);
    WriteFileAtomically(Home / "links" / Link, Link);
    EXPECT_EQ(test::ReadFile(Home / Lands), Link);
    EXPECT_EQ(fs::read_symlink(Home / "links" / Link), Text);
    EXPECT_EQ(ModeOf(Home / "real/a"), mode_t{0640});
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(Home / "real"), {}), 2) << "no temporaries";
}

TEST(AtomicFileTest, ARefusedSaveNamesItsReasonAndChangesNothing) {
  test::TempHome Home;
  fs::create_directory(Home / "folder");
  ::mkfifo((Home / "pipe").c_str(), 0600);
  fs::create_symlink("loop2", Home / "loop1");
  fs::create_symlink("loop1", Home / "loop2");
  test::WriteFile(Home / "locked", "old");
  ::chmod((Home / "locked").c_str(), 0444);
  std::vector<std::pair<std::string, std::string>> Cases{
      {"folder", "Is a directory"},    {"pipe", "not a regular file"},
      {"loop1", "Too many levels"},    {"none/x", "No such file or directory"},
      {"locked", "Permission denied"}, {"locked/x", "Not a directory"}};
  // Another user's link in a folder such as /tmp is not followed; only root can make one here.
  fs::create_directory(Home / "shared");
  fs::permissions(Home / "shared", fs::perms::all | fs::perms::sticky_bit);
  test::WriteFile(Home / "mine", "old");
  fs::create_symlink("../mine", Home / "shared/theirs");
  if (::lchown((Home / "shared/theirs").c_str(), 1, 1) == 0)
    Cases.push_back({"shared/theirs", "Permission denied"});
  const auto Before = Listing(Home.Path());
  for (const auto& [Name, Reason] : Cases)
    EXPECT_THAT(
        [&] {
          errno = ENOSPC;  // a stale error must not be reported as the reason
          WriteFileAtomically(Home / Name, "new");
        },
        ThrowsMessage<DocumentError>(HasSubstr(Reason)));
  EXPECT_EQ(Listing(Home.Path()), Before);
}

// A save killed between writing its temporary file and renaming it leaves the temporary; the
// next save in that folder removes those that can no longer finish, and nothing else.
TEST(AtomicFileTest, ASaveRemovesStaleTemporariesOfEarlierSaves) {
  test::TempHome Home;
  const std::string Gone = "4194305";  // above any process id the kernel gives
  const std::string Alive = std::to_string(::getpid());
  const std::vector<std::tuple<std::string, int, bool>> Cases{
      // name, minutes old, removed
      {".a.gm.vornic-" + Gone + "-Ab12Cd", 2, true},
      {".b.gm.vornic-" + Gone + "-Ab12Cd", 0, false},  // may be another machine's save
      {".c.gm.vornic-" + Alive + "-Ab12Cd", 2, false},
      {".d.gm.vornic-" + Alive + "-Ab12Cd", 11, true},
      {"e.gm.vornic-" + Gone + "-Ab12Cd", 60, false},    // not hidden
      {".f.gm.vornic-x" + Gone + "-Ab12C", 60, false}};  // not of that pattern
  for (const auto& [Name, Minutes, Removed] : Cases) {
    test::WriteFile(Home / Name, "x");
    fs::last_write_time(Home / Name,
                        fs::file_time_type::clock::now() - std::chrono::minutes(Minutes));
  }
  WriteFileAtomically(Home / "a.gm", "new");
  for (const auto& [Name, Minutes, Removed] : Cases)
    EXPECT_EQ(fs::exists(Home / Name), !Removed) << Name;
}

}  // namespace
}  // namespace vornic
