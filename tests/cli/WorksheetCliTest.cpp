#include <gtest/gtest.h>

#include <fstream>

#include "cli/CliRunner.h"
#include "core/picture/MetafileReaders.h"
#include "support/Poppler.h"

namespace vornic {
namespace {

using test::RunTool;

class WorksheetCliTest : public test::CliFileTest {
 protected:
  void SetUp() override {
    const std::vector<std::vector<std::string>> Builds = {
        {"wordsearch", "-o", Path("animals.gm"), "--size", "8x8", "--words", "CAT,DOG,HORSE"},
        {"jumble", "-o", Path("jumble.gm"), "--text", "THE CAT SAT ON THE MAT"},
        {"labyrinth", "-o", Path("way.gm"), "--text", "FIND THE WAY OUT", "--size", "12x8"}};
    for (auto Args : Builds) {
      Args.insert(Args.end(), {"--seed", "4"});
      const auto Run = RunTool(Args);
      ASSERT_EQ(Run.Status, 0) << Run.Err;
    }
  }
  std::string Info(const std::string& Pdf) { return test::RunReader("pdfinfo '" + Pdf + "'"); }
};

TEST_F(WorksheetCliTest, WritesA4OrLetterPages) {
  const std::pair<const char*, const char*> Cases[] = {{"a4", "pts (A4)"},
                                                       {"letter", "612 x 792 pts (letter)"}};
  for (const auto& [Page, Size] : Cases) {
    const std::string Pdf = Path(std::string(Page) + ".pdf");
    const auto Run = RunTool({"worksheet", Path("animals.gm"), "-o", Pdf, "--page", Page, "--title",
                              "Zoo Animals", "--no-name-line"});
    ASSERT_EQ(Run.Status, 0) << Run.Err;
    EXPECT_NE(Info(Pdf).find(Size), std::string::npos) << Info(Pdf);
    const std::string Text = test::PdfPageText(Pdf, 1);
    EXPECT_NE(Text.find("Zoo Animals"), std::string::npos);
    EXPECT_EQ(Text.find("Name:"), std::string::npos);
  }
}

TEST_F(WorksheetCliTest, ThreePuzzlesGiveTheirPagesThenTheirKeysInOrder) {
  const std::string Pdf = Path("class.pdf");
  const auto Run = RunTool({"worksheet", Path("animals.gm"), Path("jumble.gm"), Path("way.gm"),
                            "-o", Pdf, "--page", "a4"});
  ASSERT_EQ(Run.Status, 0) << Run.Err;
  EXPECT_NE(Info(Pdf).find("Pages:           6"), std::string::npos);
  const char* Titles[] = {"animals", "jumble", "way"};
  for (int Page = 1; Page <= 6; ++Page) {
    const std::string Text = test::PdfPageText(Pdf, Page);
    const std::string Title = Titles[(Page - 1) % 3];
    EXPECT_NE(Text.find(Title), std::string::npos) << Page;
    EXPECT_EQ(Text.find("Answer key: " + Title) != std::string::npos, Page > 3) << Page;
    EXPECT_EQ(Text.find("Name:") != std::string::npos, Page <= 3) << Page;
  }
  const auto Keys = RunTool({"worksheet", Path("animals.gm"), "-o", Pdf, "--answers-only"});
  ASSERT_EQ(Keys.Status, 0) << Keys.Err;
  EXPECT_NE(Info(Pdf).find("Pages:           1"), std::string::npos);
}

TEST_F(WorksheetCliTest, BadUsageLeavesAnExistingOutputAsItWas) {
  const std::string Pdf = Path("kept.pdf");
  std::ofstream(Pdf) << "old";
  const std::vector<std::vector<std::string>> Cases = {
      {"worksheet", Path("animals.gm"), Path("missing.gm"), "-o", Pdf},
      {"worksheet", Path("animals.gm"), "-o", Path("sheet.png")},
      {"worksheet", Path("animals.gm"), "-o", Pdf, "--page", "a5"},
      {"worksheet", Path("animals.gm"), "-o", Pdf, "--no-answers", "--answers-only"},
      {"worksheet", Path("animals.gm"), "-o", Pdf, "--key-style", "dots"},
      {"worksheet", Path("animals.gm"), "-o", Pdf, "--word-list", "random"},
      {"worksheet", Path("animals.gm"), "-o", Pdf, "--instructions", "Find\x1b[2J"},
      {"render", Path("animals.gm"), "-o", Path("key.png"), "--answers", "--highlight", "0"}};
  for (const auto& Args : Cases) EXPECT_EQ(RunTool(Args).Status, 2) << Args[3];
  EXPECT_EQ(test::ReadFile(Pdf), "old");
}

TEST_F(WorksheetCliTest, InstructionsWordListKeyStyleAndLargePrintReachThePages) {
  struct Case {
    std::vector<std::string> Options;
    const char* Shown;   // on the puzzle page; empty: nothing to look for
    const char* Absent;  // not on the puzzle page
    int Pages;
  };
  const Case Cases[] = {
      {{}, "Find the words in the grid.", "", 2},
      {{"--instructions", "Circle the animals."}, "Circle the animals.", "Find the words", 2},
      {{"--instructions", "", "--word-list", "hidden"}, "", "Find the words", 2},
      {{"--word-list", "placed", "--key-style", "outlines", "--large-print"}, "HORSE", "", 2}};
  const std::string Pdf = Path("choices.pdf");
  for (const Case& Each : Cases) {
    std::vector<std::string> Args = {"worksheet", Path("animals.gm"), "-o", Pdf};
    Args.insert(Args.end(), Each.Options.begin(), Each.Options.end());
    const auto Run = RunTool(Args);
    ASSERT_EQ(Run.Status, 0) << Run.Err;
    const std::string Text = test::PdfPageText(Pdf, 1);
    if (*Each.Shown) {
      EXPECT_NE(Text.find(Each.Shown), std::string::npos) << Text;
    }
    if (*Each.Absent) {
      EXPECT_EQ(Text.find(Each.Absent), std::string::npos) << Text;
    }
    EXPECT_NE(Info(Pdf).find("Pages:           " + std::to_string(Each.Pages)), std::string::npos);
  }
  // Hidden, the list leaves the puzzle page: the words stand only in the grid's letters.
  const auto Hidden =
      RunTool({"worksheet", Path("animals.gm"), "-o", Pdf, "--word-list", "hidden"});
  ASSERT_EQ(Hidden.Status, 0) << Hidden.Err;
  EXPECT_EQ(test::PdfPageText(Pdf, 1).find("HORSE"), std::string::npos);
}

TEST_F(WorksheetCliTest, RenderAnswersDrawsTheKeyInAnyPictureFormat) {
  for (const char* Name : {"key.png", "key.emf"}) {
    const auto Run = RunTool({"render", Path("way.gm"), "-o", Path(Name), "--answers"});
    ASSERT_EQ(Run.Status, 0) << Run.Err;
    EXPECT_FALSE(test::ReadFile(Home / Name).empty());
  }
  // The key differs from the picture the window shows first: it adds the letters.
  ASSERT_EQ(RunTool({"render", Path("way.gm"), "-o", Path("view.png")}).Status, 0);
  EXPECT_NE(test::ReadFile(Home / "key.png"), test::ReadFile(Home / "view.png"));
}

}  // namespace
}  // namespace vornic
