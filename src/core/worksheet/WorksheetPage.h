#pragma once

#include <string>
#include <vector>

#include "picture/DrawOperation.h"

namespace vornic {

// The paper a worksheet is laid out for, portrait.
enum class PaperSize { A4, Letter };

struct PaperDimensions {
  double Width = 0;   // millimetres
  double Height = 0;  // millimetres
};
PaperDimensions Dimensions(PaperSize Paper);

// A line of text on a page. Lengths in millimetres from the page's top-left corner; the text
// is UTF-8. Mono text uses the grid font ("Courier New"), whose every character advances
// 0.6 of the point size, so the layout knows its width without measuring; other text uses a
// sans-serif font and is only centred, never measured, by the layout.
struct SheetText {
  double X = 0;
  double Top = 0;
  double Width = 0;  // the box a centred text is centred in
  double Points = 11;
  bool Bold = false;
  bool Mono = false;
  bool Centred = false;
  std::string Text;
};

// A recorded puzzle picture played into a box on the page; the box keeps the picture's aspect.
struct SheetPicture {
  double X = 0;
  double Top = 0;
  double Width = 0;
  double Height = 0;
  int UnitsWide = 1;  // the picture's size in picture units
  int UnitsHigh = 1;
  std::vector<DrawOperation> Operations;
};

// One laid-out page: what a PDF writer, a printer or a print preview plays.
struct WorksheetPage {
  PaperSize Paper = PaperSize::A4;
  bool AnswerKey = false;
  std::vector<SheetText> Texts;
  std::vector<SheetPicture> Pictures;
};

// Which pages a worksheet holds.
enum class SheetPages { PuzzlesAndAnswers, PuzzlesOnly, AnswersOnly };

struct WorksheetOptions {
  PaperSize Paper = PaperSize::A4;
  // Every puzzle page's title; empty: each puzzle's file name without its extension.
  std::string Title;
  bool NameLine = true;
  SheetPages Pages = SheetPages::PuzzlesAndAnswers;
};

}  // namespace vornic
