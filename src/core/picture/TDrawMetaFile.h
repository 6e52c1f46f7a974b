#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/UserInterface.h"
#include "picture/DrawOperation.h"
#include "picture/DrawTypes.h"
#include "picture/TMetaCanvas.h"

namespace vornic {

// The creator text of every document's picture.
inline constexpr const char* PictureCreator = "VornicPack";

// The puzzle picture: a recorded list of GDI-like drawing calls in picture units, with its size,
// the creator text and the description written into exported metafiles.
//
// Recording: BeginDraw opens a canvas (once; a second BeginDraw is ignored), the game draws on
// Canvas(), EndDraw closes it and what was recorded becomes the content. Until a canvas closes,
// previews and exports see the content recorded before. Restart closes the open canvas (its
// recording becomes the content) and opens a new, empty one without touching the drawing flag.
class TDrawMetaFile {
 public:
  static constexpr int DefaultSize = 100;
  // Letters of DrawLetters: one per 16-unit cell, from left 5 and top 2.
  static constexpr int CellSize = 16;
  static constexpr int LettersLeft = 5;
  static constexpr int LettersTop = 2;

  TDrawMetaFile();
  TDrawMetaFile(const std::string& CreatedBy, const std::string& Description);
  ~TDrawMetaFile();
  TDrawMetaFile(const TDrawMetaFile&) = delete;
  TDrawMetaFile& operator=(const TDrawMetaFile&) = delete;

  // Starts afresh: not drawing, no content, size 100 x 100, font "Courier New" 10 points, and the
  // two texts kept for the metafile description.
  void Create(const std::string& CreatedBy, const std::string& Description);

  void BeginDraw();
  void EndDraw();
  void Restart();
  bool Drawing() const { return IsDrawing; }
  // The canvas open for drawing, or null when none is open.
  TMetaCanvas* Canvas() { return Open.get(); }

  // Grid letters: every character of Text (bytes of the canvas font's code page, empty cells
  // as spaces) in its own cell, CellsPerLine = (Width - 2) / 16 cells to a line, the cell of
  // character i at left 5 + 16 (i mod CellsPerLine), top 2 + 16 (i div CellsPerLine), in the
  // canvas font and font colour on a transparent background. Nothing without an open canvas.
  void DrawLetters(std::string_view Text);
  // The same from Top + 2 down.
  void DrawLettersAt(int Top, std::string_view Text);

  int Width() const { return PictureWidth; }
  int Height() const { return PictureHeight; }
  void SetSize(int NewWidth, int NewHeight);
  void SetWidth(int NewWidth) { SetSize(NewWidth, PictureHeight); }
  void SetHeight(int NewHeight) { SetSize(PictureWidth, NewHeight); }

  // The picture's font; every new canvas starts with a copy of it.
  TFont Font;

  const std::string& CreatedBy() const { return Creator; }
  const std::string& Description() const { return DescriptionText; }
  // The content: what the last closed canvas recorded.
  const std::vector<DrawOperation>& Operations() const { return Content; }
  bool Empty() const { return Content.empty(); }
  // Whether the drawing of the content went past MaxPictureOperations (a damaged file's word
  // list, say), so that the content is cut short and is not to be shown or written.
  bool Incomplete() const { return ContentIncomplete; }

  // The size and content, kept aside so that a step that fails can put the picture back.
  struct Kept {
    int Width = DefaultSize;
    int Height = DefaultSize;
    std::vector<DrawOperation> Content;
    bool Incomplete = false;
  };
  Kept Keep() const { return {PictureWidth, PictureHeight, Content, ContentIncomplete}; }
  // Puts back what Keep gave; a canvas still open is dropped.
  void Restore(const Kept& Picture);

  // The content as an Enhanced Metafile and as a placeable Windows Metafile.
  std::vector<std::uint8_t> EmfBytes() const;
  std::vector<std::uint8_t> WmfBytes() const;
  // Writes the Enhanced Metafile, or the Windows Metafile when the name ends in ".wmf" in any
  // letter case. Throws DocumentError when the file cannot be written; an existing file then
  // stays as it was.
  void SaveToFile(const std::string& FileName) const;
  static bool IsWmfName(std::string_view FileName);
  // Writes an exported picture file: refuses a read-only file (by its permission bits, so also
  // for a privileged user) and otherwise replaces the file atomically. Throws DocumentError
  // "Cannot create file ..." and leaves any existing file as it was.
  static void WritePictureBytes(const std::string& FileName, std::string_view Bytes);

 private:
  void CloseCanvas();

  std::unique_ptr<TMetaCanvas> Open;
  bool IsDrawing = false;
  int PictureWidth = DefaultSize;
  int PictureHeight = DefaultSize;
  std::string Creator;
  std::string DescriptionText;
  std::vector<DrawOperation> Content;
  bool ContentIncomplete = false;
};

}  // namespace vornic
