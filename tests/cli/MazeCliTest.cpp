#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <set>

#include "cli/CliRunner.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

using test::RunTool;

class MazeCliTest : public test::CliFileTest {};

// 30 letters: offered 3x10, 5x6, 6x5, 10x3.
const std::vector<std::string> Words{"--phrase", "title", "--words",
                                     "pear,apple,figs,kiwi,lime,plum"};

std::vector<std::string> With(std::vector<std::string> Args, const std::vector<std::string>& More) {
  Args.insert(Args.end(), More.begin(), More.end());
  return Args;
}

TEST_F(MazeCliTest, BuildsTheSizeNearestToSquareWithUpperCasedWordsAndFullGrid) {
  const auto Run = RunTool(With({"maze", "-o", Path("m.gm"), "--seed", "3"}, Words));
  ASSERT_EQ(Run.Status, 0) << Run.Err;
  const nlohmann::json Doc = Info(Path("m.gm"));
  EXPECT_EQ(Doc["type"], "WordMaze");
  EXPECT_EQ(Doc["settings"]["Cols"], 5);
  EXPECT_EQ(Doc["settings"]["Rows"], 6);
  ASSERT_EQ(Doc["words"].size(), 7u);
  EXPECT_EQ(Doc["words"][0]["text"], "TITLE");
  EXPECT_EQ(Doc["words"][3]["text"], "FIGS");
  std::set<std::pair<int, int>> Cells;
  for (const auto& Entry : Doc["words"]) {
    const auto After = Entry["after"].get<std::vector<int>>();
    for (std::size_t i = 0; i + 1 < After.size(); i += 2) Cells.insert({After[i], After[i + 1]});
  }
  EXPECT_EQ(Cells.size(), 30u);
  for (const auto& Row : Doc["grid"])
    EXPECT_EQ(Row.get<std::string>().find('\x19'), std::string::npos);
}

TEST_F(MazeCliTest, AnOfferedSizeIsTakenInEitherSpellingAndAnotherIsRefusedWithTheList) {
  EXPECT_EQ(
      RunTool(With({"maze", "-o", Path("a.gm"), "--size", "10x3", "--seed", "1"}, Words)).Status,
      0);
  EXPECT_EQ(Info(Path("a.gm"))["settings"]["Cols"], 10);
  EXPECT_EQ(
      RunTool(With({"maze", "-o", Path("b.gm"), "--size", "3 x 10", "--seed", "1"}, Words)).Status,
      0);
  const auto Refused = RunTool(With({"maze", "-o", Path("c.gm"), "--size", "4x8"}, Words));
  EXPECT_EQ(Refused.Status, 2);
  EXPECT_NE(Refused.Err.find("3x10, 5x6, 6x5, 10x3"), std::string::npos) << Refused.Err;
  EXPECT_FALSE(std::filesystem::exists(Home / "c.gm"));
}

TEST_F(MazeCliTest, ALetterTotalWithoutASizeIsNamedAndNothingIsWritten) {
  const auto Run =
      RunTool({"maze", "-o", Path("p.gm"), "--phrase", "ab", "--words", "cdefghijklm"});
  EXPECT_EQ(Run.Status, 1);
  EXPECT_NE(Run.Err.find("13 letters"), std::string::npos) << Run.Err;
  EXPECT_FALSE(std::filesystem::exists(Home / "p.gm"));
}

TEST_F(MazeCliTest, AMazeNoRandomWalkCanFillIsStillBuilt) {
  // One word through all 90 cells of a 30 x 3 strip: a random walk that strays once leaves
  // cells behind it for good, so the maze is laid along a path through every cell.
  const auto Run = RunTool({"maze", "-o", Path("f.gm"), "--phrase", "", "--words",
                            std::string(90, 'w'), "--size", "30x3", "--seed", "1"});
  ASSERT_EQ(Run.Status, 0) << Run.Err;
  const nlohmann::json Doc = Info(Path("f.gm"));
  for (const auto& Row : Doc["grid"]) EXPECT_EQ(Row.get<std::string>(), std::string(30, 'W'));
}

TEST_F(MazeCliTest, WordsComeFromAFileAndBadInputIsRefused) {
  test::WriteFile(Home / "w.txt", "pear\r\n\r\n apple \nfigs\nkiwi\nlime\nplum\n");
  EXPECT_EQ(RunTool({"maze", "-o", Path("f.gm"), "--phrase", "title", "--words-file", Path("w.txt"),
                     "--seed", "2"})
                .Status,
            0);
  EXPECT_EQ(Info(Path("f.gm"))["words"][2]["text"], "APPLE");

  EXPECT_EQ(RunTool({"maze", "-o", Path("x.gm"), "--phrase", "title"}).Status, 2);
  EXPECT_EQ(
      RunTool(With({"maze", "-o", Path("x.gm"), "--words-file", Path("w.txt")}, Words)).Status, 2);
  const auto Control =
      RunTool({"maze", "-o", Path("x.gm"), "--phrase", "ti\ttle", "--words", "pear"});
  EXPECT_EQ(Control.Status, 2);
  EXPECT_NE(Control.Err.find("control character"), std::string::npos);
  const auto Greek = RunTool(
      {"maze", "-o", Path("x.gm"), "--phrase", "title", "--words", "\xCE\xB1\xCE\xB2\xCE\xB3"});
  EXPECT_EQ(Greek.Status, 2);
  EXPECT_FALSE(std::filesystem::exists(Home / "x.gm"));
}

TEST_F(MazeCliTest, WordsPrintsThePhraseAnEmptyLineAndTheSortedWords) {
  ASSERT_EQ(RunTool(With({"maze", "-o", Path("m.gm"), "--seed", "4"}, Words)).Status, 0);
  const auto Run = RunTool({"words", Path("m.gm")});
  ASSERT_EQ(Run.Status, 0) << Run.Err;
  EXPECT_EQ(Run.Out, "TITLE\r\n\r\nAPPLE\r\nFIGS\r\nKIWI\r\nLIME\r\nPEAR\r\nPLUM\r\n");
}

TEST_F(MazeCliTest, RendersThePhraseHighlightedUnlessPlainAndChecksTheHighlight) {
  ASSERT_EQ(RunTool(With({"maze", "-o", Path("m.gm"), "--seed", "4"}, Words)).Status, 0);
  ASSERT_EQ(RunTool({"render", Path("m.gm"), "-o", Path("lit.emf")}).Status, 0);
  ASSERT_EQ(RunTool({"render", Path("m.gm"), "-o", Path("zero.emf"), "--highlight", "0"}).Status,
            0);
  ASSERT_EQ(RunTool({"render", Path("m.gm"), "-o", Path("plain.emf"), "--plain"}).Status, 0);
  ASSERT_EQ(RunTool({"render", Path("m.gm"), "-o", Path("pear.emf"), "--highlight", "1"}).Status,
            0);
  EXPECT_EQ(test::ReadFile(Home / "lit.emf"), test::ReadFile(Home / "zero.emf"));
  EXPECT_NE(test::ReadFile(Home / "lit.emf"), test::ReadFile(Home / "plain.emf"));
  EXPECT_NE(test::ReadFile(Home / "lit.emf"), test::ReadFile(Home / "pear.emf"));
  EXPECT_EQ(RunTool({"render", Path("m.gm"), "-o", Path("x.emf"), "--highlight", "7"}).Status, 2);
}

TEST_F(MazeCliTest, TheDemoHoldsAFullSquareMaze) {
  ASSERT_EQ(RunTool({"demo", Path("demo")}).Status, 0);
  const nlohmann::json Doc = Info(Path("demo/maze-spring.gm"));
  EXPECT_EQ(Doc["type"], "WordMaze");
  EXPECT_EQ(Doc["settings"]["Cols"], 7);
  EXPECT_EQ(Doc["settings"]["Rows"], 7);
  EXPECT_EQ(Doc["words"].size(), 10u);
  for (const auto& Row : Doc["grid"])
    EXPECT_EQ(Row.get<std::string>().find('\x19'), std::string::npos);
}

}  // namespace
}  // namespace vornic
