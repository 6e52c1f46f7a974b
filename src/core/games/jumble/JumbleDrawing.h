#pragma once

#include "document/TVornicGame.h"

namespace vornic {

// The jumbled-text picture, recorded into the document's picture (its size set by the builder or
// by opening the file), from bottom to top: shadow, background, vertical grid lines, the hint
// boxes with both edges and their mixed letters, the solution letters when shown, the frame and
// the horizontal grid lines. Reads the document and never changes anything but its picture.
class JumbleDrawing {
 public:
  explicit JumbleDrawing(TVornicGame& Document) : Game(Document) {}

  // The "Show solution" switch: the words in their answer cells.
  bool Solution = false;

  // Records the whole picture. Returns false and leaves the picture as it was when the word list
  // holds no hint record. A damaged record (fewer than three bytes after EmptyChar, or a box
  // outside the grid) is skipped; the others are drawn.
  bool DrawTheGame();

 private:
  void PrepareImage();
  void DrawHint(const std::string& Record);
  void FinishImage();

  TVornicGame& Game;
};

}  // namespace vornic
