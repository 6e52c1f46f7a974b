#include <gtest/gtest.h>

#include <filesystem>

#include "base/DocumentError.h"
#include "picture/EmfWriter.h"
#include "picture/PictureFormat.h"
#include "picture/WmfWriter.h"
#include "support/DocumentTest.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

class SaveImageTest : public test::DocumentTest {
 protected:
  void SetUp() override {
    DocumentTest::SetUp();
    ASSERT_TRUE(Game.New());
    Game.ResizeImage();
    Game.DrawGrid(true);
  }
  std::vector<std::uint8_t> Saved(const std::string& Name) {
    Ui.SaveReplies.push_back((Home / Name).string());
    Game.SaveImage();
    const std::string Bytes = test::ReadFile(Home / Name);
    return std::vector<std::uint8_t>(Bytes.begin(), Bytes.end());
  }
};

TEST_F(SaveImageTest, WritesEmfOrWmfByTheExtension) {
  Game.FileName = (Home / "animals.gm").string();
  Game.Modified = false;
  const auto Emf = Saved("grid.emf");
  const auto Wmf = Saved("GRID.WMF");
  const FileDialogRequest& Request = Ui.SaveRequests[0];
  EXPECT_EQ(Request.ProposedName, (Home / "animals.emf").string());
  EXPECT_EQ(Request.Filter, "Enhanced Windows Meta File (*.emf)|*.emf");
  EXPECT_TRUE(Request.OverwritePrompt);
  EXPECT_FALSE(Game.Modified);
  EXPECT_EQ(Emf, WriteEmf(Game.MetaFile));
  EXPECT_EQ(Wmf, WriteWmf(Game.MetaFile));
  // The same table names every format the program writes.
  EXPECT_EQ(PictureFormatOf("/x/Page.PNG"), PictureFormat::Png);
  EXPECT_EQ(PictureFormatOf("a.svg"), PictureFormat::Svg);
  EXPECT_EQ(PictureFormatOf("a.gif"), std::nullopt);
  EXPECT_EQ(PictureFormatToWrite("a.gif"), PictureFormat::Emf) << "as the first filter promises";
}

TEST_F(SaveImageTest, UnwritableTargetIsToldAndAnExistingFileStays) {
  Ui.SaveReplies.push_back(std::nullopt);  // Cancel writes nothing and says nothing
  Game.SaveImage();
  Ui.SaveReplies.push_back((Home / "no such folder" / "grid.emf").string());
  Game.SaveImage();
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_NE(Ui.Messages[0].Text.find("grid.emf"), std::string::npos);
  // A read-only file is refused, also for a privileged user.
  test::WriteFile(Home / "locked.emf", "keep me");
  fs::permissions(Home / "locked.emf", fs::perms::owner_read);
  Saved("locked.emf");
  EXPECT_EQ(test::ReadFile(Home / "locked.emf"), "keep me");
  ASSERT_EQ(Ui.Messages.size(), 2u);
  EXPECT_EQ(Ui.Messages[1].Kind, Icon::Error);
}

// The window program adds formats through a picture writer that gets the chosen name.
TEST_F(SaveImageTest, AWriterGetsThePictureAndItsFailureIsTold) {
  std::string Written;
  Game.MoreImageFilters = "PNG image (*.png)|*.png";
  Game.ImageWriter = [&](const TDrawMetaFile& Given, const std::string& Name) {
    EXPECT_EQ(&Given, &Game.MetaFile);
    Written = Name;
    throw DocumentError("Cannot create file \"" + Name + "\".");
  };
  Saved("grid.png");
  EXPECT_EQ(Ui.SaveRequests[0].Filter,
            "Enhanced Windows Meta File (*.emf)|*.emf|PNG image (*.png)|*.png");
  EXPECT_EQ(Written, (Home / "grid.png").string());
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_NE(Ui.Messages[0].Text.find("Cannot create file"), std::string::npos);
}

}  // namespace
}  // namespace vornic
