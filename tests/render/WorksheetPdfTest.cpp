// Worksheets written as PDF and read back with poppler's tools.
#include <QtGui/QImage>

#include <fstream>

#include "base/EmptyChar.h"
#include "base/RandomGenerator.h"
#include "games/jumble/JumbleBuilder.h"
#include "games/maze/MazeGame.h"
#include "games/wordsearch/WordSearchPlacer.h"
#include "render/RenderFixture.h"
#include "render/WorksheetOutput.h"
#include "support/Poppler.h"
#include "worksheet/WorksheetLayout.h"

namespace vornic::test {
namespace {

constexpr int Dpi = 100;

class WorksheetPdfTest : public ::testing::Test {
 protected:
  TempHome Home;
  ScriptedUserInterface Ui;
  TVornicGame Game;

  void SetUp() override { render::EnsureGuiApplication(); }

  // Lays out Game, writes the PDF and returns its pages.
  std::vector<WorksheetPage> Write() {
    Pages = LayOutWorksheet({&Game}, {});
    render::WriteWorksheetPdf(Pages, "test", Pdf());
    return Pages;
  }
  std::string Pdf() const { return (Home / "sheet.pdf").string(); }
  QImage Raster(int Page) const {
    const std::string Prefix = (Home / "page").string();
    const std::string N = std::to_string(Page);
    RunReader("pdftoppm -png -singlefile -r " + std::to_string(Dpi) + " -f " + N + " -l " + N +
              " '" + Pdf() + "' '" + Prefix + "'");
    return QImage(QString::fromStdString(Prefix + ".png"));
  }
  // The inside of cell (Col, Row) of the page's picture in pixels, three units clear of its
  // edges so that a line through a neighbour's corner does not count.
  static QRect CellInside(const SheetPicture& Picture, int Col, int Row) {
    const double Unit = Picture.Width / Picture.UnitsWide * Dpi / 25.4;
    const auto At = [&](double Mm, int Units) {
      return static_cast<int>(Mm * Dpi / 25.4 + Units * Unit);
    };
    return QRect(QPoint(At(Picture.X, (Col - 1) * 16 + 4), At(Picture.Top, (Row - 1) * 16 + 4)),
                 QPoint(At(Picture.X, Col * 16 - 2), At(Picture.Top, Row * 16 - 2)));
  }
  static bool Red(const QImage& Image, const QRect& Box) {
    return HasRed(Image, Box.left(), Box.top(), Box.right() + 1, Box.bottom() + 1);
  }

  std::vector<WorksheetPage> Pages;
};

TEST_F(WorksheetPdfTest, TheKeyMarksEveryWordsCellsAndNoOtherWhileThePuzzleShowsNoMark) {
  Game.Init("VornicGame", &Ui);
  RandomGenerator::Seed(5);
  Game.SetSize(15, 10);
  ASSERT_TRUE(Game.New());
  WordSearchPlacer Placer(Game);
  Placer.PlaceEditedList({"ELEPHANT", "GIRAFFE", "ZEBRA", "LION", "TIGER", "MONKEY", "CAMEL"});
  Placer.FillBlanks();
  Write();
  std::string Marked(Game.Grid.size(), EmptyChar);
  for (std::size_t i = 0; i < Game.Words.size(); ++i) {
    const std::string Cells = Game.WordCells(static_cast<int>(i));
    for (std::size_t c = 0; c < Cells.size(); ++c)
      if (Cells[c] != EmptyChar) Marked[c] = 'x';
  }
  const QImage Puzzle = Raster(1), Key = Raster(2);
  ASSERT_FALSE(Key.isNull());
  EXPECT_FALSE(Red(Puzzle, Puzzle.rect()));
  for (int Row = 1; Row <= 10; ++Row)
    for (int Col = 1; Col <= 15; ++Col)
      EXPECT_EQ(Red(Key, CellInside(Pages[1].Pictures[0], Col, Row)),
                Marked[static_cast<std::size_t>((Row - 1) * 15 + Col - 1)] == 'x')
          << Col << "," << Row;
  // The solver's list is on the puzzle page, sorted, as text.
  EXPECT_NE(PdfPageText(Pdf(), 1).find("CAMEL"), std::string::npos);
}

TEST_F(WorksheetPdfTest, TheMazePhraseIsHighlightedOnlyOnTheKeyAndItsLengthShownAsBlanks) {
  Game.Init("WordMaze", &Ui);
  RandomGenerator::Seed(3);
  ASSERT_TRUE(Game.New());
  MazeBuilder Builder;
  const MazeInput Input{
      "SPRING", {"TULIP", "DAISY", "ROSE", "IRIS", "LILY", "POPPY", "ORCHID", "VIOLET", "FERN"}};
  const auto Size = NearestToSquare(OfferedSizes(LetterTotal(Input.Phrase, Input.Words)));
  ASSERT_TRUE(Size && BuildMazeGame(Game, Builder, Input, *Size));
  Write();
  EXPECT_FALSE(Red(Raster(1), Raster(1).rect()));
  EXPECT_TRUE(Red(Raster(2), Raster(2).rect()));
  const std::string Text = PdfPageText(Pdf(), 1);
  EXPECT_NE(Text.find("_ _ _ _ _ _"), std::string::npos);
  // Sorted down the columns: the first line reads every other word of the list.
  EXPECT_LT(Text.find("DAISY"), Text.find("IRIS"));
  EXPECT_LT(Text.find("ORCHID"), Text.find("VIOLET"));
}

TEST_F(WorksheetPdfTest, TheJumbleSolutionIsTextOnTheKeyOnly) {
  Game.Init("JumbledUp", &Ui);
  RandomGenerator::Seed(9);
  ASSERT_TRUE(Game.New());
  JumbleBuilder Builder(Game);
  ASSERT_TRUE(Builder.Build("ELEPHANTS DRINK WATER"));
  Write();
  EXPECT_EQ(Squeezed(PdfPageText(Pdf(), 1)).find("ELEPHANTS"), std::string::npos);
  EXPECT_NE(Squeezed(PdfPageText(Pdf(), 2)).find("ELEPHANTS"), std::string::npos);
}

}  // namespace
}  // namespace vornic::test
