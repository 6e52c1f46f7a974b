#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "document/TVornicGame.h"
#include "support/DocumentTest.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

using test::ReadFile;

class FlowsTest : public test::DocumentTest {
 protected:
  void SetUp() override {
    DocumentTest::SetUp();
    Game.SetSize(15, 10);
    ASSERT_TRUE(Game.New());
  }
  void MakeChanges() {
    Game.SetCell(1, 1, 'A');
    Game.AddWord("A", PathBytes(1, 1));
  }
  std::string SavedFile(const std::string& Name) {
    Ui.SaveReplies.push_back((Home / Name).string());
    EXPECT_TRUE(Game.SaveAs());
    return (Home / Name).string();
  }
};

TEST_F(FlowsTest, NewStartsUntitledAndClean) {
  EXPECT_EQ(Ui.LastCaption(), "VornicGame - Untitled.gm");
  EXPECT_FALSE(Game.Modified);
  EXPECT_EQ(Game.Grid, std::string(150, EmptyChar));
  EXPECT_EQ(Game.Letters, "QWERTYUIOPASDFGHJKLZXCVBNM");
}

TEST_F(FlowsTest, SaveChangesQuestionHasTheGameTitleAndThreeButtons) {
  MakeChanges();
  Ui.Answers.push_back(Answer::Cancel);
  EXPECT_FALSE(Game.New());
  ASSERT_EQ(Ui.Questions.size(), 1u);
  EXPECT_EQ(Ui.Questions[0].Title, "VornicGame");
  EXPECT_EQ(Ui.Questions[0].Text, "Do you want to save changes to 'Untitled'?");
  EXPECT_EQ(Ui.Questions[0].Choice, Buttons::YesNoCancel);
  EXPECT_EQ(Ui.Questions[0].Kind, Icon::Warning);
  // Cancel keeps everything.
  EXPECT_EQ(Game.GetCell(1, 1), 'A');
  EXPECT_EQ(Game.Words.size(), 1u);
  EXPECT_TRUE(Game.Modified);
}

TEST_F(FlowsTest, NewAnsweredNoDiscardsWithoutWriting) {
  MakeChanges();
  Ui.Answers.push_back(Answer::No);
  EXPECT_TRUE(Game.New());
  EXPECT_TRUE(Game.Words.empty());
  EXPECT_TRUE(Ui.SaveRequests.empty());
  EXPECT_TRUE(std::filesystem::is_empty(Home.Path()) ||
              !std::filesystem::exists(Home / "Untitled.gm"));
}

TEST_F(FlowsTest, NewKeepsColoursFlagsCharsetAndSizeButResetsTheCharacterSet) {
  Game.Settings.BackColor = 0x00FF00;
  Game.Settings.Bold = 1;
  Game.Settings.Charset = 238;
  ASSERT_TRUE(Game.Settings.SetLanguageName("Other"));
  Game.SetSize(7, 4);
  EXPECT_TRUE(Game.New());
  EXPECT_EQ(Game.Settings.BackColor, 0x00FF00u);
  EXPECT_EQ(Game.Settings.Bold, 1);
  EXPECT_EQ(Game.Settings.Charset, 238);
  EXPECT_EQ(Game.Settings.Cols, 7);
  EXPECT_EQ(Game.Grid.size(), 28u);
  EXPECT_EQ(Game.Settings.LanguageName(), "English");
  EXPECT_EQ(Game.Settings.Language[7], '\0');
}

// The save-changes question answered Yes, then Cancel in the Save dialog: nothing was saved, so
// the flow that asked stops and the changes stay.
TEST_F(FlowsTest, YesThenCancelledSaveStopsTheFlowAndKeepsTheChanges) {
  MakeChanges();
  Ui.Answers.push_back(Answer::Yes);
  Ui.SaveReplies.push_back(std::nullopt);
  EXPECT_FALSE(Game.CloseQuery());
  EXPECT_TRUE(Game.Modified);
  Ui.Answers.push_back(Answer::Yes);
  Ui.SaveReplies.push_back(std::nullopt);
  EXPECT_FALSE(Game.New());
  EXPECT_EQ(Game.Words.size(), 1u);
}

TEST_F(FlowsTest, YesSavesThenGoesOn) {
  MakeChanges();
  Ui.Answers.push_back(Answer::Yes);
  Ui.SaveReplies.push_back((Home / "kept.gm").string());
  EXPECT_TRUE(Game.New());
  EXPECT_TRUE(std::filesystem::exists(Home / "kept.gm"));
  EXPECT_TRUE(Game.Words.empty());
}

TEST_F(FlowsTest, SaveAsAsksWithTheGameFilterAndSetsTheCaption) {
  const std::string Path = SavedFile("puzzle.gm");
  ASSERT_EQ(Ui.SaveRequests.size(), 1u);
  EXPECT_EQ(Ui.SaveRequests[0].Filter, "Vornic Game (*.gm)|*.gm");
  EXPECT_EQ(Ui.SaveRequests[0].DefaultExt, "*.gm");
  EXPECT_EQ(Ui.SaveRequests[0].ProposedName, "Untitled.gm");
  EXPECT_TRUE(Ui.SaveRequests[0].OverwritePrompt);
  EXPECT_EQ(Game.FileName, Path);
  EXPECT_EQ(Ui.LastCaption(), "VornicGame - puzzle.gm");
  // A second Save As proposes the current name; Save writes without asking.
  Ui.SaveReplies.push_back(std::nullopt);
  EXPECT_FALSE(Game.SaveAs());
  EXPECT_EQ(Ui.SaveRequests[1].ProposedName, "puzzle.gm");
  MakeChanges();
  EXPECT_TRUE(Game.Save());
  EXPECT_EQ(Ui.SaveRequests.size(), 2u);
  EXPECT_FALSE(Game.Modified);
}

TEST_F(FlowsTest, FailedSaveIsToldAndKeepsTheModifiedState) {
  MakeChanges();
  Game.FileName = (Home / "missing" / "keep.gm").string();
  EXPECT_FALSE(Game.Save());
  EXPECT_TRUE(Game.Modified);
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_NE(Ui.Messages[0].Text.find("Cannot create file"), std::string::npos);
}

// The new bytes go to a temporary file that replaces the target only when complete: when the
// replacing fails, whatever stood at the target is untouched and no temporary file is left.
TEST_F(FlowsTest, FailedSaveLeavesWhatWasThereIntact) {
  std::filesystem::create_directory(Home / "taken.gm");
  test::WriteFile(Home / "taken.gm" / "inner", "previous");
  MakeChanges();
  Game.FileName = (Home / "taken.gm").string();
  EXPECT_FALSE(Game.Save());
  EXPECT_EQ(ReadFile(Home / "taken.gm" / "inner"), "previous");
  for (const auto& Entry : std::filesystem::directory_iterator(Home.Path()))
    EXPECT_EQ(Entry.path().filename().string().find(".taken.gm."), std::string::npos)
        << "temporary file left behind";
  // A read-only game file is refused by its permission bits, also for root.
  const std::string Locked = SavedFile("locked.gm");
  const std::string LockedBytes = ReadFile(Locked);
  ::chmod(Locked.c_str(), 0444);
  MakeChanges();
  EXPECT_FALSE(Game.Save());
  EXPECT_EQ(ReadFile(Locked), LockedBytes);
  EXPECT_TRUE(Game.Modified);
  ::chmod(Locked.c_str(), 0644);
  if (::geteuid() != 0) {  // folder permissions bind everyone but root
    const std::string Path = SavedFile("keep.gm");
    const std::string Before = ReadFile(Path);
    MakeChanges();
    ::chmod(Home.Path().c_str(), 0500);
    EXPECT_FALSE(Game.Save());
    ::chmod(Home.Path().c_str(), 0700);
    EXPECT_EQ(ReadFile(Path), Before);
  }
}

TEST_F(FlowsTest, FailedSaveAsKeepsTheOldFileName) {
  const std::string Path = SavedFile("first.gm");
  Ui.SaveReplies.push_back((Home / "no-such-folder" / "second.gm").string());
  EXPECT_FALSE(Game.SaveAs());
  EXPECT_EQ(Game.FileName, Path);
  EXPECT_EQ(Ui.LastCaption(), "VornicGame - first.gm");
}

TEST_F(FlowsTest, OpenAsksForAFileStartingInTheLastFolder) {
  const std::string Path = SavedFile("open.gm");
  Ui.OpenReplies.push_back(std::nullopt);
  EXPECT_FALSE(Game.Open());
  EXPECT_EQ(Ui.OpenRequests[0].Filter, "Vornic Game (*.gm)|*.gm");
  EXPECT_TRUE(Ui.OpenRequests[0].MustExist);
  Ui.OpenReplies.push_back(Path);
  EXPECT_TRUE(Game.Open());
  EXPECT_EQ(Game.LastDir, Home.Path().string());
  EXPECT_EQ(Ui.LastCaption(), "VornicGame - open.gm");
  Ui.OpenReplies.push_back(std::nullopt);
  EXPECT_FALSE(Game.Open());
  EXPECT_EQ(Ui.OpenRequests[2].InitialDir, Home.Path().string());
}

// Answering No and then opening another game's file: the changes stay but are no longer marked.
TEST_F(FlowsTest, NoThenAnotherGamesFileKeepsChangesUnmarked) {
  TVornicGame Maze;
  Maze.Init("WordMaze", nullptr);
  Maze.FileName = (Home / "maze.gm").string();
  Maze.SaveToFile();
  MakeChanges();
  std::string Handed;
  Game.OnWrongType = [&](const std::string&, const std::string& Type) { Handed = Type; };
  Ui.Answers.push_back(Answer::No);
  EXPECT_FALSE(Game.Open((Home / "maze.gm").string()));
  EXPECT_EQ(Handed, "WordMaze");
  EXPECT_EQ(Game.GetCell(1, 1), 'A');
  EXPECT_FALSE(Game.Modified);
  EXPECT_EQ(Ui.LastCaption(), "VornicGame - Untitled.gm");
}

TEST_F(FlowsTest, WindowlessDocumentNeverAsksNorWritesACaption) {
  TVornicGame Probe;
  Probe.Init("Test", nullptr);
  Probe.Modified = true;
  EXPECT_TRUE(Probe.CloseQuery());
  EXPECT_TRUE(Probe.New());
}

TEST_F(FlowsTest, ModifiedFollowsTheDocumentRules) {
  EXPECT_FALSE(Game.Modified);
  Game.SetCell(2, 2, 'X');
  EXPECT_FALSE(Game.Modified) << "SetCell alone does not mark";
  Game.SetGrid(Game.Grid);
  EXPECT_FALSE(Game.Modified) << "SetGrid with the same text";
  Game.ClearGrid();
  EXPECT_FALSE(Game.Modified) << "clearing an empty word list";
  Game.FillBlanks();
  EXPECT_FALSE(Game.Modified) << "filling blanks";
  Game.AddWord("X", PathBytes(2, 2));
  EXPECT_TRUE(Game.Modified);
  Game.Modified = false;
  Game.ClearGrid();
  EXPECT_TRUE(Game.Modified) << "clearing a word list with entries";
  Game.Modified = false;
  std::string Other = Game.Grid;
  Other[0] = 'Q';
  Game.SetGrid(Other);
  EXPECT_TRUE(Game.Modified);
}

TEST_F(FlowsTest, CellsAndWordEntries) {
  EXPECT_EQ(Game.GetCell(0, 1), EmptyChar);
  EXPECT_EQ(Game.GetCell(16, 1), EmptyChar);
  Game.SetCell(16, 1, 'Z');  // outside: ignored
  EXPECT_EQ(Game.Grid, std::string(150, EmptyChar));
  Game.SetCell(15, 10, 'E');
  EXPECT_EQ(Game.Grid.back(), 'E');

  Game.Words.Add("NOSEPARATOR");
  Game.AddWord("EE", PathBytes(15, 10) + PathBytes(200, 1));     // second cell outside the grid
  Game.Words.Add(std::string("SHORT\x19") + PathBytes(15, 10));  // path shorter than the word
  std::vector<std::string> Listed{"stale"};
  Game.ListWords(Listed);
  EXPECT_EQ(Listed, (std::vector<std::string>{"", "EE", "SHORT"}));
  EXPECT_EQ(Game.WordCells(3), "");
  EXPECT_EQ(Game.WordCells(-1), "");
  EXPECT_EQ(Game.WordCells(0), std::string(150, EmptyChar));
  const std::string Cells = Game.WordCells(1);
  EXPECT_EQ(Cells.substr(0, 149), std::string(149, EmptyChar));
  EXPECT_EQ(Cells.back(), 'E');
  EXPECT_EQ(Game.WordCells(2).back(), 'E');
  EXPECT_EQ(TVornicGame::BlanksToSpaces("A\x19"
                                        "B\x19"),
            "A B ");
}

TEST_F(FlowsTest, SizesThatDoNotFitSixteenBitsAreRefused) {
  EXPECT_FALSE(Game.SetSize(65536, 3));
  EXPECT_FALSE(Game.SetSize(3, -1));
  EXPECT_EQ(Game.Settings.Cols, 15);
  EXPECT_TRUE(Game.SetSize(65535, 0));
  EXPECT_FALSE(Game.Settings.SetLanguageName("Elevenchars"));
  EXPECT_EQ(Game.Settings.LanguageName(), "English");
}

}  // namespace
}  // namespace vornic
