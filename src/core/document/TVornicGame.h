#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/CodePage.h"
#include "base/EmptyChar.h"
#include "base/LetterCase.h"
#include "base/UserInterface.h"
#include "document/TGridSettings.h"
#include "document/WordEntry.h"
#include "document/WordList.h"
#include "picture/TDrawMetaFile.h"

namespace vornic {

// The document of one puzzle: cells, word list, grid settings, character set, file name and
// modified state. Runs the New, Open, Save, Save As and save-changes flows through the
// UserInterface it is given. Cells and word entries are bytes of the code page that
// Settings.Charset chooses.
class TVornicGame {
 public:
  // Called when a file being opened belongs to another game (file name, type name read).
  using WrongTypeHandler =
      std::function<void(const std::string& FileName, const std::string& GameType)>;

  TVornicGame();
  TVornicGame(const TVornicGame&) = delete;
  TVornicGame& operator=(const TVornicGame&) = delete;

  std::string Grid;
  std::string FileName;
  std::string Letters;
  TGridSettings Settings;
  WordList Words;
  bool Modified = false;
  // The puzzle picture; its description is GameName (set by Init).
  TDrawMetaFile MetaFile;
  // Told each time the picture changed: a recording ended, or New, Open or ClearPicture emptied
  // it. A window's preview follows the document from here.
  std::function<void()> OnPictureChanged;
  // Told when the document took a puzzle anew (New, or a file by Open), and
  // when it was written to its file (SaveToFile, whichever flow called it): where a window's
  // record of the steps taken starts again, and where it is saved.
  std::function<void()> OnReplaced;
  std::function<void()> OnSaved;
  // The window whose caption shows the file name; null for a document without a window.
  UserInterface* CaptionWindow = nullptr;
  // Where dialogs and messages go: the window's, or for a windowless document the caller's.
  UserInterface* Ui = nullptr;
  std::string LastDir;
  std::string GameName;
  WrongTypeHandler OnWrongType;
  // How SaveImage writes the chosen file, and the filters its dialog offers after the EMF one
  // ("|"-separated description and pattern pairs). Unset: MetaFile.SaveToFile (EMF, or WMF for
  // a ".wmf" name). The window program sets a writer that also knows SVG, PDF and PNG; a writer
  // throws DocumentError when it cannot write.
  std::function<void(const TDrawMetaFile& Picture, const std::string& FileName)> ImageWriter;
  std::string MoreImageFilters;

  // Set-up: remembers the game and its window, default settings on a 5 x 5 grid, makes sure
  // the settings file holds the default character set (a failure there is told, not fatal).
  void Init(const std::string& NewGameName, UserInterface* Window);

  // Flows. Each returns false when the user cancelled or the step failed (the failure was told).
  [[nodiscard]] bool New();
  [[nodiscard]] bool Open(const std::string& Name = {});
  [[nodiscard]] bool Save();
  [[nodiscard]] bool SaveAs();
  [[nodiscard]] bool CloseQuery();
  // Throws DocumentError for an unreadable or damaged file (the document is unchanged); returns
  // false after handing a file of another game to OnWrongType.
  [[nodiscard]] bool LoadFromFile(const std::string& Name);
  // The same for the bytes of a file already read; Name is the file name the document takes.
  [[nodiscard]] bool LoadFromBytes(std::string_view Bytes, const std::string& Name);
  // Throws DocumentError when the file cannot be written; the previous file stays intact and
  // Modified stays as it was.
  void SaveToFile();

  // Cells and words. Coordinates count from 1; a cell outside the grid reads as EmptyChar and
  // is never written.
  void ClearGrid();
  char GetCell(int X, int Y) const;
  void SetCell(int X, int Y, char C);
  void SetGrid(const std::string& Text);
  void AddWord(const std::string& Word, const std::string& Path);
  void ListWords(std::vector<std::string>& Strings) const;
  std::string WordCells(int Index) const;
  void FillBlanks();
  static std::string BlanksToSpaces(std::string Text);
  void SetDefaults();
  void LoadCharset();
  // Takes settings edited in the grid settings dialog: marks the document modified and reloads
  // its letters; a new size clears the grid and resizes the picture. Returns whether the size
  // changed.
  bool ApplySettings(const TGridSettings& Edited);

  // Grid size; false (nothing changed) when a value does not fit its 16-bit field.
  bool SetSize(long long Cols, long long Rows);
  bool InGrid(int X, int Y) const;
  // The code page of the document's cells and words.
  const CodePage& Codes() const { return CodePage::ForCharset(Settings.Charset); }
  // How its letters become capitals: by the language of its code page and character set.
  const LetterCase& Case() const;
  // The file name without its folder, or "Untitled" for an untitled document.
  std::string DisplayName() const;

  // Picture (TVornicGamePicture.cpp). Picture size := Cols x 16 + 5 by Rows x 16 + 5.
  void ResizeImage();
  // Empties the picture, size kept: the document shows nothing until its game draws again.
  void ClearPicture();
  // The whole standard grid picture; with Commit it opens and closes the recording itself,
  // without it the caller has called MetaFile.BeginDraw and will call EndDraw.
  void DrawGrid(bool Commit);
  // Shadow, frame and grid lines on the open canvas.
  void DrawBackground();
  // The standard picture with entry Index highlighted; false (nothing drawn) for a negative
  // Index. Cells of a damaged path are skipped.
  [[nodiscard]] bool ShowWord(int Index);
  // A 2-unit line in Color through the centres of the cells of entry Index, on the open canvas;
  // the pen keeps that colour and width. Stops at the first cell outside the grid.
  void DrawWordLine(int Index, TColor Color);
  // Save dialog, then MetaFile.SaveToFile; a failure is told and leaves any file as it was.
  void SaveImage();
  // Grid as a TAB / CR LF table on the clipboard (empty cells kept as 0x19).
  void CopyAsText();

 private:
  // The cells of entry Index's path, one per letter at most, unchecked against the grid.
  std::vector<GridCell> EntryCells(int Index) const;
  // The standard picture of Cells (a grid of this document's size) on a fresh canvas of the
  // open recording.
  void DrawGridOf(const std::string& Cells);
  void SetCaption(const std::string& Caption);
  // Tells Message unless some document of this program has told it already.
  void TellOnce(const std::string& Message);
  // Tells a failure to the user when there is someone to tell; otherwise rethrows it.
  void Report(const std::exception& Failure);
};

// The open dialog for game files, starting in Folder: the chosen file, nothing when cancelled.
std::optional<std::string> ChooseGameFile(UserInterface& Ui, const std::string& Folder);
// The game type name that the file Name starts with, read without reading the rest. Throws
// DocumentError, with the message of a document's Open, when the file cannot be read or has no
// readable type name.
std::string ReadGameFileType(const std::string& Name);

// Path bytes of a word entry for a cell: column + 100, then row + 100.
std::string PathBytes(int X, int Y);

}  // namespace vornic
