#include "base/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>

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

// Each entry of a folder with its content (a link: where it points), to compare before/after.
std::map<std::string, std::string> Listing(const fs::path& Folder) {
  std::map<std::string, std::string> Entries;
  for (const auto& Entry : fs::directory_iterator(Folder)) {
    Entries[Entry.path().filename()] = Entry.is_symlink()
                                           ? "-> " + fs::read_symlink(Entry.path()).string()
                                       : Entry.is_regular_file() ? test::ReadFile(Entry.path())
                                                                 : "(other)";
  }
  return Entries;
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
  // The temporary name of a long name stays within the file system's limit.
  WriteFileAtomically(Home / std::string(250, 'n'), "x");
  EXPECT_EQ(test::ReadFile(Home / std::string(250, 'n')), "x");
}

TEST(AtomicFileTest, ALinkIsWrittenThroughToItsTargetAndStaysALink) {
  test::TempHome Home;
  fs::create_directories(Home / "real");
  fs::create_directories(Home / "links");
  struct Case {
    const char* Link;    // in links/
    std::string Points;  // the link's text
    const char* Lands;   // the file that gets the bytes
  };
  const std::vector<Case> Cases{{"relative", "../real/a", "real/a"},
                                {"absolute", (Home / "real/a").string(), "real/a"},
                                {"chain", "relative", "real/a"},
                                {"dangling", "../real/new", "real/new"}};
  for (const Case& Each : Cases) {
    test::WriteFile(Home / "real/a", "old");
    ::chmod((Home / "real/a").c_str(), 0640);
    fs::create_symlink(Each.Points, Home / "links" / Each.Link);
    WriteFileAtomically(Home / "links" / Each.Link, Each.Link);
    EXPECT_EQ(test::ReadFile(Home / Each.Lands), Each.Link);
    EXPECT_EQ(fs::read_symlink(Home / "links" / Each.Link), Each.Points);
    if (fs::path(Each.Lands) == "real/a") {
      EXPECT_EQ(ModeOf(Home / Each.Lands), mode_t{0640});
    }
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(Home / "real"), {}), 2) << "no temporaries";
}

// The message of the DocumentError Action throws, or "" when it throws none.
std::string FailureOf(const std::function<void()>& Action) {
  errno = ENOSPC;  // a stale error must not be reported as the reason
  try {
    Action();
  } catch (const DocumentError& Failure) {
    return Failure.what();
  }
  return "";
}

TEST(AtomicFileTest, ARefusedSaveNamesItsReasonAndChangesNothing) {
  test::TempHome Home;
  fs::create_directory(Home / "folder");
  ::mkfifo((Home / "pipe").c_str(), 0600);
  fs::create_symlink("loop2", Home / "loop1");
  fs::create_symlink("loop1", Home / "loop2");
  fs::create_symlink("folder", Home / "to-folder");
  test::WriteFile(Home / "locked", "old");
  ::chmod((Home / "locked").c_str(), 0444);
  std::vector<std::pair<std::string, std::string>> Cases{
      {"folder", "Is a directory"},    {"to-folder", "Is a directory"},
      {"pipe", "not a regular file"},  {"loop1", "Too many levels of symbolic links"},
      {"locked", "Permission denied"}, {"none/x", "No such file or directory"},
      {"locked/x", "Not a directory"}};
  // Another user's link in a folder such as /tmp is not followed; only root can make one here.
  test::WriteFile(Home / "mine", "old");
  fs::create_directory(Home / "shared");
  fs::permissions(Home / "shared", fs::perms::all | fs::perms::sticky_bit);
  fs::create_symlink("../mine", Home / "shared/theirs");
  if (::lchown((Home / "shared/theirs").c_str(), 1, 1) == 0)
    Cases.push_back({"shared/theirs", "Permission denied"});
  const auto Before = Listing(Home.Path());
  for (const auto& [Name, Reason] : Cases)
    EXPECT_NE(FailureOf([&] { WriteFileAtomically(Home / Name, "new"); }).find(Reason),
              std::string::npos)
        << Name;
  EXPECT_EQ(Listing(Home.Path()), Before);
  EXPECT_NE(FailureOf([&] { ReadWholeFile(Home / "folder"); }).find("Is a directory"),
            std::string::npos);
}

// A save killed between writing its temporary file and renaming it leaves the temporary; the
// next save in that folder removes those that can no longer finish, and nothing else.
TEST(AtomicFileTest, ASaveRemovesStaleTemporariesOfEarlierSaves) {
  test::TempHome Home;
  const std::string Gone = "4194305";  // above any process id the kernel gives
  const std::string Alive = std::to_string(::getpid());
  struct Case {
    std::string Name;
    int Minutes;  // since last written
    bool Removed;
    bool Folder = false;
  };
  const std::vector<Case> Cases{
      {".a.gm.vornic-" + Gone + "-Ab12Cd", 2, true},
      {".b.gm.vornic-" + Gone + "-Ab12Cd", 0, false},  // may be another machine's save
      {".c.gm.vornic-" + Alive + "-Ab12Cd", 2, false},
      {".d.gm.vornic-" + Alive + "-Ab12Cd", 11, true},
      {"e.gm.vornic-" + Gone + "-Ab12Cd", 60, false},    // not hidden
      {".f.gm.vornic-" + Gone + "-Ab12C", 60, false},    // not mkstemp's six characters
      {".g.gm.vornic-x" + Gone + "-Ab12Cd", 60, false},  // no process id
      {".h.gm~", 60, false},
      {".i.vornic-" + Gone + "-Ab12Cd", 60, false, true}};
  for (const Case& Each : Cases) {
    if (Each.Folder)
      fs::create_directory(Home / Each.Name);
    else
      test::WriteFile(Home / Each.Name, "x");
    fs::last_write_time(Home / Each.Name,
                        fs::file_time_type::clock::now() - std::chrono::minutes(Each.Minutes));
  }
  WriteFileAtomically(Home / "a.gm", "new");
  for (const Case& Each : Cases)
    EXPECT_EQ(fs::exists(Home / Each.Name), !Each.Removed) << Each.Name;
}

}  // namespace
}  // namespace vornic
