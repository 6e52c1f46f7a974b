#include <gtest/gtest.h>

#include <map>

#include "base/RandomGenerator.h"
#include "document/TVornicGame.h"
#include "document/TextExport.h"
#include "games/GameDescriptor.h"
#include "games/GameTable.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

// What each game's descriptor is known to do, by type name; a game of the table without a row
// here fails, so a new game states what it does.
struct Expected {
  int Blocks;           // grid pictures one above the other
  bool GridText;        // "Copy as Text" gives the grid table
  bool CopiesWords;     // "Copy Words to Clipboard"
  bool HasNotes;        // a worksheet lists words under the puzzle
  bool CountsReadings;  // info tells how often each word reads
};
const std::map<std::string_view, Expected> Games{
    {"VornicGame", {1, true, true, true, true}},
    {"WordMaze", {1, true, true, true, false}},
    {"WordLabirint", {1, true, false, false, false}},
    {"JumbledUp", {1, false, true, false, false}},
    {"LostLetters", {2, true, true, false, false}},
};

class GameDescriptorTest : public ::testing::TestWithParam<GameInfo> {
 protected:
  test::TempHome Home;
  test::ScriptedUserInterface Ui;
  TVornicGame Game;
  void SetUp() override { RandomGenerator::Seed(7); }

  const GameDescriptor& Built() {
    const GameDescriptor& Descriptor = *GetParam().Descriptor;
    Descriptor.InitDocument(Game, &Ui);
    // 51 letters: a maze of them fills 3 x 17.
    const auto Input = Descriptor.InputOfWords(
        {"SPRING", "TULIP", "DAISY", "ROSE", "IRIS", "LILY", "POPPY", "ORCHID", "VIOLET", "FERN"});
    EXPECT_TRUE(Descriptor.Build(Game, *Input)) << GetParam().TypeName;
    return Descriptor;
  }
};

TEST_P(GameDescriptorTest, EveryGameDoesWhatItIsKnownToDo) {
  ASSERT_TRUE(Games.count(GetParam().TypeName)) << "no expectations for " << GetParam().TypeName;
  const Expected& Known = Games.at(GetParam().TypeName);
  const GameDescriptor& Descriptor = Built();
  EXPECT_EQ(Descriptor.Info().Tag, GetParam().Tag);
  EXPECT_EQ(DescriptorOf(Game), &Descriptor);

  const std::string Grid = Game.Grid;
  ASSERT_TRUE(Descriptor.DrawFirstView(Game));
  EXPECT_EQ(Game.MetaFile.Width(), Game.Settings.Cols * 16 + 5);
  EXPECT_EQ(Game.MetaFile.Height(), Known.Blocks * (Game.Settings.Rows * 16 + 5));
  EXPECT_EQ(std::make_pair(Game.MetaFile.Width(), Game.MetaFile.Height()),
            Descriptor.PictureSize(Game));
  EXPECT_EQ(Game.Grid, Grid);

  // The worksheet's pictures take the same size.
  Descriptor.RecordSheet(Game, false, KeyStyle::Lines);
  const std::size_t Puzzle = Game.MetaFile.Operations().size();
  EXPECT_EQ(std::make_pair(Game.MetaFile.Width(), Game.MetaFile.Height()),
            Descriptor.PictureSize(Game));
  Descriptor.RecordSheet(Game, true, KeyStyle::Lines);
  EXPECT_NE(Game.MetaFile.Operations().size(), Puzzle) << "the key shows more than the puzzle";
  EXPECT_EQ(Game.Grid, Grid);

  EXPECT_EQ(Descriptor.CopyText(Game) == GridAsText(Game), Known.GridText);
  EXPECT_EQ(Descriptor.CopyWords(Game).has_value(), Known.CopiesWords);
  EXPECT_EQ(!Descriptor.Sheet(Game).SortedWords.empty(), Known.HasNotes);
  EXPECT_EQ(Descriptor.EntryReadings(Game).has_value(), Known.CountsReadings);
}

INSTANTIATE_TEST_SUITE_P(EveryGame, GameDescriptorTest, ::testing::ValuesIn(GameTable()),
                         [](const auto& Info) { return std::string(Info.param.CliName); });

}  // namespace
}  // namespace vornic
