#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "picture/DrawTypes.h"

namespace vornic {

// The GDI calls a metafile format records, in picture units. MetafilePlayer turns a picture's
// operations into these calls, keeping GDI's object discipline (create, select, delete); the
// EMF and WMF writers implement them with libUEMF records. Object handles are the format's own.
class MetafileSink {
 public:
  using Handle = std::uint32_t;
  virtual ~MetafileSink() = default;

  virtual Handle CreatePen(const TPen& Pen) = 0;
  virtual Handle CreateNullPen() = 0;
  virtual Handle CreateBrush(const TBrush& Brush) = 0;
  virtual Handle CreateFont(const TFont& Font) = 0;
  virtual void Select(Handle Object) = 0;
  virtual void Delete(Handle Object) = 0;
  // Selects the format's default objects so that the created ones can be deleted at the end.
  virtual void SelectDefaults() = 0;

  virtual void SetBackgroundMode(bool Transparent) = 0;
  virtual void SetBackgroundColor(TColor Color) = 0;
  virtual void SetTextColor(TColor Color) = 0;

  virtual void Rectangle(int Left, int Top, int Right, int Bottom) = 0;
  virtual void MoveTo(TPoint To) = 0;
  virtual void LineTo(TPoint To) = 0;
  virtual void Polyline(const std::vector<TPoint>& Points) = 0;
  // Text at its top-left corner, character i advanced by Advance units; Font is the selected one.
  virtual void Text(TPoint At, std::u32string_view Characters, int Advance, const TFont& Font) = 0;
};

}  // namespace vornic
