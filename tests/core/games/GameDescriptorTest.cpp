#include <gtest/gtest.h>

#include "base/RandomGenerator.h"
#include "document/TVornicGame.h"
#include "document/TextExport.h"
#include "games/GameDescriptor.h"
#include "games/GameTable.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

class GameDescriptorTest : public ::testing::TestWithParam<GameInfo> {
 protected:
  test::TempHome Home;
  test::ScriptedUserInterface Ui;
  TVornicGame Game;
  void SetUp() override { RandomGenerator::Seed(7); }

  const GameDescriptor& Built() {
    const GameDescriptor& Descriptor = *GetParam().Descriptor;
    Descriptor.InitDocument(Game, &Ui);
    GameInput Input;
    // The demo's maze: 51 letters fill a 3 x 17 grid.
    Input.Text = "SPRING";
    Input.Words = {"TULIP", "DAISY", "ROSE", "IRIS", "LILY", "POPPY", "ORCHID", "VIOLET", "FERN"};
    EXPECT_TRUE(Descriptor.Build(Game, Input)) << GetParam().TypeName;
    return Descriptor;
  }
};

TEST_P(GameDescriptorTest, TheDrawnPictureHasTheDescribedSizeAndTheDocumentStays) {
  const GameDescriptor& Descriptor = Built();
  const std::string Grid = Game.Grid;
  ASSERT_TRUE(Descriptor.Draw(Game, GameView{}));
  EXPECT_EQ(Game.MetaFile.Width(), Game.Settings.Cols * 16 + 5);
  // Lost letters draw two blocks, one above the other.
  const int Blocks = GetParam().TypeName == GameTypeName::LostLetters ? 2 : 1;
  EXPECT_EQ(Game.MetaFile.Height(), Blocks * (Game.Settings.Rows * 16 + 5));
  EXPECT_EQ(std::make_pair(Game.MetaFile.Width(), Game.MetaFile.Height()),
            Descriptor.PictureSize(Game));
  EXPECT_EQ(Game.Grid, Grid);
}

TEST_P(GameDescriptorTest, AHighlightBeyondTheWordsIsRefusedWhereTheGameHasOne) {
  const GameDescriptor& Descriptor = Built();
  GameView View;
  View.Highlight = static_cast<int>(Game.Words.size());
  const bool Highlights = GetParam().TypeName == GameTypeName::WordSearch ||
                          GetParam().TypeName == GameTypeName::WordMaze;
  EXPECT_EQ(Descriptor.Draw(Game, View), !Highlights);
}

TEST_P(GameDescriptorTest, TextExportsFollowTheGame) {
  const GameDescriptor& Descriptor = Built();
  const std::string Text = Descriptor.CopyText(Game);
  EXPECT_EQ(Text == GridAsText(Game), GetParam().TypeName != GameTypeName::Jumble);
  const bool HasWords = GetParam().TypeName == GameTypeName::WordSearch ||
                        GetParam().TypeName == GameTypeName::WordMaze;
  EXPECT_EQ(Descriptor.CopyWords(Game).has_value(), HasWords);
}

INSTANTIATE_TEST_SUITE_P(EveryGame, GameDescriptorTest, ::testing::ValuesIn(GameTable()),
                         [](const auto& Info) { return std::string(Info.param.CliName); });

}  // namespace
}  // namespace vornic
