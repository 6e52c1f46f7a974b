#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "document/TVornicGame.h"
#include "support/DocumentTest.h"

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

TEST_F(FlowsTest, SaveChangesQuestionAndItsThreeAnswers) {
  MakeChanges();
  Ui.Answers.push_back(Answer::Cancel);
  EXPECT_FALSE(Game.New());
  ASSERT_EQ(Ui.Questions.size(), 1u);
  EXPECT_EQ(Ui.Questions[0].Title, "VornicGame");
  EXPECT_EQ(Ui.Questions[0].Text, "Do you want to save changes to 'Untitled'?");
  EXPECT_EQ(Ui.Questions[0].Choice, Buttons::YesNoCancel);
  EXPECT_EQ(Game.Words.size(), 1u);
  EXPECT_TRUE(Game.Modified);
  // Yes, then Cancel in the Save dialog: nothing was saved, so the flow stops.
  Ui.Answers = {Answer::Yes, Answer::Yes};
  Ui.SaveReplies = {std::nullopt, std::nullopt};
  EXPECT_FALSE(Game.CloseQuery());
  EXPECT_FALSE(Game.New());
  EXPECT_EQ(Game.Words.size(), 1u);
  Ui.Answers = {Answer::Yes};
  Ui.SaveReplies = {(Home / "kept.gm").string()};
  EXPECT_TRUE(Game.New());
  EXPECT_TRUE(std::filesystem::exists(Home / "kept.gm"));
  MakeChanges();
  Ui.Answers = {Answer::No};
  EXPECT_TRUE(Game.New());
  EXPECT_TRUE(Game.Words.empty());
  EXPECT_FALSE(Game.Modified);
  EXPECT_EQ(Ui.LastCaption(), "VornicGame - Untitled.gm");
}

TEST_F(FlowsTest, SaveAsAsksWithTheGameFilterAndSaveThenWritesWithoutAsking) {
  const std::string Path = SavedFile("puzzle.gm");
  EXPECT_EQ(Ui.SaveRequests[0].Filter, "Vornic Game (*.gm)|*.gm");
  EXPECT_EQ(Ui.SaveRequests[0].ProposedName, "Untitled.gm");
  EXPECT_TRUE(Ui.SaveRequests[0].OverwritePrompt);
  EXPECT_EQ(Ui.LastCaption(), "VornicGame - puzzle.gm");
  MakeChanges();
  EXPECT_TRUE(Game.Save());
  EXPECT_EQ(Ui.SaveRequests.size(), 1u);
  EXPECT_FALSE(Game.Modified);
  // A failed Save As keeps the old name.
  Ui.SaveReplies.push_back((Home / "no-such-folder" / "second.gm").string());
  EXPECT_FALSE(Game.SaveAs());
  EXPECT_EQ(Game.FileName, Path);
  EXPECT_EQ(Ui.LastCaption(), "VornicGame - puzzle.gm");
}

// The new bytes go to a temporary file that replaces the target only when complete: a failure
// is told, keeps Modified, leaves whatever stood at the target and no temporary file.
TEST_F(FlowsTest, FailedSaveLeavesWhatWasThereIntact) {
  std::filesystem::create_directory(Home / "taken.gm");
  test::WriteFile(Home / "taken.gm" / "inner", "previous");
  MakeChanges();
  Game.FileName = (Home / "taken.gm").string();
  EXPECT_FALSE(Game.Save());
  EXPECT_TRUE(Game.Modified);
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_NE(Ui.Messages[0].Text.find("Cannot create file"), std::string::npos);
  EXPECT_EQ(ReadFile(Home / "taken.gm" / "inner"), "previous");
  for (const auto& Entry : std::filesystem::directory_iterator(Home.Path()))
    EXPECT_EQ(Entry.path().filename().string().find(".taken.gm."), std::string::npos);
  // A read-only game file is refused by its permission bits, also for root.
  const std::string Locked = SavedFile("locked.gm");
  const std::string LockedBytes = ReadFile(Locked);
  ::chmod(Locked.c_str(), 0444);
  MakeChanges();
  EXPECT_FALSE(Game.Save());
  EXPECT_EQ(ReadFile(Locked), LockedBytes);
  ::chmod(Locked.c_str(), 0644);
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
}

TEST_F(FlowsTest, CellsAndDamagedWordEntriesStayInsideTheGrid) {
  EXPECT_EQ(Game.GetCell(16, 1), EmptyChar);
  Game.SetCell(16, 1, 'Z');  // outside: ignored
  EXPECT_EQ(Game.Grid, std::string(150, EmptyChar));
  Game.SetCell(15, 10, 'E');
  Game.Words.Add("NOSEPARATOR");
  Game.AddWord("EE", PathBytes(15, 10) + PathBytes(200, 1));     // second cell outside the grid
  Game.Words.Add(std::string("SHORT\x19") + PathBytes(15, 10));  // path shorter than the word
  std::vector<std::string> Listed{"stale"};
  Game.ListWords(Listed);
  EXPECT_EQ(Listed, (std::vector<std::string>{"", "EE", "SHORT"}));
  EXPECT_EQ(Game.WordCells(3), "");
  EXPECT_EQ(Game.WordCells(-1), "");
  EXPECT_EQ(Game.WordCells(1), std::string(149, EmptyChar) + "E");
  EXPECT_EQ(Game.WordCells(2).back(), 'E');
}

TEST_F(FlowsTest, SizesAndNamesThatDoNotFitTheFileAreRefused) {
  EXPECT_FALSE(Game.SetSize(65536, 3));
  EXPECT_FALSE(Game.SetSize(3, -1));
  EXPECT_EQ(Game.Settings.Cols, 15);
  EXPECT_TRUE(Game.SetSize(65535, 0));
  EXPECT_FALSE(Game.Settings.SetLanguageName("Elevenchars"));
  EXPECT_EQ(Game.Settings.LanguageName(), "English");
}

}  // namespace
}  // namespace vornic
