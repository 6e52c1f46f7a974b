#include "picture/WmfWriter.h"

extern "C" {
#include <uwmf.h>
}

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "base/CodePage.h"
#include "base/DocumentError.h"
#include "picture/MetafilePlayer.h"
#include "picture/PictureLimits.h"
#include "picture/TDrawMetaFile.h"

namespace vornic {
namespace {

constexpr std::size_t PlaceableSize = U_SIZE_WMRPLACEABLE;

U_COLORREF ToColorRef(TColor Color) {
  return colorref3_set(static_cast<std::uint8_t>(Color & 0xFF),
                       static_cast<std::uint8_t>((Color >> 8) & 0xFF),
                       static_cast<std::uint8_t>((Color >> 16) & 0xFF));
}

// WMF coordinates are 16-bit; pictures are far smaller, but a damaged value must not wrap.
std::int16_t Clamp16(int Value) {
  return static_cast<std::int16_t>(std::clamp(Value, -32768, 32767));
}

U_POINT16 Point(int X, int Y) {
  return point16_set(Clamp16(X), Clamp16(Y));
}

std::uint32_t ReadU32(const std::uint8_t* At) {
  return std::uint32_t{At[0]} | std::uint32_t{At[1]} << 8 | std::uint32_t{At[2]} << 16 |
         std::uint32_t{At[3]} << 24;
}

void WriteU16(std::uint8_t* At, std::uint32_t Value) {
  At[0] = static_cast<std::uint8_t>(Value & 0xFF);
  At[1] = static_cast<std::uint8_t>((Value >> 8) & 0xFF);
}

// libUEMF 0.2.8 counts the placeable record in the header's file size and largest record;
// both are recomputed from the records themselves.
void CorrectHeader(std::vector<std::uint8_t>& Bytes) {
  if (Bytes.size() < PlaceableSize + 18) return;
  std::uint8_t* Header = Bytes.data() + PlaceableSize;
  const std::size_t HeaderWords = std::size_t{Header[2]} | std::size_t{Header[3]} << 8;
  const std::size_t FileWords = (Bytes.size() - PlaceableSize) / 2;
  WriteU16(Header + 6, static_cast<std::uint32_t>(FileWords & 0xFFFF));
  WriteU16(Header + 8, static_cast<std::uint32_t>(FileWords >> 16));
  std::uint32_t Largest = 0;
  for (std::size_t At = PlaceableSize + HeaderWords * 2; At + 6 <= Bytes.size();) {
    const std::uint32_t Words = ReadU32(Bytes.data() + At);
    if (Words < 3) break;
    Largest = std::max(Largest, Words);
    At += std::size_t{Words} * 2;
  }
  WriteU16(Header + 12, Largest & 0xFFFF);
  WriteU16(Header + 14, Largest >> 16);
}

// The record buffer and object table, freed on every path out, a failing constructor's too.
// libUEMF closes the file it opened only when it finishes, so an unfinished one is closed here.
struct TrackFree {
  void operator()(WMFTRACK* Track) const {
    if (Track->fp) std::fclose(Track->fp);
    Track->fp = nullptr;
    wmf_free(&Track);
  }
};
struct HandlesFree {
  void operator()(WMFHANDLES* Handles) const { wmf_htable_free(&Handles); }
};

class WmfSink : public MetafileSink {
 public:
  explicit WmfSink(const TDrawMetaFile& Picture) {
    // libUEMF always opens a path; the finished bytes are read from its buffer instead, which
    // starts near the size the picture needs and grows in large steps.
    const std::size_t Expected = EstimatedMetafileBytes(Picture);
    WMFTRACK* NewTrack = nullptr;
    if (wmf_start("/dev/null", static_cast<std::uint32_t>(Expected),
                  static_cast<std::uint32_t>(std::max<std::size_t>(Expected / 4, 65536)),
                  &NewTrack) != 0)
      Fail();
    Track.reset(NewTrack);
    WMFHANDLES* NewHandles = nullptr;
    if (wmf_htable_create(128, 128, &NewHandles) != 0) Fail();
    Handles.reset(NewHandles);
    const int W = std::max(Picture.Width(), 1);
    const int H = std::max(Picture.Height(), 1);
    std::unique_ptr<U_PAIRF, decltype(&std::free)> Size(
        U_PAIRF_set(static_cast<float>(W) / PicturePixelsPerInch,
                    static_cast<float>(H) / PicturePixelsPerInch),
        &std::free);
    if (!Size) Fail();
    char* Header = U_WMRHEADER_set(Size.get(), PicturePixelsPerInch);
    if (!Header) Fail();
    const std::unique_ptr<char, decltype(&std::free)> OwnedHeader(Header, &std::free);
    if (wmf_header_append(reinterpret_cast<U_METARECORD*>(Header), Track.get(), U_REC_KEEP)) Fail();
    Append(U_WMRSETWINDOWORG_set(Point(0, 0)));
    Append(U_WMRSETWINDOWEXT_set(Point(W, H)));
    Append(U_WMRSETTEXTALIGN_set(U_TA_TOP | U_TA_LEFT | U_TA_NOUPDATECP));
  }

  std::vector<std::uint8_t> Finish() {
    Append(U_WMREOF_set());
    if (wmf_finish(Track.get()) != 0) Fail();
    const auto* Begin = reinterpret_cast<const std::uint8_t*>(Track->buf);
    std::vector<std::uint8_t> Bytes(Begin, Begin + Track->used);
    CorrectHeader(Bytes);
    return Bytes;
  }

  Handle CreatePen(const TPen& Pen) override {
    return Create([&](std::uint32_t* Object) {
      return wcreatepenindirect_set(
          Object, Handles.get(),
          U_PEN_set(U_PS_SOLID, static_cast<std::uint16_t>(std::clamp(Pen.Width, 1, 255)),
                    ToColorRef(Pen.Color)));
    });
  }
  // WMF has no stock objects: the null pen is a created one.
  Handle CreateNullPen() override {
    return Create([&](std::uint32_t* Object) {
      return wcreatepenindirect_set(Object, Handles.get(), U_PEN_set(U_PS_NULL, 1, ToColorRef(0)));
    });
  }
  Handle CreateBrush(const TBrush& Brush) override {
    return Create([&](std::uint32_t* Object) {
      return wcreatebrushindirect_set(
          Object, Handles.get(),
          U_WLOGBRUSH_set(Brush.Style == TBrushStyle::Clear ? U_BS_NULL : U_BS_SOLID,
                          ToColorRef(Brush.Color), 0));
    });
  }
  Handle CreateFont(const TFont& Font) override {
    std::string Face = Font.Name.substr(0, 31);
    std::unique_ptr<U_FONT, decltype(&std::free)> Logical(
        U_FONT_set(Clamp16(-Font.PixelHeight()), 0, 0, 0,
                   static_cast<std::int16_t>(Font.Bold ? U_FW_BOLD : U_FW_NORMAL),
                   Font.Italic ? 1 : 0, Font.Underline ? 1 : 0, Font.StrikeOut ? 1 : 0,
                   Font.Charset, U_OUT_DEFAULT_PRECIS, U_CLIP_DEFAULT_PRECIS, U_DEFAULT_QUALITY,
                   U_FIXED_PITCH | U_FF_MODERN, Face.data()),
        &std::free);
    if (!Logical) Fail();
    return Create([&](std::uint32_t* Object) {
      return wcreatefontindirect_set(Object, Handles.get(), Logical.get());
    });
  }
  void Select(Handle Object) override { Append(wselectobject_set(Object, Handles.get())); }
  void Delete(Handle Object) override {
    std::uint32_t Victim = Object;
    Append(wdeleteobject_set(&Victim, Handles.get()));
  }
  void SelectDefaults() override {}

  void SetBackgroundMode(bool Transparent) override {
    Append(U_WMRSETBKMODE_set(Transparent ? U_TRANSPARENT : U_OPAQUE));
  }
  void SetBackgroundColor(TColor Color) override { Append(U_WMRSETBKCOLOR_set(ToColorRef(Color))); }
  void SetTextColor(TColor Color) override { Append(U_WMRSETTEXTCOLOR_set(ToColorRef(Color))); }

  void Rectangle(int Left, int Top, int Right, int Bottom) override {
    Append(U_WMRRECTANGLE_set(U_RECT16_set(Point(Left, Top), Point(Right, Bottom))));
  }
  void MoveTo(TPoint To) override { Append(U_WMRMOVETO_set(Point(To.X, To.Y))); }
  void LineTo(TPoint To) override { Append(U_WMRLINETO_set(Point(To.X, To.Y))); }
  void Polyline(const std::vector<TPoint>& Points) override {
    std::vector<U_POINT16> Converted;
    for (const TPoint& P : Points) Converted.push_back(Point(P.X, P.Y));
    Converted.resize(std::min<std::size_t>(Converted.size(), 0x7FFF));
    Append(U_WMRPOLYLINE_set(static_cast<std::uint16_t>(Converted.size()), Converted.data()));
  }
  void Text(TPoint At, std::u32string_view Characters, int Advance, const TFont& Font) override {
    // WMF text is in the code page of the font's character set.
    const CodePage& Codes = CodePage::ForCharset(Font.Charset);
    std::string Bytes;
    for (char32_t C : Characters) Bytes += static_cast<char>(Codes.FromUnicode(C).value_or('?'));
    Bytes.resize(std::min<std::size_t>(Bytes.size(), 0x7FFF));
    std::vector<std::int16_t> Advances(Bytes.size(), Clamp16(Advance));
    Append(U_WMREXTTEXTOUT_set(Point(At.X, At.Y), static_cast<std::int16_t>(Bytes.size()), 0,
                               Bytes.data(), Advances.data(),
                               U_RECT16_set(Point(0, 0), Point(0, 0))));
  }

 private:
  [[noreturn]] static void Fail() {
    throw DocumentError("Cannot build the picture: out of memory");
  }
  template <typename Make>
  Handle Create(Make&& Builder) {
    std::uint32_t Object = 0;
    Append(Builder(&Object));
    return Object;
  }
  // The record is copied into the buffer and freed here, also when appending fails (libUEMF
  // frees it only on success).
  void Append(char* Record) {
    if (!Record) Fail();
    const std::unique_ptr<char, decltype(&std::free)> Owned(Record, &std::free);
    if (wmf_append(reinterpret_cast<U_METARECORD*>(Record), Track.get(), U_REC_KEEP) != 0) Fail();
  }

  std::unique_ptr<WMFTRACK, TrackFree> Track;
  std::unique_ptr<WMFHANDLES, HandlesFree> Handles;
};

}  // namespace

std::vector<std::uint8_t> WriteWmf(const TDrawMetaFile& Picture) {
  CheckPicture(Picture, PictureFormat::Wmf);
  WmfSink Sink(Picture);
  PlayIntoMetafile(Picture, Sink);
  return Sink.Finish();
}

}  // namespace vornic
