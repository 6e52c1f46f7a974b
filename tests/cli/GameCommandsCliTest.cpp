#include <gtest/gtest.h>
#include <sys/stat.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <set>

#include "cli/CliRunner.h"
#include "cli/GameCommands.h"
#include "games/GameTable.h"

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

TEST_F(GameCommandsCliTest, EveryGameOfTheTableHasItsCommand) {
  for (const GameInfo& Game : GameTable()) {
    EXPECT_NE(cli::FindGameCommand(Game.TypeName), nullptr) << Game.TypeName;
    EXPECT_EQ(RunTool({std::string(Game.CliName), "--help"}).Status, 0) << Game.CliName;
  }
  EXPECT_EQ(cli::GameCommands().size(), GameTable().size());
}

TEST_F(GameCommandsCliTest, BadUsageExitsWithTwoAndWritesNothing) {
  std::vector<Args> Commands{{"wordsearch", "--size", "51x10"},
                             {"wordsearch", "--size", "ten"},
                             {"wordsearch", "--directions", "UP"},
                             {"wordsearch", "--charset", "Klingon"},
                             {"wordsearch", "--words-file", Path("none.txt")},
                             {"wordsearch", "--font-charset", "300"},
                             {"maze", "--phrase", "ti\ttle", "--words", "pear"},
                             {"maze", "--phrase", "", "--words", ""},
                             {"lostletters", "--text", "abc", "--lines", "41"},
                             {"labyrinth", "--text", "ab", "--size", "2x9"}};
  // Text that is no usable text (empty, broken UTF-8, a control character, a character the code
  // page cannot hold) is bad usage in every builder; so is a seed that is not a 64-bit number.
  for (const std::string Text : {"", "  ", "a\x1b[2Jb", "\xC3(", "\xE6\x97\xA5"}) {
    for (const char* Command : {"jumble", "lostletters", "labyrinth"})
      Commands.push_back({Command, "--text", Text});
    Commands.push_back({"wordsearch", "--words", Text});
    // A maze's phrase may be blank when the words fill the grid; a word may not.
    if (!Text.empty()) Commands.push_back({"maze", "--phrase", "title", "--words", "pear," + Text});
  }
  for (const char* Seed : {"-1", "18446744073709551616", "1e23", "abc"})
    Commands.push_back({"jumble", "--text", "hi", "--seed", Seed});
  for (const Args& Command : Commands) {
    const auto Run = Build(Command, "x.gm");
    EXPECT_EQ(Run.Status, 2) << Command[0] << " " << Command.back();
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
      {{"maze", "--phrase", "ab", "--words", "cdefghijklm"}, "13 letters"},
      {{"labyrinth", "--text", std::string(10, 'x'), "--size", "3x3"}, "no path from border"}};
  for (const auto& [Command, Message] : Cases) {
    const auto Run = Build(Command, "x.gm");
    EXPECT_EQ(Run.Status, 1) << Message;
    EXPECT_NE(Run.Err.find(Message), std::string::npos) << Run.Err;
    EXPECT_FALSE(fs::exists(Home / "x.gm")) << Message;
  }
  EXPECT_NE(Build({"wordsearch", "--words", "cat"}, "missing/x.gm").Err.find("Cannot create file"),
            std::string::npos);
}

TEST_F(GameCommandsCliTest, AWordSearchWordThatFitsNowhereIsToldAndNothingWritten) {
  test::WriteFile(Home / "x.gm", "the user's file");
  const Args Command{"wordsearch",   "--size", "5x5",    "--words", "abcdefgh,ok",
                     "--directions", "E,W",    "--seed", "1"};
  const auto Run = Build(Command, "x.gm");
  EXPECT_EQ(Run.Status, 1);
  EXPECT_NE(Run.Err.find("Could not insert word ABCDEFGH"), std::string::npos);
  EXPECT_EQ(test::ReadFile(Home / "x.gm"), "the user's file");
  ASSERT_EQ(Build({"wordsearch", "--size", "5x5", "--words", "ok", "--seed", "1"}, "x.gm").Status,
            0);
  const nlohmann::json Doc = Info(Path("x.gm"));
  ASSERT_EQ(Doc["words"].size(), 1u);
  // The path names the cells that hold the word's letters.
  const auto After = Doc["words"][0]["after"].get<std::vector<int>>();
  for (int i = 0; i < 2; ++i)
    EXPECT_EQ(Doc["grid"][After[2 * i + 1] - 101].get<std::string>()[After[2 * i] - 101], "OK"[i]);
}

TEST_F(GameCommandsCliTest, TheFillSetIsFoundIgnoringCaseAndOneThePuzzleCannotHoldIsTold) {
  test::WriteFile(Home.SettingsFile(), "[Languages]\nenglish=xyz\ngreek=\xCE\xB1\xCE\xB2\n");
  ASSERT_EQ(Build({"wordsearch", "--words", "cat", "--fill"}, "e.gm").Status, 0);
  const nlohmann::json Filled = Info(Path("e.gm"));
  for (const auto& Row : Filled["grid"])
    EXPECT_EQ(Row.get<std::string>().find_first_not_of("CATXYZ"), std::string::npos) << Row;
  const auto Greek =
      Build({"wordsearch", "--words", "cat", "--fill", "--charset", "GREEK"}, "g.gm");
  EXPECT_EQ(Greek.Status, 1);
  EXPECT_NE(Greek.Err.find("\"greek\" has no letter that this puzzle's code page (1252)"),
            std::string::npos)
      << Greek.Err;
}

TEST_F(GameCommandsCliTest, ControlCharactersOfAFileReachTheTerminalEscaped) {
  ASSERT_EQ(
      Build({"wordsearch", "--size", "4x3", "--words", "abcd", "--directions", "E"}, "p.gm").Status,
      0);
  // The grid's row and the word's entry both.
  std::string Bytes = test::ReadFile(Home / "p.gm");
  for (auto At = Bytes.find("ABCD"); At != std::string::npos; At = Bytes.find("ABCD"))
    Bytes.replace(At, 4, "A\x1b\x07D");
  test::WriteFile(Home / "q.gm", Bytes);
  for (const char* Command : {"info", "words", "text"}) {
    const auto Run = RunTool({Command, Path("q.gm")});
    EXPECT_EQ(Run.Status, 0);
    EXPECT_EQ(Run.Out.find_first_of("\x1b\x07"), std::string::npos) << Command;
    EXPECT_NE(Run.Out.find("\\u001b"), std::string::npos) << Command;
  }
  // The plain table: tab-separated, empty cells kept.
  const std::string Table = RunTool({"text", Path("p.gm")}).Out;
  EXPECT_NE(Table.find("A\tB\tC\tD\r\n"), std::string::npos) << Table;
  EXPECT_NE(Table.find("\x19\t\x19\t\x19\t\x19\r\n"), std::string::npos) << Table;
}

TEST_F(GameCommandsCliTest, AWordSearchSumsUpALongListOfWordsThatFitNowhere) {
  std::string Words = "ok";
  for (char Last = 'a'; Last < 'o'; ++Last) Words += std::string(",toolong") + Last;
  const auto Run = Build({"wordsearch", "--size", "5x5", "--words", Words, "--seed", "1"}, "x.gm");
  EXPECT_EQ(Run.Status, 1);
  // One line for each of the first ten words, then how many more.
  EXPECT_EQ(std::count(Run.Err.begin(), Run.Err.end(), '\n'), 12) << Run.Err;
  EXPECT_TRUE(Run.Err.starts_with("Could not insert word TOOLONGA: The word is longer than"));
  EXPECT_NE(Run.Err.find("\n4 more words could not be placed.\nNothing was written"),
            std::string::npos)
      << Run.Err;
  EXPECT_FALSE(fs::exists(Home / "x.gm"));
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
  EXPECT_EQ(Western.Status, 2);
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

TEST_F(GameCommandsCliTest, DamagedAndForeignFilesAreRefusedWithTheFormatMessage) {
  ASSERT_EQ(Build({"wordsearch", "--size", "4x3", "--words", "cat"}, "p.gm").Status, 0);
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
  ASSERT_EQ(::mkfifo(Path("pipe.gm").c_str(), 0600), 0);
  EXPECT_EQ(RunTool({"info", Path("pipe.gm")}).Status, 2) << "refused, not waited for";
}

TEST_F(GameCommandsCliTest, ASettingsFileThatIsNoTextIsToldOnceAndLeftAlone) {
  const std::string Garbage("[Languages]\nMine=abc\n\0\x01\xFF", 24);
  test::WriteFile(Home.SettingsFile(), Garbage);
  const auto Run = Build({"wordsearch", "--words", "cat", "--fill"}, "f.gm");
  EXPECT_EQ(Run.Status, 0) << "the default set fills";
  EXPECT_EQ(Run.Err.find(Home.SettingsFile().string()),
            Run.Err.rfind(Home.SettingsFile().string()));
  EXPECT_NE(Run.Err.find("cannot be used"), std::string::npos) << Run.Err;
  EXPECT_EQ(test::ReadFile(Home.SettingsFile()), Garbage);
}

}  // namespace
}  // namespace vornic
