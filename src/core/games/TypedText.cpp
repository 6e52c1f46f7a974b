#include "games/TypedText.h"

#include <cstdint>
#include <cstdio>

#include "base/ControlBytes.h"

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
  if (const auto Code = FirstControlByte(Bytes)) return ControlMessage(*Code);
  return {};
}

bool IsBlankText(std::string_view Bytes) {
  return Bytes.find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace vornic
