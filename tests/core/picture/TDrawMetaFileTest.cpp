#include "picture/TDrawMetaFile.h"

#include <gtest/gtest.h>

#include "PictureOps.h"

namespace vornic {
namespace {

using test::OpsOf;
using test::PlacedLetter;
using test::PlacedLetters;

int Boxes(const TDrawMetaFile& Picture) {
  return static_cast<int>(OpsOf<draw::Rectangle>(Picture.Operations()).size());
}

TEST(TDrawMetaFileTest, ContentChangesOnlyWhenTheOutermostRecordingCloses) {
  TDrawMetaFile Picture;
  Picture.BeginDraw();
  Picture.Canvas()->Rectangle(1, 0, 10, 10);
  EXPECT_TRUE(Picture.Empty()) << "still recording";
  Picture.BeginDraw();  // keeps the open canvas
  Picture.Canvas()->Rectangle(20, 0, 30, 10);
  Picture.EndDraw();
  EXPECT_EQ(Boxes(Picture), 2);
  EXPECT_EQ(Picture.Canvas(), nullptr);
  Picture.EndDraw();  // not drawing: nothing happens
  EXPECT_EQ(Boxes(Picture), 2);
  // Restart commits what was drawn and starts an empty recording.
  Picture.BeginDraw();
  Picture.Canvas()->Rectangle(40, 0, 50, 10);
  Picture.Restart();
  EXPECT_EQ(Boxes(Picture), 1);
  Picture.Canvas()->Rectangle(60, 0, 70, 10);
  Picture.EndDraw();
  EXPECT_EQ(OpsOf<draw::Rectangle>(Picture.Operations()).at(0).Left, 60);
}

TEST(TDrawMetaFileTest, LettersLandInTheirCellsAsRunsOfLetterAndSpace) {
  TDrawMetaFile Picture;
  Picture.SetSize(3 * 16 + 5, 2 * 16 + 5);  // three cells to a line
  Picture.BeginDraw();
  Picture.Canvas()->Brush.Color = clRed;
  Picture.DrawLetters("AB CEF");
  Picture.DrawLettersAt(100, " B");  // spaces keep later letters in their columns
  EXPECT_EQ(Picture.Canvas()->Brush.Style, TBrushStyle::Solid) << "brush style restored";
  Picture.EndDraw();
  const std::vector<PlacedLetter> Expected{{U'A', 5, 2},   {U'B', 21, 2},  {U'C', 5, 18},
                                           {U'E', 21, 18}, {U'F', 37, 18}, {U'B', 21, 102}};
  EXPECT_EQ(PlacedLetters(Picture.Operations()), Expected);
  const auto Texts = OpsOf<draw::Text>(Picture.Operations());
  EXPECT_EQ(Texts[0].Characters, U"A B");
  EXPECT_EQ(Texts[0].Advance, 8);
  EXPECT_EQ(OpsOf<draw::SelectBrush>(Picture.Operations()).at(0).Brush.Style, TBrushStyle::Clear);
  Picture.DrawLetters("ABC");  // no canvas open: nothing
  EXPECT_EQ(OpsOf<draw::Text>(Picture.Operations()).size(), Texts.size());
}

}  // namespace
}  // namespace vornic
