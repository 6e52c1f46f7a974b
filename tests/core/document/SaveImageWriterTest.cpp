#include <gtest/gtest.h>

#include "base/DocumentError.h"
#include "document/TVornicGame.h"
#include "support/DocumentTest.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

// SaveImage hands the chosen file to the program's picture writer when one is set, so that the
// window program can write the formats the core does not know.
class SaveImageWriterTest : public test::DocumentTest {
 protected:
  void SetUp() override {
    DocumentTest::SetUp();
    Game.SetSize(3, 3);
    ASSERT_TRUE(Game.New());
    Game.DrawGrid(true);
  }
};

TEST_F(SaveImageWriterTest, WithoutWriterOnlyTheMetafileIsOfferedAndWritten) {
  const auto Target = Home / "grid.emf";
  Ui.SaveReplies.push_back(Target.string());
  Game.SaveImage();
  ASSERT_EQ(Ui.SaveRequests.size(), 1u);
  EXPECT_EQ(Ui.SaveRequests[0].Filter, "Enhanced Windows Meta File (*.emf)|*.emf");
  EXPECT_EQ(test::ReadFile(Target).substr(0, 4), std::string("\x01\0\0\0", 4));
}

TEST_F(SaveImageWriterTest, WriterGetsThePictureAndTheChosenNameAfterTheMetafileFilter) {
  std::string Written;
  const TDrawMetaFile* Picture = nullptr;
  Game.MoreImageFilters = "PNG image (*.png)|*.png";
  Game.ImageWriter = [&](const TDrawMetaFile& Given, const std::string& Name) {
    Picture = &Given;
    Written = Name;
  };
  const auto Target = (Home / "grid.png").string();
  Ui.SaveReplies.push_back(Target);
  Game.SaveImage();
  ASSERT_EQ(Ui.SaveRequests.size(), 1u);
  EXPECT_EQ(Ui.SaveRequests[0].Filter,
            "Enhanced Windows Meta File (*.emf)|*.emf|PNG image (*.png)|*.png");
  EXPECT_EQ(Ui.SaveRequests[0].DefaultExt, "*.emf");
  EXPECT_EQ(Written, Target);
  EXPECT_EQ(Picture, &Game.MetaFile);
  EXPECT_FALSE(Game.Modified);
}

TEST_F(SaveImageWriterTest, WriterFailureIsToldAndCancelWritesNothing) {
  int Calls = 0;
  Game.ImageWriter = [&](const TDrawMetaFile&, const std::string& Name) {
    ++Calls;
    throw DocumentError("Cannot create file \"" + Name + "\".");
  };
  Ui.SaveReplies.push_back(std::nullopt);
  Game.SaveImage();
  EXPECT_EQ(Calls, 0);
  EXPECT_TRUE(Ui.Messages.empty());

  Ui.SaveReplies.push_back((Home / "x.png").string());
  Game.SaveImage();
  EXPECT_EQ(Calls, 1);
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_NE(Ui.Messages[0].Text.find("Cannot create file"), std::string::npos);
}

}  // namespace
}  // namespace vornic
