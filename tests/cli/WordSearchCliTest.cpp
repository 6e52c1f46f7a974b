#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/CliRunner.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

using test::RunTool;

class WordSearchCliTest : public test::CliFileTest {};

TEST_F(WordSearchCliTest, BuildsAReproduciblePuzzleAndDescribesItAsJson) {
  auto Build = [&](const std::string& Name) {
    return RunTool({"wordsearch", "-o", Path(Name), "--size", "12x8", "--words", "cat,dog,emu",
                    "--fill", "--seed", "5"});
  };
  ASSERT_EQ(Build("a.gm").Status, 0);
  ASSERT_EQ(Build("b.gm").Status, 0);
  EXPECT_EQ(test::ReadFile(Home / "a.gm"), test::ReadFile(Home / "b.gm"));

  const nlohmann::json Doc = Info(Path("a.gm"));
  EXPECT_EQ(Doc["type"], "VornicGame");
  EXPECT_EQ(Doc["settings"]["Cols"], 12);
  EXPECT_EQ(Doc["settings"]["Rows"], 8);
  EXPECT_EQ(Doc["settings"]["Charset"], 1);
  EXPECT_EQ(Doc["settings"]["Language"], "English");
  EXPECT_EQ(Doc["settings"]["MarkBackColor"], 0x00FFFF);
  ASSERT_EQ(Doc["grid"].size(), 8u);
  for (const auto& Row : Doc["grid"]) EXPECT_EQ(Row.get<std::string>().size(), 12u);
  ASSERT_EQ(Doc["words"].size(), 3u);
  EXPECT_EQ(Doc["words"][0]["text"], "CAT");
  const auto After = Doc["words"][0]["after"].get<std::vector<int>>();
  ASSERT_EQ(After.size(), 6u);
  // The path names the cells that hold the word's letters.
  for (int i = 0; i < 3; ++i) {
    const int X = After[2 * i] - 100, Y = After[2 * i + 1] - 100;
    EXPECT_EQ(Doc["grid"][Y - 1].get<std::string>()[X - 1], "CAT"[i]);
  }
}

TEST_F(WordSearchCliTest, InfoTellsHowOftenEachWordReadsAndTheFillHidesEverySecondReading) {
  // Short real words turn up by chance in a random fill; this one must hide them.
  const std::string Words = "ant,bee,cat,cow,dog,eel,elk,emu,fox,gnu,hen,owl,pig,rat,yak,ape";
  for (const char* Seed : {"1", "2", "3", "4"}) {
    ASSERT_EQ(RunTool({"wordsearch", "-o", Path("z.gm"), "--size", "30x30", "--words", Words,
                       "--fill", "--seed", Seed})
                  .Status,
              0);
    const nlohmann::json Doc = Info(Path("z.gm"));
    ASSERT_EQ(Doc["words"].size(), 16u);
    for (const auto& Word : Doc["words"]) EXPECT_EQ(Word["readings"], 1) << Word["text"];
  }
}

TEST_F(WordSearchCliTest, WordThatFitsNowhereIsReportedLeftOutAndTheRestWritten) {
  const auto Run = RunTool({"wordsearch", "-o", Path("x.gm"), "--size", "5x5", "--words",
                            "abcdefgh,ok", "--directions", "E,W", "--seed", "1"});
  EXPECT_EQ(Run.Status, 1);
  EXPECT_NE(Run.Err.find("Could not insert word ABCDEFGH"), std::string::npos);
  const nlohmann::json Doc = Info(Path("x.gm"));
  ASSERT_EQ(Doc["words"].size(), 1u);
  EXPECT_EQ(Doc["words"][0]["text"], "OK");
  EXPECT_EQ(Doc["grid"][0].get<std::string>().find('\x19') != std::string::npos, true);
}

TEST_F(WordSearchCliTest, WordsFileAndCodePages) {
  test::WriteFile(Home / "words.txt", "\xEF\xBB\xBFжук\r\n\r\n  кот  \nмир");
  const auto Run = RunTool({"wordsearch", "-o", Path("ru.gm"), "--words-file", Path("words.txt"),
                            "--font-charset", "204", "--seed", "3"});
  ASSERT_EQ(Run.Status, 0) << Run.Err;
  const nlohmann::json Doc = Info(Path("ru.gm"));
  ASSERT_EQ(Doc["words"].size(), 3u);
  EXPECT_EQ(Doc["words"][0]["text"], "ЖУК");
  EXPECT_EQ(Doc["words"][1]["text"], "КОТ");
  EXPECT_EQ(Doc["settings"]["Charset"], 204);
  // The same words in the Western code page are refused by name, and the file is still written.
  const auto Western = RunTool({"wordsearch", "-o", Path("w.gm"), "--words", "жук,cat"});
  EXPECT_EQ(Western.Status, 1);
  EXPECT_NE(Western.Err.find("\"ж\""), std::string::npos) << "the typed character is named";
}

TEST_F(WordSearchCliTest, BadUsageExitsWithTwoAndWritesNothing) {
  for (std::vector<std::string> Args : std::vector<std::vector<std::string>>{
           {"wordsearch", "-o", Path("s.gm"), "--size", "2x10"},
           {"wordsearch", "-o", Path("s.gm"), "--size", "51x10"},
           {"wordsearch", "-o", Path("s.gm"), "--size", "ten"},
           {"wordsearch", "-o", Path("s.gm"), "--directions", "UP"},
           {"wordsearch", "-o", Path("s.gm"), "--charset", "Klingon"},
           {"wordsearch", "-o", Path("s.gm"), "--words-file", Path("none.txt")},
           {"wordsearch", "-o", Path("s.gm"), "--font-charset", "300"},
           {"wordsearch"},
           {"nosuchcommand"},
           {}}) {
    const auto Run = RunTool(Args);
    EXPECT_EQ(Run.Status, 2) << (Args.empty() ? "" : Args.back());
    EXPECT_FALSE(Run.Err.empty());
  }
  EXPECT_FALSE(std::filesystem::exists(Home / "s.gm"));
  EXPECT_EQ(RunTool({"wordsearch", "--help"}).Status, 0);
}

TEST_F(WordSearchCliTest, UnwritableOutputIsNotBuilt) {
  const auto Run = RunTool({"wordsearch", "-o", Path("missing/x.gm"), "--words", "cat"});
  EXPECT_EQ(Run.Status, 1);
  EXPECT_NE(Run.Err.find("Cannot create file"), std::string::npos);
}

TEST_F(WordSearchCliTest, FillUsesTheNamedCharacterSet) {
  test::WriteFile(Home.SettingsFile(), "[Languages]\nEnglish=qwertyuiopasdfghjklzxcvbnm\nXs=x\n");
  ASSERT_EQ(
      RunTool({"wordsearch", "-o", Path("x.gm"), "--size", "3x3", "--fill", "--charset", "Xs"})
          .Status,
      0);
  const nlohmann::json Doc = Info(Path("x.gm"));
  EXPECT_EQ(Doc["settings"]["Language"], "Xs");
  for (const auto& Row : Doc["grid"]) EXPECT_EQ(Row, "XXX");
}

}  // namespace
}  // namespace vornic
