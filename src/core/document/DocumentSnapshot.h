#pragma once

#include <string>
#include <vector>

#include "document/TGridSettings.h"
#include "picture/TDrawMetaFile.h"

namespace vornic {

class TVornicGame;

// A puzzle as it stands: cells, words, settings, picture and modified state. A step that may
// fail halfway takes one first and puts it back when it fails, so that the user's puzzle, what
// the window shows of it and whether it needs saving stay as they were.
class DocumentSnapshot {
 public:
  explicit DocumentSnapshot(const TVornicGame& Game);

  void RestoreTo(TVornicGame& Game) const;

 private:
  std::string Grid;
  std::string Letters;
  TGridSettings Settings;
  std::vector<std::string> Words;
  TDrawMetaFile::Kept Picture;
  bool Modified;
};

}  // namespace vornic
