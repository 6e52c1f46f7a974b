#include "games/TypedText.h"

#include <cstdint>
#include <cstdio>

namespace vornic {
namespace {

bool IsControl(char32_t C) {
  return C < 0x20 || (C >= 0x7F && C <= 0x9F);
}

std::string ControlMessage(char32_t C) {
  char Code[16];
  std::snprintf(Code, sizeof Code, "U+%04X", static_cast<unsigned>(C));
  return std::string("The text holds the control character ") + Code +
         ". Only printable characters can be part of a puzzle.";
}

}  // namespace

TypedText ReadTypedText(const CodePage& Page, std::string_view Utf8) {
  TypedText Result;
  for (char32_t C : Utf8ToUtf32(Utf8)) {
    if (IsControl(C)) {
      Result.Refusal = ControlMessage(C);
      return Result;
    }
  }
  const CodePage::EncodeResult Encoded = Page.Encode(Utf8);
  if (!Encoded.Ok()) {
    Result.Refusal = Page.RefusalMessage(Encoded.Unencodable);
    return Result;
  }
  Result.Bytes = Page.Upper(Encoded.Bytes);
  return Result;
}

std::string ControlCharacterRefusal(std::string_view Bytes) {
  // Only the ASCII controls: in the single-byte code pages 0x80 to 0x9F are printable.
  for (char C : Bytes) {
    const auto Byte = static_cast<std::uint8_t>(C);
    if (Byte < 0x20 || Byte == 0x7F) return ControlMessage(Byte);
  }
  return {};
}

bool IsBlankText(std::string_view Bytes) {
  return Bytes.find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace vornic
