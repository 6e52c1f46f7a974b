#include "base/AppPaths.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdlib>

#include <filesystem>
#include <string>

#include "support/TempHome.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

std::string Places() {
  return AppPaths::SettingsFile().string() + "\n" + AppPaths::WordListsFolder().string() + "\n" +
         AppPaths::DialogFolder().string();
}

// The places as a user who cannot write the program's folder sees them: a child process that
// gives up the superuser's rights. Empty when this cannot be arranged (not root, or the folder
// is writable to everyone).
std::string PlacesOfAnotherUser() {
  if (::geteuid() != 0) return {};
  int Pipe[2];
  if (::pipe(Pipe) != 0) return {};
  const pid_t Child = ::fork();
  if (Child == 0) {
    ::close(Pipe[0]);
    const bool Dropped = ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 &&
                         ::setuid(65534) == 0 && ::prctl(PR_SET_DUMPABLE, 1) == 0;
    const bool ReadOnly = ::access(AppPaths::ProgramFolder().c_str(), W_OK) != 0;
    const std::string Text = Dropped && ReadOnly ? Places() : std::string();
    const bool Sent = ::write(Pipe[1], Text.data(), Text.size()) == ssize_t(Text.size());
    ::_exit(Sent ? 0 : 1);
  }
  ::close(Pipe[1]);
  std::string Text;
  char Buffer[512];
  for (ssize_t Got; (Got = ::read(Pipe[0], Buffer, sizeof Buffer)) > 0;) Text.append(Buffer, Got);
  ::close(Pipe[0]);
  ::waitpid(Child, nullptr, 0);
  return Text;
}

class AppPathsTest : public ::testing::Test {
 protected:
  test::TempHome Home;
  void SetUp() override {
    ::setenv("HOME", (Home / "user").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (Home / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (Home / "data").c_str(), 1);
  }
  void TearDown() override {
    for (const char* Name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME"}) ::unsetenv(Name);
    ::setenv("HOME", Kept.c_str(), 1);
  }
  std::string Kept = std::getenv("HOME") ? std::getenv("HOME") : "/root";
};

TEST_F(AppPathsTest, VornicpackHomeNamesTheOneFolderForEverything) {
  EXPECT_EQ(Places(), (Home / "vornicpack.ini").string() + "\n" + (Home / "WordLists").string() +
                          "\n" + Home.Path().string());
}

TEST_F(AppPathsTest, BesideTheProgramWhenItsFolderIsWritable) {
  ::unsetenv("VORNICPACK_HOME");
  const fs::path Program = AppPaths::ProgramFolder();
  ASSERT_EQ(Program, fs::read_symlink("/proc/self/exe").parent_path());
  if (::access(Program.c_str(), W_OK) != 0) GTEST_SKIP() << "the build folder is read-only";
  EXPECT_EQ(Places(), (Program / "vornicpack.ini").string() + "\n" +
                          (Program / "WordLists").string() + "\n" + Program.string());
}

TEST_F(AppPathsTest, TheUsersXdgFoldersWhenTheProgramFolderIsReadOnly) {
  ::unsetenv("VORNICPACK_HOME");
  fs::create_directories(Home / "user" / "Documents");
  fs::permissions(Home.Path(), fs::perms::all, fs::perm_options::add);  // the other user reads
  const std::string Set = PlacesOfAnotherUser();
  if (Set.empty()) GTEST_SKIP() << "needs root to look as a user without write access";
  EXPECT_EQ(Set, (Home / "config/vornicpack/vornicpack.ini").string() + "\n" +
                     (Home / "data/vornicpack/WordLists").string() + "\n" +
                     (Home / "user/Documents").string());
  // Unset XDG folders fall back to the home folder's, and a home without Documents to itself.
  for (const char* Name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME"}) ::unsetenv(Name);
  fs::remove(Home / "user" / "Documents");
  EXPECT_EQ(PlacesOfAnotherUser(), (Home / "user/.config/vornicpack/vornicpack.ini").string() +
                                       "\n" +
                                       (Home / "user/.local/share/vornicpack/WordLists").string() +
                                       "\n" + (Home / "user").string());
}

}  // namespace
}  // namespace vornic
