#include "base/AppPaths.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include "support/TempHome.h"

namespace vornic {
namespace {
namespace fs = std::filesystem;

// A scratch home folder with XDG_CONFIG_HOME inside it; VORNICPACK_HOME is cleared so that the
// XDG rules apply, and everything is put back afterwards.
class AppPathsTest : public testing::Test {
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

TEST_F(AppPathsTest, AnInstallationIsABinFolderBesideTheDesktopEntry) {
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

TEST_F(AppPathsTest, TheDocumentsFolderFollowsUserDirs) {
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

TEST_F(AppPathsTest, AnAbsoluteDocumentsFolderIsTakenAsWritten) {
  fs::create_directories(Scratch / "papers");
  UserDirs("XDG_DOCUMENTS_DIR=\"" + (Scratch / "papers").string() + "\"\n");
  EXPECT_EQ(AppPaths::DocumentsFolder(), Scratch / "papers");
}

}  // namespace
}  // namespace vornic
