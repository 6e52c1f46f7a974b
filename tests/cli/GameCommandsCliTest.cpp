#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <set>

#include "cli/CliRunner.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;
using test::RunTool;
using Args = std::vector<std::string>;

class GameCommandsCliTest : public test::CliFileTest {
 protected:
  // A command with "-o FILE" put after its name.
  test::CliRun Build(Args Command, const std::string& Name) {
    Command.insert(Command.begin() + 1, {"-o", Path(Name)});
    return RunTool(Command);
  }
};

// 30 letters: offered 3x10, 5x6, 6x5, 10x3.
const Args Maze{"maze", "--phrase", "title", "--words", "pear,apple,figs,kiwi,lime,plum"};

TEST_F(GameCommandsCliTest, EverySeededBuildIsReproducibleAndOfItsGame) {
  const std::vector<std::pair<Args, std::string>> Cases{
      {{"wordsearch", "--size", "12x8", "--words", "cat,dog,emu", "--fill"}, "VornicGame"},
      {Maze, "WordMaze"},
      {{"labyrinth", "--text", "follow me home"}, "WordLabirint"},
      {{"jumble", "--text", "the cat sat on the mat"}, "JumbledUp"},
      {{"lostletters", "--text", " hello world"}, "LostLetters"}};
  for (auto [Command, Type] : Cases) {
    Command.insert(Command.end(), {"--seed", "9"});
    ASSERT_EQ(Build(Command, "a.gm").Status, 0) << Type;
    ASSERT_EQ(Build(Command, "b.gm").Status, 0) << Type;
    EXPECT_EQ(test::ReadFile(Home / "a.gm"), test::ReadFile(Home / "b.gm")) << Type;
    EXPECT_EQ(Info(Path("a.gm"))["type"], Type);
  }
}

TEST_F(GameCommandsCliTest, BadUsageExitsWithTwoAndWritesNothing) {
  for (const Args& Command : std::vector<Args>{{"wordsearch", "--size", "51x10"},
                                               {"wordsearch", "--size", "ten"},
                                               {"wordsearch", "--directions", "UP"},
                                               {"wordsearch", "--charset", "Klingon"},
                                               {"wordsearch", "--words-file", Path("none.txt")},
                                               {"wordsearch", "--font-charset", "300"},
                                               {"maze", "--phrase", "ti\ttle", "--words", "pear"},
                                               {"lostletters", "--text", "abc", "--lines", "41"},
                                               {"labyrinth", "--text", ""},
                                               {"labyrinth", "--text", "ab", "--size", "2x9"}}) {
    const auto Run = Build(Command, "x.gm");
    EXPECT_EQ(Run.Status, 2) << Command.back();
    EXPECT_FALSE(Run.Err.empty());
  }
  const auto Refused = Build(
      {"maze", "--size", "4x8", "--phrase", "title", "--words", "pear,apple,figs,kiwi,lime,plum"},
      "x.gm");
  EXPECT_NE(Refused.Err.find("3x10, 5x6, 6x5, 10x3"), std::string::npos) << Refused.Err;
  EXPECT_EQ(RunTool({"nosuchcommand"}).Status, 2);
  EXPECT_EQ(RunTool({}).Status, 2);
  EXPECT_EQ(RunTool({"wordsearch", "--help"}).Status, 0);
  EXPECT_FALSE(fs::exists(Home / "x.gm"));
}

TEST_F(GameCommandsCliTest, PuzzlesThatCannotBeBuiltAreToldWithoutAFile) {
  const std::vector<std::pair<Args, std::string>> Cases{
      {{"jumble", "--text", std::string(34, 'w')}, "The text is too long."},
      {{"jumble", "--text", "tab\there"}, "control character U+0009"},
      {{"jumble", "--text", "\xE6\x97\xA5"}, "code page 1252"},
      {{"lostletters", "--text", ""}, "The text is empty"},
      {{"lostletters", "--text", "   "}, "The text is empty"},
      {{"jumble", "--text", "  "}, "The text is empty"},
      {{"maze", "--phrase", "ab", "--words", "cdefghijklm"}, "13 letters"},
      {{"labyrinth", "--text", std::string(10, 'x'), "--size", "3x3"}, "no path from border"}};
  for (const auto& [Command, Message] : Cases) {
    const auto Run = Build(Command, "x.gm");
    EXPECT_EQ(Run.Status, 1) << Message;
    EXPECT_NE(Run.Err.find(Message), std::string::npos) << Run.Err;
    EXPECT_FALSE(fs::exists(Home / "x.gm")) << Message;
  }
  EXPECT_NE(Build({"wordsearch"}, "missing/x.gm").Err.find("Cannot create file"),
            std::string::npos);
}

TEST_F(GameCommandsCliTest, AWordSearchWordThatFitsNowhereIsToldAndTheRestWritten) {
  const auto Run = Build({"wordsearch", "--size", "5x5", "--words", "abcdefgh,ok", "--directions",
                          "E,W", "--seed", "1"},
                         "x.gm");
  EXPECT_EQ(Run.Status, 1);
  EXPECT_NE(Run.Err.find("Could not insert word ABCDEFGH"), std::string::npos);
  const nlohmann::json Doc = Info(Path("x.gm"));
  ASSERT_EQ(Doc["words"].size(), 1u);
  // The path names the cells that hold the word's letters.
  const auto After = Doc["words"][0]["after"].get<std::vector<int>>();
  for (int i = 0; i < 2; ++i)
    EXPECT_EQ(Doc["grid"][After[2 * i + 1] - 101].get<std::string>()[After[2 * i] - 101], "OK"[i]);
}

TEST_F(GameCommandsCliTest, AWordSearchSumsUpALongListOfWordsThatFitNowhere) {
  std::string Words = "ok";
  for (char Last = 'a'; Last < 'o'; ++Last) Words += std::string(",toolong") + Last;
  const auto Run = Build({"wordsearch", "--size", "5x5", "--words", Words, "--seed", "1"}, "x.gm");
  EXPECT_EQ(Run.Status, 1);
  // One line for each of the first ten words, then how many more.
  EXPECT_EQ(std::count(Run.Err.begin(), Run.Err.end(), '\n'), 11) << Run.Err;
  EXPECT_TRUE(Run.Err.starts_with("Could not insert word TOOLONGA: The word is longer than"));
  EXPECT_TRUE(Run.Err.ends_with("\n4 more words could not be placed.\n")) << Run.Err;
}

TEST_F(GameCommandsCliTest, InfoTellsHowOftenEachWordReadsAndTheFillHidesEverySecondReading) {
  // Short real words turn up by chance in a random fill; this one must hide them.
  const std::string Words = "ant,bee,cat,cow,dog,eel,elk,emu,fox,gnu,hen,owl,pig,rat,yak,ape";
  for (const char* Seed : {"1", "2", "3", "4"}) {
    ASSERT_EQ(
        Build({"wordsearch", "--size", "30x30", "--words", Words, "--fill", "--seed", Seed}, "z.gm")
            .Status,
        0);
    const nlohmann::json Doc = Info(Path("z.gm"));
    ASSERT_EQ(Doc["words"].size(), 16u);
    for (const auto& Word : Doc["words"]) EXPECT_EQ(Word["readings"], 1) << Word["text"];
  }
}

TEST_F(GameCommandsCliTest, WordsComeInTheCodePageOfThePuzzleAndOutAsUtf8) {
  test::WriteFile(Home / "words.txt", "\xEF\xBB\xBFжук\r\n\r\n  кот  \nмир");
  ASSERT_EQ(
      Build({"wordsearch", "--words-file", Path("words.txt"), "--font-charset", "204"}, "ru.gm")
          .Status,
      0);
  EXPECT_EQ(Info(Path("ru.gm"))["words"][1]["text"], "КОТ");
  EXPECT_EQ(RunTool({"words", Path("ru.gm")}).Out, "ЖУК\r\nКОТ\r\nМИР\r\n");
  const auto Western = Build({"wordsearch", "--words", "жук,cat"}, "w.gm");
  EXPECT_EQ(Western.Status, 1);
  EXPECT_NE(Western.Err.find("\"ж\""), std::string::npos) << "the typed character is named";
}

TEST_F(GameCommandsCliTest, TheDemoWritesASampleOfEveryGameThatReadsBack) {
  ASSERT_EQ(RunTool({"demo", Path("demo")}).Status, 0);
  std::set<std::string> Types;
  for (const auto& Entry : fs::directory_iterator(Home / "demo"))
    if (Entry.path().extension() == ".gm") Types.insert(Info(Entry.path().string())["type"]);
  EXPECT_EQ(Types, (std::set<std::string>{"VornicGame", "WordMaze", "WordLabirint", "JumbledUp",
                                          "LostLetters"}));
  EXPECT_EQ(Info(Path("demo/maze-spring.gm"))["settings"]["Cols"], 7);
}

TEST_F(GameCommandsCliTest, TextIsTheTabSeparatedTableWithEmptyCellsKept) {
  ASSERT_EQ(
      Build({"wordsearch", "--size", "4x3", "--words", "abcd", "--directions", "E", "--seed", "1"},
            "p.gm")
          .Status,
      0);
  const std::string Empty = "\x19\t\x19\t\x19\t\x19\r\n", Word = "A\tB\tC\tD\r\n";
  const std::string Text = RunTool({"text", Path("p.gm")}).Out;
  EXPECT_TRUE(Text == Word + Empty + Empty || Text == Empty + Word + Empty ||
              Text == Empty + Empty + Word)
      << Text;
}

TEST_F(GameCommandsCliTest, DamagedAndForeignFilesAreRefusedWithTheFormatMessage) {
  ASSERT_EQ(Build({"wordsearch", "--size", "4x3"}, "p.gm").Status, 0);
  const std::string Good = test::ReadFile(Home / "p.gm");
  test::WriteFile(Home / "cut.gm", Good.substr(0, 40));
  test::WriteFile(Home / "foreign.gm", "\x04\0\0\0Nope" + Good.substr(14));
  for (const char* Name : {"cut.gm", "foreign.gm"}) {
    for (const char* Command : {"info", "text"}) {
      const auto Run = RunTool({Command, Path(Name)});
      EXPECT_EQ(Run.Status, 2);
      EXPECT_EQ(Run.Err, "Cannot open file " + Path(Name) + ".\nFile format is incorrect\n");
      EXPECT_TRUE(Run.Out.empty());
    }
  }
  EXPECT_EQ(RunTool({"info", Path("absent.gm")}).Status, 2);
}

}  // namespace
}  // namespace vornic
