#include "picture/EmfWriter.h"

extern "C" {
#include <uemf.h>
}

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "base/DocumentError.h"
#include "picture/MetafilePlayer.h"
#include "picture/PictureLimits.h"
#include "picture/TDrawMetaFile.h"

namespace vornic {
namespace {

// The reference device: a 96 pixels per inch screen (1920 x 1440 pixels on 508 x 381 mm).
constexpr std::int32_t DevicePixelsX = 1920;
constexpr std::int32_t DevicePixelsY = 1440;
constexpr std::int32_t DeviceMillimetresX = 508;
constexpr std::int32_t DeviceMillimetresY = 381;
// Hundredths of a millimetre per picture unit.
constexpr double HundredthsPerUnit = 2540.0 / PicturePixelsPerInch;

U_COLORREF ToColorRef(TColor Color) {
  return colorref3_set(static_cast<std::uint8_t>(Color & 0xFF),
                       static_cast<std::uint8_t>((Color >> 8) & 0xFF),
                       static_cast<std::uint8_t>((Color >> 16) & 0xFF));
}

std::u16string ToUtf16(std::u32string_view Text, std::vector<std::uint32_t>* Advances,
                       int Advance) {
  std::u16string Result;
  Result.reserve(Text.size());
  for (char32_t C : Text) {
    if (C >= 0x10000 && C <= 0x10FFFF) {
      const char32_t V = C - 0x10000;
      Result += static_cast<char16_t>(0xD800 + (V >> 10));
      Result += static_cast<char16_t>(0xDC00 + (V & 0x3FF));
      if (Advances) {
        Advances->push_back(static_cast<std::uint32_t>(Advance));
        Advances->push_back(0);
      }
    } else {
      Result += static_cast<char16_t>(C > 0xFFFF ? 0xFFFD : C);
      if (Advances) Advances->push_back(static_cast<std::uint32_t>(Advance));
    }
  }
  return Result;
}

// The record buffer and object table, freed on every path out, a failing constructor's too.
// libUEMF closes the file it opened only when it finishes, so an unfinished one is closed here.
struct TrackFree {
  void operator()(EMFTRACK* Track) const {
    if (Track->fp) std::fclose(Track->fp);
    Track->fp = nullptr;
    emf_free(&Track);
  }
};
struct HandlesFree {
  void operator()(EMFHANDLES* Handles) const { emf_htable_free(&Handles); }
};

class EmfSink : public MetafileSink {
 public:
  explicit EmfSink(const TDrawMetaFile& Picture) {
    // libUEMF always opens a path; the finished bytes are read from its buffer instead. The
    // buffer starts near the size the picture needs and grows in large steps, so a large
    // picture is not copied over and over as it grows.
    const std::size_t Expected = EstimatedMetafileBytes(Picture);
    EMFTRACK* NewTrack = nullptr;
    if (emf_start("/dev/null", static_cast<std::uint32_t>(Expected),
                  static_cast<std::uint32_t>(std::max<std::size_t>(Expected / 4, 65536)),
                  &NewTrack) != 0)
      Fail();
    Track.reset(NewTrack);
    EMFHANDLES* NewHandles = nullptr;
    if (emf_htable_create(128, 128, &NewHandles) != 0) Fail();
    Handles.reset(NewHandles);
    const int W = std::max(Picture.Width(), 1);
    const int H = std::max(Picture.Height(), 1);
    const U_RECTL Bounds = rectl_set(pointl_set(0, 0), pointl_set(W - 1, H - 1));
    const U_RECTL Frame =
        rectl_set(pointl_set(0, 0), pointl_set(static_cast<std::int32_t>(W * HundredthsPerUnit),
                                               static_cast<std::int32_t>(H * HundredthsPerUnit)));
    // The description: creator NUL description NUL NUL.
    std::u16string Description;
    for (const std::string* Part : {&Picture.CreatedBy(), &Picture.Description()}) {
      for (unsigned char C : *Part) Description += static_cast<char16_t>(C);
      Description += u'\0';
    }
    Description += u'\0';
    Append(U_EMRHEADER_set(Bounds, Frame, nullptr, static_cast<U_CBSTR>(Description.size()),
                           reinterpret_cast<std::uint16_t*>(Description.data()),
                           sizel_set(DevicePixelsX, DevicePixelsY),
                           sizel_set(DeviceMillimetresX, DeviceMillimetresY), 0));
    Append(U_EMRSETMAPMODE_set(U_MM_TEXT));
    Append(U_EMRSETTEXTALIGN_set(U_TA_TOP | U_TA_LEFT | U_TA_NOUPDATECP));
  }

  std::vector<std::uint8_t> Finish() {
    Append(U_EMREOF_set(0, nullptr, Track.get()));
    if (emf_finish(Track.get(), Handles.get()) != 0) Fail();
    const auto* Begin = reinterpret_cast<const std::uint8_t*>(Track->buf);
    return {Begin, Begin + Track->used};
  }

  Handle CreatePen(const TPen& Pen) override {
    std::uint32_t Object = 0;
    if (Pen.Width <= 1) {
      Append(createpen_set(&Object, Handles.get(),
                           logpen_set(U_PS_SOLID, point_set(1, 0), ToColorRef(Pen.Color))));
    } else {
      // A geometric pen: readers draw a plain CREATEPEN one pixel wide whatever its width.
      std::unique_ptr<U_EXTLOGPEN, decltype(&std::free)> Logical(
          extlogpen_set(U_PS_GEOMETRIC | U_PS_SOLID | U_PS_ENDCAP_ROUND | U_PS_JOIN_ROUND,
                        static_cast<std::uint32_t>(Pen.Width), U_BS_SOLID, ToColorRef(Pen.Color), 0,
                        0, nullptr),
          &std::free);
      if (!Logical) Fail();
      Append(extcreatepen_set(&Object, Handles.get(), nullptr, 0, nullptr, Logical.get()));
    }
    return Object;
  }
  Handle CreateNullPen() override { return U_NULL_PEN; }
  Handle CreateBrush(const TBrush& Brush) override {
    std::uint32_t Object = 0;
    const U_LOGBRUSH Logical = logbrush_set(
        Brush.Style == TBrushStyle::Clear ? U_BS_NULL : U_BS_SOLID, ToColorRef(Brush.Color), 0);
    Append(createbrushindirect_set(&Object, Handles.get(), Logical));
    return Object;
  }
  Handle CreateFont(const TFont& Font) override {
    std::u16string Face(Font.Name.begin(), Font.Name.end());
    Face.resize(U_LF_FACESIZE - 1);
    Face.push_back(u'\0');
    const U_LOGFONT Logical =
        logfont_set(-Font.PixelHeight(), 0, 0, 0, Font.Bold ? U_FW_BOLD : U_FW_NORMAL,
                    Font.Italic ? 1 : 0, Font.Underline ? 1 : 0, Font.StrikeOut ? 1 : 0,
                    Font.Charset, U_OUT_DEFAULT_PRECIS, U_CLIP_DEFAULT_PRECIS, U_DEFAULT_QUALITY,
                    U_FIXED_PITCH | U_FF_MODERN, reinterpret_cast<std::uint16_t*>(Face.data()));
    std::uint32_t Object = 0;
    // A plain LOGFONT (the first argument); the second would be read as the larger
    // LOGFONT_PANOSE.
    Append(extcreatefontindirectw_set(&Object, Handles.get(),
                                      reinterpret_cast<const char*>(&Logical), nullptr));
    return Object;
  }
  void Select(Handle Object) override { Append(selectobject_set(Object, Handles.get())); }
  void Delete(Handle Object) override {
    if (Object & U_STOCK_OBJECT) return;
    std::uint32_t Victim = Object;
    Append(deleteobject_set(&Victim, Handles.get()));
  }
  void SelectDefaults() override {
    Select(U_BLACK_PEN);
    Select(U_WHITE_BRUSH);
    Select(U_SYSTEM_FONT);
  }

  void SetBackgroundMode(bool Transparent) override {
    Append(U_EMRSETBKMODE_set(Transparent ? U_TRANSPARENT : U_OPAQUE));
  }
  void SetBackgroundColor(TColor Color) override { Append(U_EMRSETBKCOLOR_set(ToColorRef(Color))); }
  void SetTextColor(TColor Color) override { Append(U_EMRSETTEXTCOLOR_set(ToColorRef(Color))); }

  void Rectangle(int Left, int Top, int Right, int Bottom) override {
    Append(U_EMRRECTANGLE_set(rectl_set(pointl_set(Left, Top), pointl_set(Right, Bottom))));
  }
  void MoveTo(TPoint To) override { Append(U_EMRMOVETOEX_set(pointl_set(To.X, To.Y))); }
  void LineTo(TPoint To) override { Append(U_EMRLINETO_set(pointl_set(To.X, To.Y))); }
  void Polyline(const std::vector<TPoint>& Points) override {
    std::vector<U_POINTL> Converted;
    Converted.reserve(Points.size());
    int Left = Points.front().X, Right = Left, Top = Points.front().Y, Bottom = Top;
    for (const TPoint& P : Points) {
      Converted.push_back(pointl_set(P.X, P.Y));
      Left = std::min(Left, P.X);
      Right = std::max(Right, P.X);
      Top = std::min(Top, P.Y);
      Bottom = std::max(Bottom, P.Y);
    }
    Append(U_EMRPOLYLINE_set(rectl_set(pointl_set(Left, Top), pointl_set(Right, Bottom)),
                             static_cast<std::uint32_t>(Converted.size()), Converted.data()));
  }
  void Text(TPoint At, std::u32string_view Characters, int Advance, const TFont& Font) override {
    std::vector<std::uint32_t> Advances;
    std::u16string Units = ToUtf16(Characters, &Advances, Advance);
    const auto Count = static_cast<std::int32_t>(Units.size());
    const U_RECTL Box =
        rectl_set(pointl_set(At.X, At.Y),
                  pointl_set(At.X + Count * Advance - 1, At.Y + Font.PixelHeight() + 2));
    std::unique_ptr<char, decltype(&std::free)> Text(
        emrtext_set(pointl_set(At.X, At.Y), static_cast<U_NUM_STR>(Count), 2, Units.data(),
                    U_ETO_NONE, rectl_set(pointl_set(0, 0), pointl_set(-1, -1)), Advances.data()),
        &std::free);
    if (!Text) Fail();
    // The record builder rewrites offsets inside the text it is given: it is used once only.
    const auto Scale = static_cast<U_FLOAT>(HundredthsPerUnit);
    Append(U_EMREXTTEXTOUTW_set(Box, U_GM_COMPATIBLE, Scale, Scale,
                                reinterpret_cast<PU_EMRTEXT>(Text.get())));
  }

 private:
  [[noreturn]] static void Fail() {
    throw DocumentError("Cannot build the picture: out of memory");
  }
  // Every record builder returns a new record or null; the record is copied into the buffer
  // and freed here, also when appending fails (libUEMF frees it only on success).
  void Append(char* Record) {
    if (!Record) Fail();
    const std::unique_ptr<char, decltype(&std::free)> Owned(Record, &std::free);
    if (emf_append(reinterpret_cast<U_ENHMETARECORD*>(Record), Track.get(), U_REC_KEEP) != 0)
      Fail();
  }

  std::unique_ptr<EMFTRACK, TrackFree> Track;
  std::unique_ptr<EMFHANDLES, HandlesFree> Handles;
};

}  // namespace

std::vector<std::uint8_t> WriteEmf(const TDrawMetaFile& Picture) {
  CheckPicture(Picture, PictureFormat::Emf);
  EmfSink Sink(Picture);
  PlayIntoMetafile(Picture, Sink);
  return Sink.Finish();
}

}  // namespace vornic
