#pragma once

#include <string>
#include <vector>

#include "document/TGridSettings.h"
#include "picture/TDrawMetaFile.h"

namespace vornic {

class TVornicGame;

// A puzzle as it stands: cells, words, settings, picture and modified state. A step that may
// fail halfway takes one first and puts it back when it fails, so that the user's puzzle, what
// the window shows of it and whether it needs saving stay as they were; undo and redo put back
// the puzzle as it was before and after a step.
class DocumentSnapshot {
 public:
  explicit DocumentSnapshot(const TVornicGame& Game);

  void RestoreTo(TVornicGame& Game) const;
  // Whether both hold the same puzzle: cells, words, settings and letters (the picture and the
  // modified state aside).
  bool SamePuzzle(const DocumentSnapshot& Other) const;
  bool WasModified() const { return Modified; }

 private:
  std::string Grid;
  std::string Letters;
  TGridSettings Settings;
  std::vector<std::string> Words;
  TDrawMetaFile::Kept Picture;
  bool Modified;
};

}  // namespace vornic
