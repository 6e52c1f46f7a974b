#pragma once

#include <optional>
#include <string>
#include <vector>

#include "games/SheetParts.h"
#include "picture/DrawOperation.h"

namespace vornic {

// The paper a worksheet is laid out for.
enum class PaperSize { A4, Letter };

struct PaperDimensions {
  double Width = 0;   // millimetres
  double Height = 0;  // millimetres
};
// The paper upright; Landscape turns it on its side.
PaperDimensions Dimensions(PaperSize Paper, bool Landscape = false);

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

// A ruled line to write on, in millimetres from the page's top-left corner.
struct SheetLine {
  double X = 0;
  double Y = 0;
  double Length = 0;
  double Thickness = 0.3;
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
  // A page of its own for a large grid in large print, the paper on its side.
  bool Landscape = false;
  bool AnswerKey = false;
  std::vector<SheetText> Texts;
  std::vector<SheetLine> Lines;
  std::vector<SheetPicture> Pictures;
};

// Which pages a worksheet holds.
enum class SheetPages { PuzzlesAndAnswers, PuzzlesOnly, AnswersOnly };

// How the puzzle page lists the words to find: not at all (a harder puzzle), sorted as "Copy
// Words to Clipboard" sorts them, or in the order they were placed.
enum class WordListOrder { Hidden, Sorted, Placed };

struct WorksheetOptions {
  PaperSize Paper = PaperSize::A4;
  // Every puzzle page's title; empty: each puzzle's file name without its extension.
  std::string Title;
  bool NameLine = true;
  SheetPages Pages = SheetPages::PuzzlesAndAnswers;
  // The puzzle page's instruction: unset, each game's own; empty, none.
  std::optional<std::string> Instructions;
  KeyStyle Key = KeyStyle::Lines;
  WordListOrder WordList = WordListOrder::Sorted;
  // For young readers and readers with low vision: texts of 16 points or more, bold letters,
  // large cells (a large grid gets a page of its own on the paper's side).
  bool LargePrint = false;
};

}  // namespace vornic
