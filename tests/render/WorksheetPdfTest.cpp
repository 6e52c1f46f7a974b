// Worksheets written as PDF and read back with poppler's tools.
#include <QtGui/QImage>

#include <fstream>
#include <regex>

#include "base/EmptyChar.h"
#include "base/RandomGenerator.h"
#include "games/GameDescriptor.h"
#include "games/GameTable.h"
#include "games/jumble/JumbleBuilder.h"
#include "games/jumble/JumbleDescriptor.h"
#include "games/labyrinth/LabyrinthDescriptor.h"
#include "games/lostletters/LostLettersDescriptor.h"
#include "games/maze/MazeDescriptor.h"
#include "games/maze/MazeGame.h"
#include "games/wordsearch/WordSearchDescriptor.h"
#include "games/wordsearch/WordSearchPlacer.h"
#include "render/RenderFixture.h"
#include "render/WorksheetOutput.h"
#include "support/Poppler.h"
#include "worksheet/WorksheetLayout.h"

namespace vornic::test {
namespace {

constexpr int Dpi = 100;

// Each game's own build input, the fields these tests set.
std::shared_ptr<const GameInput> WordSearchOf(std::vector<std::string> Words, int Cols = 15,
                                              int Rows = 10, bool Fill = false) {
  auto Input = std::make_shared<WordSearchInput>();
  Input->Words = std::move(Words);
  Input->Cols = Cols;
  Input->Rows = Rows;
  Input->Fill = Fill;
  return Input;
}
std::shared_ptr<const GameInput> MazeOf(std::string Phrase, std::vector<std::string> Words) {
  auto Input = std::make_shared<MazeGameInput>();
  Input->Phrase = std::move(Phrase);
  Input->Words = std::move(Words);
  return Input;
}
template <typename Own>
std::shared_ptr<const GameInput> TextOf(std::string Text) {
  auto Input = std::make_shared<Own>();
  Input->Text = std::move(Text);
  return Input;
}

class WorksheetPdfTest : public ::testing::Test {
 protected:
  TempHome Home;
  ScriptedUserInterface Ui;
  TVornicGame Game;

  void SetUp() override { render::EnsureGuiApplication(); }

  // Lays out Game, writes the PDF and returns its pages.
  std::vector<WorksheetPage> Write(const WorksheetOptions& Options = {}) {
    Pages = LayOutWorksheet({&Game}, Options);
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
  // Builds a puzzle of the game named TypeName through its descriptor.
  void BuildGame(std::string_view TypeName, const GameInput& Input) {
    const GameDescriptor& Descriptor = *FindDescriptor(TypeName);
    Descriptor.InitDocument(Game, &Ui);
    RandomGenerator::Seed(7);
    ASSERT_TRUE(Descriptor.Build(Game, Input)) << TypeName;
  }
  // Rows of the page below Top (pixels) where ink runs unbroken for more than Length pixels:
  // each ruled line counted once.
  static int RuledLines(const QImage& Image, int Top, int Length) {
    int Lines = 0;
    bool InLine = false;
    for (int Y = Top; Y < Image.height(); ++Y) {
      int Run = 0, Longest = 0;
      for (int X = 0; X < Image.width(); ++X) {
        Run = Image.pixelColor(X, Y).lightness() < 128 ? Run + 1 : 0;
        Longest = std::max(Longest, Run);
      }
      if (Longest > Length && !InLine) ++Lines;
      InLine = Longest > Length;
    }
    return Lines;
  }
  static int Pixels(double Mm) { return static_cast<int>(Mm * Dpi / 25.4); }
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

TEST_F(WorksheetPdfTest, EveryKeyWritesTheAnswerOutAndThePuzzleSaysWhatToDoAndWhereToWrite) {
  struct Case {
    std::string_view TypeName;
    std::shared_ptr<const GameInput> Input;
    const char* Instruction;  // how the puzzle page's instruction starts
    const char* Answer;       // what the key writes out
    bool AnswerLines;
  };
  auto LostLettersOf3 = std::make_shared<LostLettersInput>();
  LostLettersOf3->Text = "A BIRD IN THE HAND IS WORTH TWO IN THE BUSH";
  LostLettersOf3->Lines = 3;
  const Case Cases[] = {
      {WordSearchDescriptor::Name.TypeName, WordSearchOf({"CAT", "DOG", "HORSE"}),
       "Find the words in the grid.", "CAT,DOG,HORSE", false},
      {MazeDescriptor::Name.TypeName,
       MazeOf("SPRING IS HERE",
              {"TULIP", "DAISY", "ROSE", "IRIS", "LILY", "POPPY", "ORCHID", "VIOLET", "FERN"}),
       "Find the words. Each one bends", "SPRINGISHERE", false},
      {LabyrinthDescriptor::Name.TypeName, TextOf<LabyrinthGameInput>("FIND THE WAY OUT OF HERE"),
       "Start at the marked", "FINDTHEWAYOUTOFHERE", true},
      {JumbleDescriptor::Name.TypeName, TextOf<JumbleInput>("ELEPHANTS DRINK WATER"),
       "Put the letters", "ELEPHANTSDRINKWATER", true},
      {LostLettersDescriptor::Name.TypeName, LostLettersOf3, "The letters of each column",
       "ABIRDINTHEHANDISWORTHTWOINTHEBUSH", true}};
  for (const Case& Each : Cases) {
    BuildGame(Each.TypeName, *Each.Input);
    Write();
    // The key's last lines hold the answer (the picture's letters come before it).
    const std::string Key = Squeezed(PdfPageText(Pdf(), 2));
    EXPECT_NE(Key.rfind(std::string("Answer:") + Each.Answer), std::string::npos)
        << Each.TypeName << ": " << Key;
    EXPECT_NE(PdfPageText(Pdf(), 1).find(Each.Instruction), std::string::npos) << Each.TypeName;
    // Ruled lines only where the answer is written out in full, at least one full-width line
    // under the picture.
    const SheetPicture& Picture = Pages[0].Pictures.at(0);
    const int Ruled = RuledLines(Raster(1), Pixels(Picture.Top + Picture.Height + 1), Pixels(150));
    EXPECT_EQ(Ruled > 0, Each.AnswerLines) << Each.TypeName;
    EXPECT_EQ(Ruled, static_cast<int>(Pages[0].Lines.size())) << Each.TypeName;
  }
}

TEST_F(WorksheetPdfTest, OutlinesGoAroundTheWordsWhereLinesGoThroughTheirMiddles) {
  BuildGame(WordSearchDescriptor::Name.TypeName,
            *WordSearchOf({"ELEPHANT", "GIRAFFE", "ZEBRA", "LION"}));
  for (const KeyStyle Style : {KeyStyle::Lines, KeyStyle::Outlines}) {
    WorksheetOptions Options;
    Options.Pages = SheetPages::AnswersOnly;
    Options.Key = Style;
    Write(Options);
    const QImage Key = Raster(1);
    int Crossed = 0, Cells = 0;
    const std::string Cells0 = Game.WordCells(0);
    for (std::size_t i = 0; i < Cells0.size(); ++i) {
      if (Cells0[i] == EmptyChar) continue;
      const int Col = static_cast<int>(i) % Game.Settings.Cols + 1;
      const int Row = static_cast<int>(i) / Game.Settings.Cols + 1;
      // The cell's middle, a third of it across.
      const QRect Inside = CellInside(Pages[0].Pictures[0], Col, Row);
      const QRect Middle(Inside.center() - QPoint(Inside.width() / 6, Inside.height() / 6),
                         Inside.size() / 3);
      ++Cells;
      Crossed += Red(Key, Middle) ? 1 : 0;
    }
    EXPECT_EQ(Crossed, Style == KeyStyle::Lines ? Cells : 0);
    EXPECT_TRUE(Red(Key, Key.rect()));
  }
}

TEST_F(WorksheetPdfTest, LargePrintSetsTextsAtSixteenPointsAndGivesAWideGridALandscapePage) {
  BuildGame(WordSearchDescriptor::Name.TypeName,
            *WordSearchOf({"ELEPHANT", "GIRAFFE", "ZEBRA", "LION"}, 26, 16));
  // Word boxes as poppler reads them: their height is the type size and a little more.
  const std::regex Word(
      "<word xMin=\"[0-9.]+\" yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" "
      "yMax=\"([0-9.]+)\">([^<]*)</word>");
  for (const bool Large : {false, true}) {
    WorksheetOptions Options;
    Options.LargePrint = Large;
    Options.Pages = SheetPages::PuzzlesOnly;
    Write(Options);
    const std::string Boxes = RunReader("pdftotext -bbox -f 1 -l 1 '" + Pdf() + "' -");
    int Read = 0;
    for (std::sregex_iterator At(Boxes.begin(), Boxes.end(), Word), End; At != End; ++At) {
      const std::string Text = (*At)[3];
      if (Text != "GIRAFFE" && Text != "Name:" && Text != "Find") continue;
      ++Read;
      EXPECT_EQ(std::stod((*At)[2]) - std::stod((*At)[1]) >= 16, Large) << Text;
    }
    EXPECT_EQ(Read, 3);
    const std::string Info = RunReader("pdfinfo -f 1 -l 2 '" + Pdf() + "'");
    EXPECT_EQ(Info.find("Page    2 size:  842 x 595 pts") != std::string::npos, Large) << Info;
  }
}

TEST_F(WorksheetPdfTest, AHiddenWordListLeavesTheWordsToFindOffThePuzzlePage) {
  BuildGame(WordSearchDescriptor::Name.TypeName,
            *WordSearchOf({"ELEPHANT", "GIRAFFE"}, 15, 10, true));
  WorksheetOptions Options;
  Options.WordList = WordListOrder::Hidden;
  Write(Options);
  EXPECT_EQ(Squeezed(PdfPageText(Pdf(), 1)).find("GIRAFFE"), std::string::npos);
  EXPECT_NE(Squeezed(PdfPageText(Pdf(), 2)).find("ELEPHANT,GIRAFFE"), std::string::npos);
}

}  // namespace
}  // namespace vornic::test
