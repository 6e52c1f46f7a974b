#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "base/RandomGenerator.h"
#include "games/wordsearch/WordSearchPlacer.h"
#include "support/DocumentTest.h"
#include "worksheet/PaperChoice.h"
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
