#include "picture/TDrawMetaFile.h"

#include <gtest/gtest.h>

#include "PictureOps.h"
#include "picture/PictureFormat.h"

namespace vornic {
namespace {

using test::OpsOf;
using test::PlacedLetter;
using test::PlacedLetters;

void DrawBox(TDrawMetaFile& Picture, int Left) {
  Picture.Canvas()->Rectangle(Left, 0, Left + 10, 10);
}

TEST(TDrawMetaFileTest, StartsEmptyAtOneHundredSquareWithTheGridFont) {
  TDrawMetaFile Picture("VornicPack", "WordMaze");
  EXPECT_EQ(Picture.Width(), 100);
  EXPECT_EQ(Picture.Height(), 100);
  EXPECT_FALSE(Picture.Drawing());
  EXPECT_EQ(Picture.Canvas(), nullptr);
  EXPECT_TRUE(Picture.Empty());
  EXPECT_EQ(Picture.CreatedBy(), "VornicPack");
  EXPECT_EQ(Picture.Description(), "WordMaze");
  EXPECT_EQ(Picture.Font.Name, "Courier New");
  EXPECT_EQ(Picture.Font.Size, 10);
  EXPECT_EQ(Picture.Font.PixelHeight(), 13);
}

TEST(TDrawMetaFileTest, ContentChangesOnlyWhenARecordingCloses) {
  TDrawMetaFile Picture;
  Picture.BeginDraw();
  DrawBox(Picture, 1);
  EXPECT_TRUE(Picture.Empty()) << "still recording";
  Picture.EndDraw();
  ASSERT_EQ(OpsOf<draw::Rectangle>(Picture.Operations()).size(), 1u);
  EXPECT_EQ(Picture.Canvas(), nullptr);

  Picture.BeginDraw();
  DrawBox(Picture, 20);
  DrawBox(Picture, 40);
  EXPECT_EQ(OpsOf<draw::Rectangle>(Picture.Operations()).front().Left, 1)
      << "the previous content stays visible while drawing";
  Picture.EndDraw();
  EXPECT_EQ(OpsOf<draw::Rectangle>(Picture.Operations()).size(), 2u);
}

TEST(TDrawMetaFileTest, SecondBeginDrawKeepsTheOpenCanvas) {
  TDrawMetaFile Picture;
  Picture.BeginDraw();
  TMetaCanvas* First = Picture.Canvas();
  DrawBox(Picture, 1);
  Picture.BeginDraw();
  EXPECT_EQ(Picture.Canvas(), First);
  DrawBox(Picture, 20);
  Picture.EndDraw();
  EXPECT_EQ(OpsOf<draw::Rectangle>(Picture.Operations()).size(), 2u);
  Picture.EndDraw();  // not drawing: nothing happens
  EXPECT_EQ(OpsOf<draw::Rectangle>(Picture.Operations()).size(), 2u);
}

TEST(TDrawMetaFileTest, RestartCommitsTheOpenRecordingAndStartsAnEmptyOne) {
  TDrawMetaFile Picture;
  Picture.BeginDraw();
  DrawBox(Picture, 1);
  Picture.Restart();
  EXPECT_TRUE(Picture.Drawing());
  ASSERT_NE(Picture.Canvas(), nullptr);
  EXPECT_EQ(OpsOf<draw::Rectangle>(Picture.Operations()).size(), 1u);
  DrawBox(Picture, 20);
  Picture.EndDraw();
  const auto Boxes = OpsOf<draw::Rectangle>(Picture.Operations());
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_EQ(Boxes[0].Left, 20);
}

TEST(TDrawMetaFileTest, RestartOutsideARecordingLeavesTheDrawingFlagAlone) {
  TDrawMetaFile Picture;
  Picture.BeginDraw();
  DrawBox(Picture, 1);
  Picture.EndDraw();
  Picture.Restart();
  EXPECT_FALSE(Picture.Drawing());
  ASSERT_NE(Picture.Canvas(), nullptr);
  DrawBox(Picture, 20);
  Picture.EndDraw();  // not drawing: the canvas stays open and the content as it was
  EXPECT_EQ(OpsOf<draw::Rectangle>(Picture.Operations()).front().Left, 1);
}

TEST(TDrawMetaFileTest, NewCanvasStartsWithACopyOfThePictureFont) {
  TDrawMetaFile Picture;
  Picture.Font.Charset = 204;
  Picture.BeginDraw();
  EXPECT_EQ(Picture.Canvas()->Font.Charset, 204);
  Picture.Canvas()->Font.Bold = true;
  Picture.EndDraw();
  EXPECT_FALSE(Picture.Font.Bold) << "the canvas font is a copy";
}

TEST(TDrawMetaFileTest, CanvasRecordsStateOnlyWhenADrawingCallNeedsAChange) {
  TDrawMetaFile Picture;
  Picture.BeginDraw();
  TMetaCanvas& Canvas = *Picture.Canvas();
  Canvas.Pen.Color = clRed;
  Canvas.Pen.Color = clBlue;  // never used: never recorded
  Canvas.Pen.Color = clGreen;
  Canvas.MoveTo(1, 1);
  Canvas.LineTo(5, 1);
  Canvas.LineTo(5, 5);
  Canvas.Brush.Color = clGray;
  Canvas.Rectangle(0, 0, 4, 4);
  EXPECT_EQ(Canvas.PenPos(), (TPoint{5, 5}));
  Picture.EndDraw();  // the canvas is gone from here on
  const auto Pens = OpsOf<draw::SelectPen>(Picture.Operations());
  ASSERT_EQ(Pens.size(), 1u);
  EXPECT_EQ(Pens[0].Pen.Color, clGreen);
  const auto Brushes = OpsOf<draw::SelectBrush>(Picture.Operations());
  ASSERT_EQ(Brushes.size(), 1u);
  EXPECT_EQ(Brushes[0].Brush.Color, clGray);
}

TEST(TDrawMetaFileTest, TextBytesAreReadInTheFontsCodePage) {
  TDrawMetaFile Picture;
  Picture.BeginDraw();
  TMetaCanvas& Canvas = *Picture.Canvas();
  Canvas.Font.Charset = 204;  // Windows-1251
  Canvas.TextOut(3, 4, "\xC0\xE1");
  Picture.EndDraw();
  const auto Texts = OpsOf<draw::Text>(Picture.Operations());
  ASSERT_EQ(Texts.size(), 1u);
  EXPECT_EQ(Texts[0].Characters, U"\u0410\u0431");
  EXPECT_EQ(Texts[0].At, (TPoint{3, 4}));
}

class DrawLettersTest : public ::testing::Test {
 protected:
  TDrawMetaFile Picture;
  void SetUp() override {
    Picture.SetSize(3 * 16 + 5, 2 * 16 + 5);  // three cells to a line
    Picture.BeginDraw();
  }
};

TEST_F(DrawLettersTest, EachCharacterLandsInItsCell) {
  Picture.DrawLetters("ABCDEF");
  Picture.EndDraw();
  const std::vector<PlacedLetter> Expected{{U'A', 5, 2},  {U'B', 21, 2},  {U'C', 37, 2},
                                           {U'D', 5, 18}, {U'E', 21, 18}, {U'F', 37, 18}};
  EXPECT_EQ(PlacedLetters(Picture.Operations()), Expected);
}

TEST_F(DrawLettersTest, SpacesKeepLaterLettersInTheirColumns) {
  Picture.DrawLettersAt(100, " B   F");
  Picture.EndDraw();
  const std::vector<PlacedLetter> Expected{{U'B', 21, 102}, {U'F', 37, 118}};
  EXPECT_EQ(PlacedLetters(Picture.Operations()), Expected);
}

TEST_F(DrawLettersTest, RunsOfLettersAreTextsWithALetterAndASpacePerCell) {
  Picture.DrawLetters("AB C");
  Picture.EndDraw();
  const auto Texts = OpsOf<draw::Text>(Picture.Operations());
  ASSERT_EQ(Texts.size(), 2u);
  EXPECT_EQ(Texts[0].Characters, U"A B");
  EXPECT_EQ(Texts[0].Advance, 8);
  EXPECT_EQ(Texts[1].Characters, U"C");
  EXPECT_EQ(Texts[1].At, (TPoint{5, 18}));
}

TEST_F(DrawLettersTest, TextBackgroundIsTransparentAndTheBrushStyleRestored) {
  Picture.Canvas()->Brush.Color = clRed;
  Picture.DrawLetters("A");
  EXPECT_EQ(Picture.Canvas()->Brush.Style, TBrushStyle::Solid);
  Picture.Canvas()->Rectangle(0, 0, 5, 5);
  Picture.EndDraw();
  const auto Brushes = OpsOf<draw::SelectBrush>(Picture.Operations());
  ASSERT_EQ(Brushes.size(), 2u);
  EXPECT_EQ(Brushes[0].Brush.Style, TBrushStyle::Clear);
  EXPECT_EQ(Brushes[1].Brush.Style, TBrushStyle::Solid);
}

TEST_F(DrawLettersTest, EmptyTextOrNoCanvasDrawsNothing) {
  Picture.DrawLetters("");
  Picture.EndDraw();
  EXPECT_TRUE(Picture.Empty());
  Picture.DrawLetters("ABC");  // no canvas open
  EXPECT_TRUE(Picture.Empty());
}

TEST(TDrawMetaFileTest, WmfNamesAreRecognisedInAnyLetterCase) {
  EXPECT_TRUE(TDrawMetaFile::IsWmfName("a.wmf"));
  EXPECT_TRUE(TDrawMetaFile::IsWmfName("/x/PUZZLE.WMF"));
  EXPECT_TRUE(TDrawMetaFile::IsWmfName("b.WmF"));
  EXPECT_FALSE(TDrawMetaFile::IsWmfName("b.emf"));
  EXPECT_FALSE(TDrawMetaFile::IsWmfName("wmf"));
  EXPECT_FALSE(TDrawMetaFile::IsWmfName("a.wmf.emf"));
  // The same table names every format the program writes.
  EXPECT_EQ(PictureFormatOf("/x/Page.PNG"), PictureFormat::Png);
  EXPECT_EQ(PictureFormatOf("a.svg"), PictureFormat::Svg);
  EXPECT_EQ(PictureFormatOf("a.gif"), std::nullopt);
}

}  // namespace
}  // namespace vornic
