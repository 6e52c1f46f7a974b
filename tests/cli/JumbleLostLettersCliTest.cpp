#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>

#include "cli/CliRunner.h"
#include "core/picture/MetafileReaders.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

using test::RunTool;

class TextGamesCliTest : public ::testing::Test {
 protected:
  test::TempHome Home;
  std::string Path(const std::string& Name) { return (Home / Name).string(); }
  bool Exists(const std::string& Name) { return std::filesystem::exists(Home / Name); }
  nlohmann::json Info(const std::string& Name) {
    auto Run = RunTool({"info", Path(Name), "--json"});
    EXPECT_EQ(Run.Status, 0) << Run.Err;
    return nlohmann::json::parse(Run.Out);
  }
  // The texts that emf2svg-conv finds in a rendered picture.
  std::vector<std::string> RenderedTexts(const std::vector<std::string>& Args) {
    std::vector<std::string> Full{"render"};
    Full.insert(Full.end(), Args.begin(), Args.end());
    const auto Run = RunTool(Full);
    EXPECT_EQ(Run.Status, 0) << Run.Err;
    const std::string Emf = test::ReadFile(Home / "picture.emf");
    const std::string Svg =
        test::EmfToSvg(Home.Path(), std::vector<std::uint8_t>(Emf.begin(), Emf.end()));
    std::vector<std::string> Texts;
    for (const std::string& Element : test::Elements(Svg, "text"))
      Texts.push_back(test::Content(Element));
    return Texts;
  }
};

TEST_F(TextGamesCliTest, JumbleBuildsTheUpperCasedTextReproducibly) {
  const auto Run = RunTool({"jumble", "-o", Path("a.gm"), "--text", "the cat sat on the mat",
                            "--no-mix", "--seed", "9"});
  ASSERT_EQ(Run.Status, 0) << Run.Err;
  EXPECT_EQ(Run.Out, "Wrote " + Path("a.gm") + ": 10 x 3, 6 words.\n");
  ASSERT_EQ(RunTool({"jumble", "-o", Path("b.gm"), "--text", "the cat sat on the mat", "--no-mix",
                     "--seed", "9"})
                .Status,
            0);
  EXPECT_EQ(test::ReadFile(Home / "a.gm"), test::ReadFile(Home / "b.gm"));
  const nlohmann::json Doc = Info("a.gm");
  EXPECT_EQ(Doc["type"], "JumbledUp");
  EXPECT_EQ(Doc["grid"][0], "\x19\x19THE\x19\x19\x19ON");
  EXPECT_EQ(Doc["words"][0]["text"], "THE CAT SAT ON THE MAT");
}

TEST_F(TextGamesCliTest, JumbleTextIsTheMixedWordsOnePerLine) {
  ASSERT_EQ(RunTool({"jumble", "-o", Path("a.gm"), "--text", "I A", "--no-mix"}).Status, 0);
  EXPECT_EQ(RunTool({"text", Path("a.gm")}).Out, "I\r\nA\r\n");
}

TEST_F(TextGamesCliTest, TextsThatCannotBeBuiltAreRefusedWithoutAFile) {
  struct Case {
    std::vector<std::string> Args;
    int Status;
    std::string Message;
  };
  const std::vector<Case> Cases{
      {{"jumble", "--text", std::string(34, 'w')},
       1,
       "The text is too long. It does not fit to the grid\n"},
      {{"jumble", "--text", "tab\there"}, 1, "control character U+0009"},
      {{"lostletters", "--text", "line\nbreak"}, 1, "control character U+000A"},
      {{"jumble", "--text", "\xE6\x97\xA5"}, 1, "code page 1252"},
      {{"lostletters", "--text", ""}, 1, "The text is empty"},
      {{"lostletters", "--text", "   "}, 1, "The text is empty"},
      {{"jumble", "--text", "  "}, 1, "The text is empty"},
      {{"lostletters", "--text", "abc", "--lines", "1"}, 2, "must be 2 to 40"},
      {{"lostletters", "--text", "abc", "--lines", "41"}, 2, "must be 2 to 40"},
  };
  for (const Case& Each : Cases) {
    std::vector<std::string> Args = Each.Args;
    Args.insert(Args.begin() + 1, {"-o", Path("x.gm")});
    const auto Run = RunTool(Args);
    EXPECT_EQ(Run.Status, Each.Status) << Each.Args[2];
    EXPECT_NE(Run.Err.find(Each.Message), std::string::npos) << Run.Err;
    EXPECT_FALSE(Exists("x.gm")) << Each.Args[2];
  }
}

TEST_F(TextGamesCliTest, LostLettersKeepsSpacesAndMixesOnlyWithinColumns) {
  const auto Run =
      RunTool({"lostletters", "-o", Path("l.gm"), "--text", " hello world", "--seed", "4"});
  ASSERT_EQ(Run.Status, 0) << Run.Err;
  EXPECT_EQ(Run.Out, "Wrote " + Path("l.gm") + ": 6 x 2.\n");
  const nlohmann::json Doc = Info("l.gm");
  EXPECT_EQ(Doc["type"], "LostLetters");
  EXPECT_EQ(Doc["words"][0]["text"], " HELLO WORLD");
  const std::string Top = Doc["grid"][0], Bottom = Doc["grid"][1];
  const std::string Rows[2] = {" HELLO", " WORLD"};
  for (std::size_t X = 0; X < 6; ++X) {
    std::string Mixed{Top[X], Bottom[X]}, Solution{Rows[0][X], Rows[1][X]};
    EXPECT_TRUE(std::is_permutation(Mixed.begin(), Mixed.end(), Solution.begin())) << X;
  }
}

TEST_F(TextGamesCliTest, LostLettersTextIsTheMixedGridTable) {
  ASSERT_EQ(
      RunTool({"lostletters", "-o", Path("l.gm"), "--text", "hello world", "--lines", "2"}).Status,
      0);
  const nlohmann::json Doc = Info("l.gm");
  std::string Expected;
  for (int Y = 0; Y < 2; ++Y) {
    const std::string Row = Doc["grid"][Y];
    for (std::size_t X = 0; X < 6; ++X)
      Expected += std::string(1, Row[X]) + (X < 5 ? "\t" : "\r\n");
  }
  const std::string Text = RunTool({"text", Path("l.gm")}).Out;
  EXPECT_EQ(Text, Expected);
  EXPECT_EQ(std::count(Text.begin(), Text.end(), '\t'), 10);
}

TEST_F(TextGamesCliTest, RenderShowsTheJumbleSolutionOnlyWhenAsked) {
  ASSERT_TRUE(test::ReaderInstalled("emf2svg-conv"));
  ASSERT_EQ(RunTool({"jumble", "-o", Path("j.gm"), "--text", "sun moon", "--no-mix"}).Status, 0);
  const auto Plain = RenderedTexts({Path("j.gm"), "-o", Path("picture.emf")});
  ASSERT_EQ(Plain.size(), 2u);  // the two hint boxes
  for (const std::string& Text : Plain) EXPECT_EQ(Text.find(' '), std::string::npos);
  const auto Solved = RenderedTexts({Path("j.gm"), "-o", Path("picture.emf"), "--solution"});
  ASSERT_EQ(Solved.size(), 4u);
  EXPECT_EQ(Solved[2], "S U N");
  EXPECT_EQ(Solved[3], "M O O N");
}

TEST_F(TextGamesCliTest, RenderShowsTheLostLettersSolutionInTheAnswerBlock) {
  ASSERT_TRUE(test::ReaderInstalled("emf2svg-conv"));
  ASSERT_EQ(RunTool({"lostletters", "-o", Path("l.gm"), "--text", "abcd", "--seed", "1"}).Status,
            0);
  const auto Plain = RenderedTexts({Path("l.gm"), "-o", Path("picture.emf")});
  EXPECT_EQ(Plain.size(), 2u);
  const auto Solved = RenderedTexts({Path("l.gm"), "-o", Path("picture.emf"), "--solution"});
  ASSERT_EQ(Solved.size(), 4u);
  EXPECT_EQ(Solved[2], "A B");
  EXPECT_EQ(Solved[3], "C D");
}

TEST_F(TextGamesCliTest, DemoWritesBothGames) {
  const auto Run = RunTool({"demo", Path("demo")});
  ASSERT_EQ(Run.Status, 0) << Run.Err;
  EXPECT_EQ(Info("demo/jumble-proverb.gm")["type"], "JumbledUp");
  EXPECT_EQ(Info("demo/lostletters-proverb.gm")["type"], "LostLetters");
  EXPECT_EQ(Info("demo/lostletters-proverb.gm")["settings"]["Rows"], 3);
}

}  // namespace
}  // namespace vornic
