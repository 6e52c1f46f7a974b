#include "picture/MetafilePlayer.h"

#include <algorithm>
#include <optional>
#include <type_traits>

#include "picture/TDrawMetaFile.h"

namespace vornic {

std::size_t EstimatedMetafileBytes(const TDrawMetaFile& Picture) {
  // A header and a record per operation, a text's 2-byte characters and 4-byte advances, a
  // polyline's points; clamped so that the 32-bit sizes libUEMF takes cannot wrap.
  std::size_t Bytes = 4096 + 64 * Picture.Operations().size();
  for (const DrawOperation& Op : Picture.Operations()) {
    if (const auto* Text = std::get_if<draw::Text>(&Op)) Bytes += 8 * Text->Characters.size();
    if (const auto* Line = std::get_if<draw::Polyline>(&Op)) Bytes += 8 * Line->Points.size();
  }
  return std::min<std::size_t>(Bytes, std::size_t{1} << 30);
}

int NaturalAdvance(const TFont& Font) {
  return (Font.PixelHeight() * 6 + 5) / 10;
}

namespace {

// One selected object of a kind: its handle while it exists.
struct Selected {
  std::optional<MetafileSink::Handle> Object;
};

class Player {
 public:
  explicit Player(MetafileSink& Target) : Sink(Target) {}

  void operator()(const draw::SelectPen& Op) {
    Pen = Op.Pen;
    PenSelected = false;
  }
  void operator()(const draw::SelectBrush& Op) {
    Brush = Op.Brush;
    BrushSelected = false;
  }
  void operator()(const draw::SelectFont& Op) {
    Font = Op.Font;
    FontSelected = false;
  }
  void operator()(const draw::Rectangle& Op) {
    UsePen();
    UseBrush();
    Sink.Rectangle(Op.Left, Op.Top, Op.Right, Op.Bottom);
  }
  void operator()(const draw::FillRect& Op) {
    // GDI has no pen-less rectangle record: a null pen shrinks a rectangle by one unit on the
    // right and bottom, so the rectangle grows by one to fill exactly the brush area.
    if (!NullPen) NullPen = Sink.CreateNullPen();
    Sink.Select(*NullPen);
    PenSelected = false;
    UseBrush();
    Sink.Rectangle(Op.Left, Op.Top, Op.Right + 1, Op.Bottom + 1);
  }
  void operator()(const draw::MoveTo& Op) { Sink.MoveTo(Op.To); }
  void operator()(const draw::LineTo& Op) {
    UsePen();
    Sink.LineTo(Op.To);
  }
  void operator()(const draw::Polyline& Op) {
    UsePen();
    Sink.Polyline(Op.Points);
  }
  void operator()(const draw::Text& Op) {
    UseFont();
    const bool Transparent = Brush.Style == TBrushStyle::Clear;
    if (!Transparent && BackgroundColor != Brush.Color) {
      Sink.SetBackgroundColor(Brush.Color);
      BackgroundColor = Brush.Color;
    }
    if (BackgroundTransparent != Transparent) {
      Sink.SetBackgroundMode(Transparent);
      BackgroundTransparent = Transparent;
    }
    if (TextColor != Font.Color) {
      Sink.SetTextColor(Font.Color);
      TextColor = Font.Color;
    }
    Sink.Text(Op.At, Op.Characters, Op.Advance > 0 ? Op.Advance : NaturalAdvance(Font), Font);
  }

  void Finish() {
    Sink.SelectDefaults();
    for (Selected* Kind : {&PenObject, &BrushObject, &FontObject}) {
      if (Kind->Object) Sink.Delete(*Kind->Object);
    }
    if (NullPen) Sink.Delete(*NullPen);
  }

 private:
  // Creates the object, selects it, and deletes the one it replaces (no longer selected).
  template <typename Create>
  void Replace(Selected& Kind, Create&& Make) {
    const MetafileSink::Handle Made = Make();
    Sink.Select(Made);
    if (Kind.Object) Sink.Delete(*Kind.Object);
    Kind.Object = Made;
  }
  void UsePen() {
    if (PenSelected) return;
    if (!PenObject.Object || CreatedPen != Pen) {
      Replace(PenObject, [&] { return Sink.CreatePen(Pen); });
      CreatedPen = Pen;
    } else {
      Sink.Select(*PenObject.Object);  // back from the null pen of a FillRect
    }
    PenSelected = true;
  }
  void UseBrush() {
    if (BrushSelected) return;
    if (!BrushObject.Object || CreatedBrush != Brush) {
      Replace(BrushObject, [&] { return Sink.CreateBrush(Brush); });
      CreatedBrush = Brush;
    }
    BrushSelected = true;
  }
  void UseFont() {
    if (FontSelected) return;
    const bool SameLook = FontObject.Object && SameGdiFont(CreatedFont, Font);
    if (!SameLook) {
      Replace(FontObject, [&] { return Sink.CreateFont(Font); });
      CreatedFont = Font;
    }
    FontSelected = true;
  }
  // The colour is the text colour, not part of a GDI font.
  static bool SameGdiFont(TFont A, const TFont& B) {
    A.Color = B.Color;
    return A == B;
  }

  MetafileSink& Sink;
  TPen Pen;
  TBrush Brush;
  TFont Font;
  bool PenSelected = false;
  bool BrushSelected = false;
  bool FontSelected = false;
  TPen CreatedPen;
  TBrush CreatedBrush;
  TFont CreatedFont;
  Selected PenObject;
  Selected BrushObject;
  Selected FontObject;
  std::optional<MetafileSink::Handle> NullPen;
  // A device context starts opaque, white background, black text.
  bool BackgroundTransparent = false;
  TColor BackgroundColor = clWhite;
  TColor TextColor = clBlack;
};

}  // namespace

void PlayIntoMetafile(const TDrawMetaFile& Picture, MetafileSink& Sink) {
  Player Play(Sink);
  for (const DrawOperation& Op : Picture.Operations()) std::visit(Play, Op);
  Play.Finish();
}

}  // namespace vornic
