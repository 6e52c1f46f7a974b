#include <gtest/gtest.h>

#include "base/RandomGenerator.h"
#include "document/TVornicGame.h"
#include "games/GameText.h"
#include "games/jumble/JumbleBuilder.h"
#include "games/jumble/JumbleText.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

class GameTextTest : public ::testing::Test {
 protected:
  test::TempHome Home;
  test::ScriptedUserInterface Ui;
  TVornicGame Game;
  void SetUp() override { RandomGenerator::Seed(1); }
};

TEST_F(GameTextTest, JumbleTextIsTheMixedWordsInPlacementOrder) {
  Game.Init("JumbledUp", &Ui);
  JumbleBuilder Builder(Game);
  Builder.Mix = false;
  // One-letter words keep their order of letters, so the export is fixed: word column 1 holds
  // I, A, M and word column 2 holds O, K.
  ASSERT_TRUE(Builder.Build("I A M O K"));
  ASSERT_EQ(Game.Settings.Rows, 3);
  EXPECT_EQ(JumbleAsText(Game), "I\r\nA\r\nM\r\nO\r\nK\r\n");
  EXPECT_EQ(GameAsText(Game), JumbleAsText(Game));
}

TEST_F(GameTextTest, JumbleTextIsEmptyWithoutHintRecords) {
  Game.Init("JumbledUp", &Ui);
  EXPECT_EQ(JumbleAsText(Game), "");
  Game.Words.Add("  ");  // only line 0
  EXPECT_EQ(JumbleAsText(Game), "");
}

TEST_F(GameTextTest, JumbleTextKeepsTheCodePageBytesAndTheClipboardGetsUtf8) {
  Game.Init("JumbledUp", &Ui);
  JumbleBuilder Builder(Game);
  ASSERT_TRUE(Builder.Build("\xC9"));  // É in Windows-1252
  EXPECT_EQ(JumbleAsText(Game), "\xC9\r\n");
  CopyGameAsText(Game);
  ASSERT_EQ(Ui.Clipboard.size(), 1u);
  EXPECT_EQ(Ui.Clipboard[0].Text, "\xC3\x89\r\n");
}

}  // namespace
}  // namespace vornic
