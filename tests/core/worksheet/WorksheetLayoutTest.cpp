#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "base/RandomGenerator.h"
#include "games/wordsearch/WordSearchPlacer.h"
#include "support/DocumentTest.h"
#include "worksheet/PaperChoice.h"
#include "worksheet/SheetTextWidth.h"
#include "worksheet/WorksheetLayout.h"

namespace vornic::test {
namespace {

TEST(PaperChoiceTest, LocaleNamesChooseLetterOnlyWhereItIsUsed) {
  const std::pair<const char*, PaperSize> Cases[] = {
      {"en_US.UTF-8", PaperSize::Letter}, {"fr_CA@euro", PaperSize::Letter},
      {"es_MX", PaperSize::Letter},       {"en_GB.UTF-8", PaperSize::A4},
      {"de_DE.UTF-8", PaperSize::A4},     {"C", PaperSize::A4},
      {"POSIX", PaperSize::A4},           {"", PaperSize::A4},
      {"en_USA", PaperSize::A4}};
  for (const auto& [Name, Paper] : Cases) EXPECT_EQ(PaperForLocale(Name), Paper) << Name;
}

TEST(PaperChoiceTest, LcAllOverridesLcPaperWhichOverridesLang) {
  std::vector<std::pair<std::string, std::string>> Kept;  // later tests read the locale too
  for (const char* Name : {"LC_ALL", "LC_PAPER", "LANG"})
    Kept.emplace_back(Name, std::getenv(Name) ? std::getenv(Name) : "");
  setenv("LANG", "de_DE.UTF-8", 1);
  setenv("LC_PAPER", "en_US.UTF-8", 1);
  setenv("LC_ALL", "", 1);
  EXPECT_EQ(DefaultPaper(), PaperSize::Letter);
  setenv("LC_ALL", "en_GB.UTF-8", 1);
  EXPECT_EQ(DefaultPaper(), PaperSize::A4);
  for (const auto& [Name, Value] : Kept) setenv(Name.c_str(), Value.c_str(), 1);
}

class WorksheetLayoutTest : public DocumentTest {
 protected:
  void Build(TVornicGame& Document, int Cols, int Rows, const std::vector<std::string>& Words) {
    RandomGenerator::Seed(11);
    Document.Modified = false;  // a test builds one puzzle after another
    Document.SetSize(Cols, Rows);
    ASSERT_TRUE(Document.New());
    WordSearchPlacer Placer(Document);
    Placer.PlaceEditedList(Words);
    Placer.FillBlanks();
  }
};

TEST_F(WorksheetLayoutTest, EverythingStaysWithinTheMarginsOnBothPapers) {
  std::vector<std::string> Words;
  for (int i = 0; i < 60; ++i) Words.push_back("WORD" + std::string(1, char('A' + i % 26)) + "XY");
  Build(Game, 50, 50, Words);
  for (const PaperSize Paper : {PaperSize::A4, PaperSize::Letter}) {
    const PaperDimensions Size = Dimensions(Paper);
    WorksheetOptions Options;
    Options.Paper = Paper;
    for (const WorksheetPage& Page : LayOutWorksheet({&Game}, Options)) {
      for (const SheetPicture& Picture : Page.Pictures) {
        EXPECT_GE(Picture.X, sheet::Margin - 1e-9);
        EXPECT_LE(Picture.X + Picture.Width, Size.Width - sheet::Margin + 1e-9);
        EXPECT_LE(Picture.Top + Picture.Height, Size.Height - sheet::Margin + 1e-9);
      }
      for (const SheetText& Text : Page.Texts) {
        EXPECT_GE(Text.X, sheet::Margin - 1e-9);
        EXPECT_LE(Text.Top + Text.Points * sheet::MmPerPoint, Size.Height - sheet::Margin);
        if (Text.Mono) {
          EXPECT_LE(Text.X + static_cast<double>(Text.Text.size()) * 0.6 * Text.Points *
                                 sheet::MmPerPoint,
                    Size.Width - sheet::Margin + 1e-9);
        }
      }
    }
  }
}

TEST_F(WorksheetLayoutTest, ASmallGridIsNeverPrintedAboveTwelveMillimetresACell) {
  Build(Game, 4, 3, {"CAT"});
  const auto Pages = LayOutWorksheet({&Game}, {});
  ASSERT_EQ(Pages.size(), 2u);
  EXPECT_DOUBLE_EQ(Pages[0].Pictures.at(0).Width, (4 * 16 + 5) * 12.0 / 16);
}

}  // namespace
}  // namespace vornic::test

namespace vornic::test {
namespace {

std::string PageText(const WorksheetPage& Page) {
  std::string Text;
  for (const SheetText& Line : Page.Texts) Text += Line.Text + "\n";
  return Text;
}

TEST_F(WorksheetLayoutTest, TheInstructionNamesOnlyTheDirectionsTheWordsRun) {
  // Direction check-box tags: 1 up, 2 down, 3 left, 4 right, then the diagonals.
  const std::pair<std::vector<int>, const char*> Cases[] = {
      {{4}, "Find the words in the grid. They all go across."},
      {{4, 2}, "Find the words in the grid. They can go across and down."},
      {{3, 4, 1, 2, 5, 6, 7, 8},
       "Find the words in the grid. They can go across, down, up, diagonally and backwards."}};
  for (const auto& [Tags, Expected] : Cases) {
    RandomGenerator::Seed(3);
    Game.Modified = false;
    Game.SetSize(12, 12);
    ASSERT_TRUE(Game.New());
    WordSearchPlacer Placer(Game);
    for (int Tag = 1; Tag <= 8; ++Tag)
      Placer.SetEnabled(WordSearchPlacer::DirectionOfTag(Tag), false);
    for (const int Tag : Tags) Placer.SetEnabled(WordSearchPlacer::DirectionOfTag(Tag), true);
    // Enough words that every enabled direction is taken.
    std::vector<std::string> Words;
    for (const char* Word : {"CAT", "DOG", "COW", "HEN", "PIG", "EWE", "RAM", "OX", "YAK", "EMU",
                             "GNU", "ELK", "BAT", "RAT", "ANT", "BEE", "OWL", "APE"})
      Words.push_back(Word);
    Placer.PlaceEditedList(Words);
    const auto Pages = LayOutWorksheet({&Game}, {});
    EXPECT_NE(PageText(Pages[0]).find(std::string(Expected) + "\n"), std::string::npos)
        << PageText(Pages[0]);
  }
}

TEST_F(WorksheetLayoutTest, InstructionsAndWordListFollowTheChoices) {
  Build(Game, 10, 10, {"ZEBRA", "ANT", "MOUSE"});
  struct Case {
    std::optional<std::string> Instructions;
    WordListOrder List;
    const char* Shown;  // the instruction and the words in the order printed
  };
  const Case Cases[] = {
      {std::nullopt, WordListOrder::Sorted, "Find the words in the grid.|ANT|MOUSE|ZEBRA|"},
      {"Circle every animal.", WordListOrder::Placed, "Circle every animal.|ZEBRA|ANT|MOUSE|"},
      {"", WordListOrder::Hidden, ""}};
  for (const Case& Each : Cases) {
    WorksheetOptions Options;
    Options.Instructions = Each.Instructions;
    Options.WordList = Each.List;
    Options.NameLine = false;
    const WorksheetPage Page = LayOutWorksheet({&Game}, Options).at(0);
    std::string Shown;
    // After the title: the instruction's start, then the words.
    for (std::size_t i = 1; i < Page.Texts.size(); ++i)
      Shown += Page.Texts[i].Text.substr(0, Page.Texts[i].Mono ? std::string::npos : 27) + "|";
    EXPECT_EQ(Shown, Each.Shown);
  }
}

TEST_F(WorksheetLayoutTest, LargePrintSetsEveryLineLargeAndBoldAndGivesAWideGridItsOwnPage) {
  struct Case {
    int Cols, Rows;
    std::size_t PuzzlePages;
    bool Landscape;  // the grid's own page: on its side unless upright gives larger cells
    double SmallestCell, LargestCell;  // millimetres, on the page with the grid
  };
  const Case Cases[] = {{5, 5, 1, false, 8, 16},
                        {14, 10, 1, false, 8, 16},
                        {24, 16, 2, true, 8, 16},
                        {50, 50, 2, false, 3, 8}};
  for (const Case& Each : Cases) {
    Build(Game, Each.Cols, Each.Rows, {"ZEBRA", "ANT", "MOUSE", "GIRAFFE"});
    WorksheetOptions Options;
    Options.LargePrint = true;
    Options.Pages = SheetPages::PuzzlesOnly;
    const auto Pages = LayOutWorksheet({&Game}, Options);
    ASSERT_EQ(Pages.size(), Each.PuzzlePages) << Each.Cols;
    for (const WorksheetPage& Page : Pages)
      for (const SheetText& Text : Page.Texts) {
        EXPECT_GE(Text.Points, sheet::LargePoints) << Text.Text;
        EXPECT_TRUE(Text.Bold) << Text.Text;
      }
    const WorksheetPage& GridPage = Pages.back();
    EXPECT_EQ(GridPage.Landscape, Each.Landscape);
    const double Cell = GridPage.Pictures.at(0).Width / GridPage.Pictures[0].UnitsWide * 16;
    EXPECT_GE(Cell, Each.SmallestCell) << Each.Cols;
    EXPECT_LE(Cell, Each.LargestCell) << Each.Cols;
  }
}

TEST(SheetTextWidthTest, WrapsAtSpacesAndBreaksOnlyWordsLongerThanALine) {
  const double Points = 10, Char = 0.6 * Points * sheet::MmPerPoint;
  const std::tuple<const char*, double, std::vector<std::string>> Cases[] = {
      {"THE CAT  SAT\r\nON THE MAT", 7.5 * Char, {"THE CAT", "SAT ON", "THE MAT"}},
      {"ABCDEFGHIJ", 4.5 * Char, {"ABCD", "EFGH", "IJ"}},
      {"\xD0\x96\xD0\x96\xD0\x96 \xD0\x96", 2 * Char, {"\xD0\x96\xD0\x96", "\xD0\x96", "\xD0\x96"}},
      {"   ", 10 * Char, {}}};
  for (const auto& [Text, Width, Lines] : Cases)
    EXPECT_EQ(WrapText(Text, Width, Points, false, true), Lines) << Text;
  // Sans-serif: capitals are wider than small letters, bold wider still.
  EXPECT_GT(TextWidth("WWW", 10, false, false), TextWidth("iii", 10, false, false));
  EXPECT_GT(TextWidth("abc", 10, true, false), TextWidth("abc", 10, false, false));
}

}  // namespace
}  // namespace vornic::test
