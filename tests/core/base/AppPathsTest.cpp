#include "base/AppPaths.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
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

// A scratch home folder with XDG_CONFIG_HOME inside it; VORNICPACK_HOME is cleared so that the
// XDG rules apply, and everything is put back afterwards.
class InstalledPathsTest : public testing::Test {
 protected:
  void SetUp() override {
    Saved = {Get("HOME"), Get("XDG_CONFIG_HOME")};
    ::unsetenv("VORNICPACK_HOME");
    ::setenv("HOME", Scratch.Path().c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (Scratch / "config").c_str(), 1);
    fs::create_directories(Scratch / "config");
  }
  void TearDown() override {
    Restore("HOME", Saved[0]);
    Restore("XDG_CONFIG_HOME", Saved[1]);
  }
  static std::string Get(const char* Name) {
    const char* Value = std::getenv(Name);
    return Value ? Value : "";
  }
  static void Restore(const char* Name, const std::string& Value) {
    if (Value.empty())
      ::unsetenv(Name);
    else
      ::setenv(Name, Value.c_str(), 1);
  }
  void UserDirs(const std::string& Text) {
    test::WriteFile(Scratch / "config/user-dirs.dirs", Text);
  }

  test::TempHome Scratch;
  std::array<std::string, 2> Saved;
};

TEST_F(InstalledPathsTest, AnInstallationIsABinFolderBesideTheDesktopEntry) {
  fs::create_directories(Scratch / "usr/bin");
  fs::create_directories(Scratch / "build/bin");
  fs::create_directories(Scratch / "usr/share/applications");
  EXPECT_FALSE(AppPaths::InstalledAt(Scratch / "usr/bin"));
  test::WriteFile(Scratch / "usr/share/applications/vornicpack.desktop", "[Desktop Entry]\n");
  EXPECT_TRUE(AppPaths::InstalledAt(Scratch / "usr/bin"));
  EXPECT_FALSE(AppPaths::InstalledAt(Scratch / "build/bin"));
  EXPECT_FALSE(AppPaths::InstalledAt(Scratch / "usr"));  // not a bin folder
  // The tests themselves run from a build folder.
  EXPECT_FALSE(AppPaths::Installed());
}

TEST_F(InstalledPathsTest, TheDocumentsFolderFollowsUserDirs) {
  struct Case {
    const char* UserDirs;
    const char* MakeFolder;
    const char* Expected;  // under the scratch home
  };
  const Case Cases[] = {
      {"", nullptr, ""},                                                      // nothing: home
      {"", "Documents", "Documents"},                                         // the usual name
      {"XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n", "Dokumente", "Dokumente"},  // localised
      {"# comment\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n", nullptr, ""},    // named but missing
      {"XDG_DOCUMENTS_DIR=\"$HOME/\"\n", "Documents", "Documents"},           // switched off
  };
  for (const Case& Each : Cases) {
    fs::remove_all(Scratch / "Documents");
    fs::remove_all(Scratch / "Dokumente");
    UserDirs(Each.UserDirs);
    if (Each.MakeFolder) fs::create_directories(Scratch / Each.MakeFolder);
    const fs::path Want = *Each.Expected ? Scratch / Each.Expected : Scratch.Path();
    EXPECT_EQ(AppPaths::DocumentsFolder(), Want) << Each.UserDirs;
  }
}

TEST_F(InstalledPathsTest, AnAbsoluteDocumentsFolderIsTakenAsWritten) {
  fs::create_directories(Scratch / "papers");
  UserDirs("XDG_DOCUMENTS_DIR=\"" + (Scratch / "papers").string() + "\"\n");
  EXPECT_EQ(AppPaths::DocumentsFolder(), Scratch / "papers");
}

}  // namespace
}  // namespace vornic
