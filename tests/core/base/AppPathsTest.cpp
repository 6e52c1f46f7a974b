#include "base/AppPaths.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

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

// A scratch home with the XDG folders inside it; the variables are put back afterwards.
class AppPathsTest : public ::testing::Test {
 protected:
  test::TempHome Home;
  void SetUp() override {
    for (const char* Name : Names) Kept.push_back(std::getenv(Name) ? std::getenv(Name) : "");
    ::setenv("HOME", (Home / "user").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (Home / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (Home / "data").c_str(), 1);
  }
  void TearDown() override {
    for (std::size_t i = 0; i < Kept.size(); ++i)
      Kept[i].empty() ? ::unsetenv(Names[i]) : ::setenv(Names[i], Kept[i].c_str(), 1);
  }
  void UserDirs(const std::string& Text) { test::WriteFile(Home / "config/user-dirs.dirs", Text); }
  static constexpr const char* Names[] = {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME",
                                          "VORNICPACK_HOME"};
  std::vector<std::string> Kept;
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

TEST_F(AppPathsTest, AnInstallationIsABinFolderBesideTheDesktopEntry) {
  ::unsetenv("VORNICPACK_HOME");
  fs::create_directories(Home / "usr/bin");
  fs::create_directories(Home / "build/bin");
  fs::create_directories(Home / "usr/share/applications");
  EXPECT_FALSE(AppPaths::InstalledAt(Home / "usr/bin"));
  test::WriteFile(Home / "usr/share/applications/vornicpack.desktop", "[Desktop Entry]\n");
  EXPECT_TRUE(AppPaths::InstalledAt(Home / "usr/bin"));
  EXPECT_FALSE(AppPaths::InstalledAt(Home / "build/bin"));
  EXPECT_FALSE(AppPaths::InstalledAt(Home / "usr"));  // not a bin folder
  // The tests themselves run from a build folder.
  EXPECT_FALSE(AppPaths::Installed());
}

TEST_F(AppPathsTest, TheDocumentsFolderFollowsUserDirs) {
  struct Case {
    std::string UserDirs;
    const char* MakeFolder;
    const char* Expected;  // under the scratch home
  };
  const Case Cases[] = {
      {"", nullptr, ""},                                                      // nothing: home
      {"", "Documents", "Documents"},                                         // the usual name
      {"XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n", "Dokumente", "Dokumente"},  // localised
      {"# comment\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n", nullptr, ""},    // named but missing
      {"XDG_DOCUMENTS_DIR=\"$HOME/\"\n", "Documents", "Documents"},           // switched off
      {"XDG_DOCUMENTS_DIR=\"" + (Home / "user/papers").string() + "\"\n", "papers", "papers"},
  };
  ::unsetenv("VORNICPACK_HOME");
  fs::create_directories(Home / "config");
  fs::create_directories(Home / "user");
  for (const Case& Each : Cases) {
    for (const char* Name : {"Documents", "Dokumente"}) fs::remove_all(Home / "user" / Name);
    UserDirs(Each.UserDirs);
    if (Each.MakeFolder) fs::create_directories(Home / "user" / Each.MakeFolder);
    const fs::path Want = *Each.Expected ? Home / "user" / Each.Expected : Home / "user";
    EXPECT_EQ(AppPaths::DocumentsFolder(), Want) << Each.UserDirs;
  }
}

}  // namespace
}  // namespace vornic
