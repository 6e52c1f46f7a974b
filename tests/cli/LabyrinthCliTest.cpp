#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <map>

#include "cli/CliRunner.h"
#include "core/picture/MetafileReaders.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

using test::RunTool;

class LabyrinthCliTest : public test::CliFileTest {};

TEST_F(LabyrinthCliTest, BuildsTheDefaultSizeReproduciblyWithTheUpperCasedText) {
  auto Build = [&](const std::string& Name) {
    return RunTool({"labyrinth", "-o", Path(Name), "--text", "follow me home", "--seed", "9"});
  };
  const auto First = Build("a.gm");
  ASSERT_EQ(First.Status, 0) << First.Err;
  ASSERT_EQ(Build("b.gm").Status, 0);
  EXPECT_EQ(test::ReadFile(Home / "a.gm"), test::ReadFile(Home / "b.gm"));
  const nlohmann::json Doc = Info(Path("a.gm"));
  EXPECT_EQ(Doc["type"], "WordLabirint");
  EXPECT_EQ(Doc["settings"]["Cols"], 15);
  EXPECT_EQ(Doc["settings"]["Rows"], 10);
  ASSERT_GE(Doc["words"].size(), 1u);
  EXPECT_EQ(Doc["words"][0]["text"], "FOLLOW ME HOME");
  // Path, offset marker, "0".
  const auto After = Doc["words"][0]["after"].get<std::vector<int>>();
  ASSERT_EQ(After.size(), 2 * 14 + 2);
  EXPECT_EQ(After[28], 5);
  EXPECT_EQ(After[29], '0');
}

TEST_F(LabyrinthCliTest, AGridLeftWithBlanksIsWrittenAndSaidSo) {
  // One letter cannot grow traps: every other cell stays blank.
  const auto Run =
      RunTool({"labyrinth", "-o", Path("q.gm"), "--text", "q", "--size", "3x3", "--seed", "1"});
  EXPECT_EQ(Run.Status, 0);
  EXPECT_NE(Run.Err.find("8 of 9 cells are left blank"), std::string::npos) << Run.Err;
  EXPECT_TRUE(std::filesystem::exists(Home / "q.gm"));
}

TEST_F(LabyrinthCliTest, ATextThatCannotFitIsRefusedAndNothingWritten) {
  const auto TooLong = RunTool({"labyrinth", "-o", Path("l.gm"), "--text", std::string(10, 'x'),
                                "--size", "3x3", "--seed", "1"});
  EXPECT_EQ(TooLong.Status, 1);
  EXPECT_NE(TooLong.Err.find("no path from border to border"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(Home / "l.gm"));

  EXPECT_EQ(RunTool({"labyrinth", "-o", Path("l.gm"), "--text", ""}).Status, 2);
  EXPECT_EQ(RunTool({"labyrinth", "-o", Path("l.gm"), "--text", "a\x01b"}).Status, 2);
  EXPECT_EQ(RunTool({"labyrinth", "-o", Path("l.gm"), "--text", "ab", "--size", "2x9"}).Status, 2);
  EXPECT_FALSE(std::filesystem::exists(Home / "l.gm"));
}

TEST_F(LabyrinthCliTest, RendersTheChosenLayersAndRefusesUnknownOrMixedChoices) {
  ASSERT_EQ(RunTool({"labyrinth", "-o", Path("l.gm"), "--text", "a way out", "--seed", "2"}).Status,
            0);
  auto Render = [&](const std::string& Name, std::vector<std::string> More) {
    std::vector<std::string> Args{"render", Path("l.gm"), "-o", Path(Name)};
    Args.insert(Args.end(), More.begin(), More.end());
    return RunTool(Args).Status;
  };
  ASSERT_EQ(Render("default.emf", {}), 0);
  ASSERT_EQ(Render("window.emf", {"--show", "path,traps,start"}), 0);
  ASSERT_EQ(Render("puzzle.emf", {"--puzzle"}), 0);
  ASSERT_EQ(Render("letters.emf", {"--show", "start,text"}), 0);
  ASSERT_EQ(Render("none.emf", {"--show", "none"}), 0);
  EXPECT_EQ(test::ReadFile(Home / "default.emf"), test::ReadFile(Home / "window.emf"));
  EXPECT_EQ(test::ReadFile(Home / "puzzle.emf"), test::ReadFile(Home / "letters.emf"));
  EXPECT_NE(test::ReadFile(Home / "default.emf"), test::ReadFile(Home / "puzzle.emf"));
  EXPECT_LT(test::ReadFile(Home / "none.emf").size(), test::ReadFile(Home / "puzzle.emf").size());

  EXPECT_EQ(Render("x.emf", {"--show", "path,walls"}), 2);
  EXPECT_EQ(Render("x.emf", {"--puzzle", "--show", "path"}), 2);
  EXPECT_FALSE(std::filesystem::exists(Home / "x.emf"));
}

TEST_F(LabyrinthCliTest, AnIndependentReaderSeesRedAndGreenLinesOnlyInTheSolution) {
  ASSERT_TRUE(test::ReaderInstalled("emf2svg-conv"));
  ASSERT_EQ(RunTool({"labyrinth", "-o", Path("l.gm"), "--text", "through the woods", "--seed", "5"})
                .Status,
            0);
  auto Strokes = [&](const std::string& Name, std::vector<std::string> More) {
    std::vector<std::string> Args{"render", Path("l.gm"), "-o", Path(Name)};
    Args.insert(Args.end(), More.begin(), More.end());
    EXPECT_EQ(RunTool(Args).Status, 0);
    const std::string Emf = test::ReadFile(Home / Name);
    const std::string Svg =
        test::EmfToSvg(Home.Path(), std::vector<std::uint8_t>(Emf.begin(), Emf.end()));
    std::map<std::string, int> Count;
    for (const std::string& Path : test::Elements(Svg, "path"))
      ++Count[test::TextAttribute(Path, "stroke")];
    // The start letter: drawn in the background colour.
    for (const std::string& Text : test::Elements(Svg, "text"))
      if (test::TextAttribute(Text, "fill") == "#FFFFFF") ++Count["start letter"];
    return Count;
  };
  const auto Solution = Strokes("solution.emf", {"--show", "path,traps,text,start"});
  EXPECT_GT(Solution.count("#FF0000"), 0u);
  EXPECT_GT(Solution.count("#008000"), 0u);
  EXPECT_EQ(Solution.count("start letter"), 1u);
  const auto Puzzle = Strokes("puzzle.emf", {"--puzzle"});
  EXPECT_EQ(Puzzle.count("#FF0000"), 0u);
  EXPECT_EQ(Puzzle.count("#008000"), 0u);
  EXPECT_EQ(Puzzle.count("start letter"), 1u);
}

TEST_F(LabyrinthCliTest, TheDemoHoldsALabyrinth) {
  ASSERT_EQ(RunTool({"demo", Path("demo")}).Status, 0);
  const nlohmann::json Doc = Info(Path("demo/labyrinth-way-out.gm"));
  EXPECT_EQ(Doc["type"], "WordLabirint");
  EXPECT_EQ(Doc["words"][0]["text"], "FOLLOW THE LETTERS TO FIND THE WAY OUT");
  EXPECT_GT(Doc["words"].size(), 1u);
}

}  // namespace
}  // namespace vornic
