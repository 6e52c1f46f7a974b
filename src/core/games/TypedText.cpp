#include "games/TypedText.h"

#include <cstdint>
#include <cstdio>

#include "base/ControlBytes.h"
#include "base/EmptyChar.h"

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

TypedText ReadTypedText(const LetterCase& Case, std::string_view Utf8) {
  TypedText Result;
  const CodePage& Page = Case.Page();
  Result.Refusal = UnicodeControlRefusal(Utf8);
  if (!Result.Ok()) return Result;
  const CodePage::EncodeResult Encoded = Page.Encode(Utf8);
  if (!Encoded.Ok()) {
    Result.Refusal = Page.RefusalMessage(Encoded.Unencodable);
    return Result;
  }
  Result.Bytes = Case.Upper(Encoded.Bytes);
  return Result;
}

TypedText EncodeFieldText(const CodePage& Page, std::string_view Utf8, const std::string& Field) {
  TypedText Result;
  CodePage::EncodeResult Encoded = Page.Encode(Utf8);
  if (!Encoded.Ok()) {
    Result.Refusal = Field + ": " + Page.RefusalMessage(Encoded.Unencodable);
    return Result;
  }
  if (std::string Control = ControlCharacterRefusal(Encoded.Bytes); !Control.empty()) {
    Result.Refusal = Field + ": " + Control;
    return Result;
  }
  Result.Bytes = std::move(Encoded.Bytes);
  return Result;
}

TypedText ReadFieldText(const LetterCase& Case, std::string_view Utf8, const std::string& Field) {
  TypedText Result = EncodeFieldText(Case.Page(), Utf8, Field);
  if (Result.Ok()) Result.Bytes = Case.Upper(Result.Bytes);
  return Result;
}

std::string UnicodeControlRefusal(std::string_view Utf8) {
  for (char32_t C : Utf8ToUtf32(Utf8))
    if (IsControl(C)) return ControlMessage(C);
  return {};
}

std::string ControlCharacterRefusal(std::string_view Bytes) {
  if (const auto Code = FirstControlByte(Bytes)) return ControlMessage(*Code);
  return {};
}

std::string GivenCharacters(const CodePage& Page, std::string_view Cells) {
  std::string Given(Cells);
  for (char& Cell : Given)
    if (Cell == EmptyChar || Page.IsLetter(static_cast<std::uint8_t>(Cell))) Cell = ' ';
  return Given;
}

std::string RepeatRefusal(const CodePage& Page, std::string_view Word,
                          const std::vector<std::string>& Earlier, bool Backwards) {
  // Checked for every word placed: the message is made only for a refusal.
  const std::string Reversed(Word.rbegin(), Word.rend());
  const auto Named = [&] { return "The word \"" + Page.Decode(Word) + "\""; };
  for (const std::string& Listed : Earlier) {
    if (Listed == Word)
      return Named() +
             " is listed twice. Each word can be listed only once, or it could be "
             "read twice.";
    if (Backwards && Listed == Reversed)
      return Named() + " is the listed word \"" + Page.Decode(Listed) +
             "\" backwards, so either could be read as the other. Leave one of them out.";
  }
  return {};
}

bool IsBlankText(std::string_view Bytes) {
  return Bytes.find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace vornic
