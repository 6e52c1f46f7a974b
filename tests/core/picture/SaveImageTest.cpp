#include <gtest/gtest.h>

#include <filesystem>

#include "MetafileReaders.h"
#include "document/TVornicGame.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

class SaveImageTest : public ::testing::Test {
 protected:
  test::TempHome Home;
  test::ScriptedUserInterface Ui;
  TVornicGame Game;

  void SetUp() override {
    fs::create_directory(Home / "read");
    Game.Init("VornicGame", &Ui);
    ASSERT_TRUE(Game.New());
    Game.ResizeImage();
    Game.DrawGrid(true);
  }
  std::string Chosen(const std::string& Name) {
    const std::string Path = (Home / Name).string();
    Ui.SaveReplies.push_back(Path);
    return Path;
  }
};

TEST_F(SaveImageTest, UntitledDocumentProposesUntitledEmf) {
  Ui.SaveReplies.push_back(std::nullopt);
  Game.SaveImage();
  ASSERT_EQ(Ui.SaveRequests.size(), 1u);
  const FileDialogRequest& Request = Ui.SaveRequests[0];
  EXPECT_EQ(Request.ProposedName, "Untitled.emf");
  EXPECT_EQ(Request.DefaultExt, "*.emf");
  EXPECT_EQ(Request.Filter.substr(0, 41), "Enhanced Windows Meta File (*.emf)|*.emf");
  EXPECT_TRUE(Request.OverwritePrompt);
}

TEST_F(SaveImageTest, SavedDocumentProposesItsPathWithTheEmfExtension) {
  Game.FileName = (Home / "animals.gm").string();
  Ui.SaveReplies.push_back(std::nullopt);
  Game.SaveImage();
  ASSERT_EQ(Ui.SaveRequests.size(), 1u);
  EXPECT_EQ(Ui.SaveRequests[0].ProposedName, (Home / "animals.emf").string());
}

TEST_F(SaveImageTest, CancelWritesNothing) {
  Ui.SaveReplies.push_back(std::nullopt);
  Game.SaveImage();
  EXPECT_FALSE(fs::exists(Home / "Untitled.emf"));
  EXPECT_TRUE(Ui.Messages.empty());
}

TEST_F(SaveImageTest, WritesEmfOrWmfByTheNamesExtensionAndKeepsTheDocument) {
  Game.Modified = false;
  const std::string Emf = Chosen("grid.emf");
  Game.SaveImage();
  const std::string Upper = Chosen("GRID.WMF");
  Game.SaveImage();
  const std::string Lower = Chosen("other.wmf");
  Game.SaveImage();
  EXPECT_EQ(test::ReadFile(Emf).substr(0, 4), std::string("\x01\0\0\0", 4));
  EXPECT_EQ(test::ReadFile(Upper).substr(0, 4), "\xD7\xCD\xC6\x9A");
  EXPECT_EQ(test::ReadFile(Lower).substr(0, 4), "\xD7\xCD\xC6\x9A");
  EXPECT_FALSE(Game.Modified);
  EXPECT_TRUE(Game.FileName.empty());
  // What was written reads back in programs that are not ours.
  const auto Read = [](const std::string& Path) {
    const std::string Bytes = test::ReadFile(Path);
    return std::vector<std::uint8_t>(Bytes.begin(), Bytes.end());
  };
  ASSERT_TRUE(test::ReaderInstalled("emf2svg-conv"));
  ASSERT_TRUE(test::ReaderInstalled("wmf2svg"));
  EXPECT_EQ(test::Elements(test::EmfToSvg(Home / "read", Read(Emf)), "rect").size(), 2u);
  EXPECT_EQ(test::Elements(test::WmfToSvg(Home / "read", Read(Upper)), "rect").size(), 2u);
  EXPECT_EQ(test::Elements(test::WmfToSvg(Home / "read", Read(Lower)), "rect").size(), 2u);
}

TEST_F(SaveImageTest, UnwritableTargetIsToldAndAnExistingFileStays) {
  Ui.SaveReplies.push_back((Home / "no such folder" / "grid.emf").string());
  Game.SaveImage();
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_NE(Ui.Messages[0].Text.find("grid.emf"), std::string::npos);

  // A read-only file is refused, also for a privileged user.
  const fs::path Existing = Home / "locked.emf";
  test::WriteFile(Existing, "keep me");
  fs::permissions(Existing, fs::perms::owner_read | fs::perms::group_read);
  Ui.SaveReplies.push_back(Existing.string());
  Game.SaveImage();
  EXPECT_EQ(test::ReadFile(Existing), "keep me");
  ASSERT_EQ(Ui.Messages.size(), 2u);
  EXPECT_NE(Ui.Messages[1].Text.find("Cannot create file"), std::string::npos);
  EXPECT_EQ(Ui.Messages[1].Kind, Icon::Error);
}

}  // namespace
}  // namespace vornic
