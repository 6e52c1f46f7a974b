#include "picture/TMetaCanvas.h"

#include "base/CodePage.h"
#include "picture/PictureLimits.h"

namespace vornic {

TMetaCanvas::TMetaCanvas(const TFont& StartFont) : Font(StartFont) {}

void TMetaCanvas::Record(DrawOperation&& Operation) {
  if (Recorded.size() >= MaxPictureOperations) {
    Overflow = true;
    return;
  }
  Recorded.push_back(std::move(Operation));
}

void TMetaCanvas::UsePen() {
  if (PenRecorded && RecordedPen == Pen) return;
  Record(draw::SelectPen{Pen});
  RecordedPen = Pen;
  PenRecorded = true;
}

void TMetaCanvas::UseBrush() {
  if (BrushRecorded && RecordedBrush == Brush) return;
  Record(draw::SelectBrush{Brush});
  RecordedBrush = Brush;
  BrushRecorded = true;
}

void TMetaCanvas::UseFont() {
  if (FontRecorded && RecordedFont == Font) return;
  Record(draw::SelectFont{Font});
  RecordedFont = Font;
  FontRecorded = true;
}

void TMetaCanvas::Rectangle(int Left, int Top, int Right, int Bottom) {
  UsePen();
  UseBrush();
  Record(draw::Rectangle{Left, Top, Right, Bottom});
}

void TMetaCanvas::FillRect(int Left, int Top, int Right, int Bottom) {
  UseBrush();
  Record(draw::FillRect{Left, Top, Right, Bottom});
}

void TMetaCanvas::MoveTo(int X, int Y) {
  Position = {X, Y};
  Record(draw::MoveTo{Position});
}

void TMetaCanvas::LineTo(int X, int Y) {
  UsePen();
  Position = {X, Y};
  Record(draw::LineTo{Position});
}

void TMetaCanvas::Polyline(const std::vector<TPoint>& Points) {
  if (Points.empty()) return;
  UsePen();
  Record(draw::Polyline{Points});
}

void TMetaCanvas::TextOut(int X, int Y, std::string_view Text) {
  const CodePage& Codes = CodePage::ForCharset(Font.Charset);
  std::u32string Characters;
  Characters.reserve(Text.size());
  for (const char Byte : Text) {
    Characters += Codes.ToUnicode(static_cast<std::uint8_t>(Byte)).value_or(U'\uFFFD');
  }
  TextOutUnicode(X, Y, Characters);
}

void TMetaCanvas::TextOutUnicode(int X, int Y, std::u32string_view Text, int Advance) {
  if (Text.empty()) return;
  // The brush decides whether the text background is filled, so it is part of the state.
  UseBrush();
  UseFont();
  Record(draw::Text{{X, Y}, std::u32string(Text), Advance});
}

}  // namespace vornic
