#pragma once

#include <utility>

#include "document/TVornicGame.h"

namespace vornic {

// The lost-letters picture: the mixed block above the answer block, both P x Lines cells, set
// apart by a 5-unit strip. From bottom to top: shadow, background, the cells where the solution
// has a space highlighted in both blocks, frame, grid lines of both blocks, the mixed
// characters, and the solution in the answer block when shown. Characters take the picture
// font's own colour and regular weight. Reads the document and changes only its picture.
class LostLettersDrawing {
 public:
  explicit LostLettersDrawing(TVornicGame& Document) : Game(Document) {}

  // The "Show solution" switch: the padded text in the answer block.
  bool Solution = false;

  // Records the whole picture. Returns false and leaves the picture as it was when the word list
  // is empty. A solution shorter than the grid highlights and shows only what it holds; one
  // longer than the grid is cut to it.
  bool DrawTheGame();

  // Sizes the picture for the grid: Cols x 16 + 5 by Rows x 32 + 10 (two blocks). The builder
  // calls it, and so must whoever opens a file before drawing it.
  static void ResizeImage(TVornicGame& Game);
  // That size, width first.
  static std::pair<int, int> PictureSize(const TVornicGame& Game);

  // How far the answer block lies below the mixed block: Rows x 16 + 5.
  int BlockOffset() const;

 private:
  void DrawHighlights(const std::string& Solution);
  void DrawGridLines();

  TVornicGame& Game;
};

}  // namespace vornic
