#include "picture/TDrawMetaFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "base/AtomicFile.h"
#include "base/CodePage.h"
#include "base/DocumentError.h"
#include "picture/EmfWriter.h"
#include "picture/PictureFormat.h"
#include "picture/WmfWriter.h"

namespace vornic {

TDrawMetaFile::TDrawMetaFile() {
  Create(PictureCreator, {});
}

TDrawMetaFile::TDrawMetaFile(const std::string& CreatedBy, const std::string& Description) {
  Create(CreatedBy, Description);
}

TDrawMetaFile::~TDrawMetaFile() {
  EndDraw();
}

void TDrawMetaFile::Create(const std::string& CreatedBy, const std::string& Description) {
  Open.reset();
  IsDrawing = false;
  PictureWidth = DefaultSize;
  PictureHeight = DefaultSize;
  Creator = CreatedBy;
  DescriptionText = Description;
  Font = TFont{};
  Content.clear();
  ContentIncomplete = false;
}

void TDrawMetaFile::BeginDraw() {
  if (IsDrawing) return;
  // A canvas left open by Restart outside a recording is dropped unclosed: its drawing never
  // became the content.
  Open = std::make_unique<TMetaCanvas>(Font);
  IsDrawing = true;
}

void TDrawMetaFile::EndDraw() {
  if (!IsDrawing) return;
  CloseCanvas();
  IsDrawing = false;
}

void TDrawMetaFile::Restart() {
  CloseCanvas();
  Open = std::make_unique<TMetaCanvas>(Font);
}

void TDrawMetaFile::CloseCanvas() {
  if (!Open) return;
  ContentIncomplete = Open->Overflowed();
  Content = Open->TakeOperations();
  Open.reset();
}

void TDrawMetaFile::SetSize(int NewWidth, int NewHeight) {
  PictureWidth = std::max(NewWidth, 0);
  PictureHeight = std::max(NewHeight, 0);
}

void TDrawMetaFile::Restore(const Kept& Picture) {
  Open.reset();
  IsDrawing = false;
  SetSize(Picture.Width, Picture.Height);
  Content = Picture.Content;
  ContentIncomplete = Picture.Incomplete;
}

void TDrawMetaFile::DrawLetters(std::string_view Text) {
  DrawLettersAt(0, Text);
}

void TDrawMetaFile::DrawLettersAt(int Top, std::string_view Text) {
  if (!Open) return;
  TMetaCanvas& Target = *Open;
  const int CellsPerLine = std::max(1, (PictureWidth - 2) / CellSize);
  const CodePage& Codes = CodePage::ForCharset(Target.Font.Charset);
  const TBrushStyle KeptStyle = Target.Brush.Style;
  Target.Brush.Style = TBrushStyle::Clear;
  // Each run of filled cells in a line is one text with a letter and a space per cell, so every
  // reader keeps the letters in their cells and a copied text reads naturally.
  std::u32string Run;
  const auto Count = static_cast<int>(Text.size());
  for (int Line = 0; Line * CellsPerLine < Count; ++Line) {
    const int First = Line * CellsPerLine;
    const int Last = std::min(Count, First + CellsPerLine);
    for (int Cell = First; Cell < Last;) {
      if (Text[static_cast<std::size_t>(Cell)] == ' ') {
        ++Cell;
        continue;
      }
      const int Start = Cell;
      Run.clear();
      for (; Cell < Last && Text[static_cast<std::size_t>(Cell)] != ' '; ++Cell) {
        if (!Run.empty()) Run += U' ';
        const auto Byte = static_cast<std::uint8_t>(Text[static_cast<std::size_t>(Cell)]);
        Run += Codes.ToUnicode(Byte).value_or(U'\uFFFD');
      }
      Target.TextOutUnicode(LettersLeft + CellSize * (Start - First),
                            Top + LettersTop + CellSize * Line, Run, CellSize / 2);
    }
  }
  Target.Brush.Style = KeptStyle;
}

std::vector<std::uint8_t> TDrawMetaFile::EmfBytes() const {
  return WriteEmf(*this);
}

std::vector<std::uint8_t> TDrawMetaFile::WmfBytes() const {
  return WriteWmf(*this);
}

bool TDrawMetaFile::IsWmfName(std::string_view FileName) {
  return PictureFormatOf(FileName) == PictureFormat::Wmf;
}

void TDrawMetaFile::WritePictureBytes(const std::string& FileName, std::string_view Bytes) {
  WriteFileAtomically(FileName, Bytes);
}

void TDrawMetaFile::SaveToFile(const std::string& FileName) const {
  const std::vector<std::uint8_t> Bytes = IsWmfName(FileName) ? WmfBytes() : EmfBytes();
  WritePictureBytes(FileName,
                    std::string_view(reinterpret_cast<const char*>(Bytes.data()), Bytes.size()));
}

}  // namespace vornic
