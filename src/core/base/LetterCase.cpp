#include "base/LetterCase.h"

#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

namespace vornic {
namespace {

// Name beginnings of the languages whose capitals differ from Unicode's general rules, compared
// without regard to case. A document keeps at most 10 bytes of the name, so beginnings suffice.
struct NamedLanguage {
  std::string_view Beginning;
  const char* Language;
};
constexpr std::array<NamedLanguage, 11> LanguageNames{{{"turk", "tr"},
                                                       {"türk", "tr"},
                                                       {"azer", "az"},
                                                       {"azəri", "az"},
                                                       {"greek", "el"},
                                                       {"ελλην", "el"},
                                                       {"lithuan", "lt"},
                                                       {"lietuv", "lt"},
                                                       {"dutch", "nl"},
                                                       {"nederl", "nl"},
                                                       {"vlaams", "nl"}}};

std::u32string Folded(std::string_view Utf8) {
  std::u32string Text = Utf8ToUtf32(Utf8);
  for (char32_t& Character : Text)
    Character = static_cast<char32_t>(u_foldCase(static_cast<UChar32>(Character), 0));
  return Text;
}

std::u32string ToUtf32(const icu::UnicodeString& Text) {
  std::u32string Out;
  Out.reserve(static_cast<std::size_t>(Text.length()));
  for (int32_t At = 0; At < Text.length(); At = Text.moveIndex32(At, 1))
    Out.push_back(static_cast<char32_t>(Text.char32At(At)));
  return Out;
}

icu::UnicodeString FromUtf32(std::u32string_view Text) {
  icu::UnicodeString Out;
  for (char32_t Character : Text) Out.append(static_cast<UChar32>(Character));
  return Out;
}

}  // namespace

std::string LetterCase::LanguageFor(int CodePageNumber, std::string_view CharsetName) {
  const std::u32string Name = Folded(CharsetName);
  for (const NamedLanguage& Entry : LanguageNames)
    if (Name.starts_with(Utf8ToUtf32(Entry.Beginning))) return Entry.Language;
  if (CodePageNumber == 1254) return "tr";
  if (CodePageNumber == 1253) return "el";
  return {};
}

const LetterCase& LetterCase::For(int Charset, std::string_view CharsetName) {
  return For(CodePage::ForCharset(Charset), CharsetName);
}

const LetterCase& LetterCase::For(const CodePage& Page, std::string_view CharsetName) {
  static std::mutex Lock;
  static std::map<std::pair<int, std::string>, std::unique_ptr<LetterCase>> Rules;
  std::string Language = LanguageFor(Page.Number(), CharsetName);
  std::lock_guard<std::mutex> Guard(Lock);
  auto& Slot = Rules[{Page.Number(), Language}];
  if (!Slot) Slot.reset(new LetterCase(Page, std::move(Language)));
  return *Slot;
}

LetterCase::LetterCase(const CodePage& Page, std::string Language)
    : Codes(Page), Locale(std::move(Language)) {
  PlainAscii = Locale != "tr" && Locale != "az";
  for (int Byte = 0x20; Byte < 0x80 && PlainAscii; ++Byte)
    PlainAscii = Codes.ToUnicode(static_cast<std::uint8_t>(Byte)) == static_cast<char32_t>(Byte);
}

std::u32string LetterCase::Capitals(const std::u32string& Text) const {
  const icu::Locale Rules(Locale.c_str());
  // The whole text first: Greek capitals depend on the letters around them (ΆΙ → ΑΪ).
  icu::UnicodeString Whole = FromUtf32(Text);
  Whole.toUpper(Rules);
  std::u32string Capital = ToUtf32(Whole);
  const bool OneForOne = Capital.size() == Text.size();
  if (!OneForOne) Capital = Text;
  for (std::size_t At = 0; At < Text.size(); ++At) {
    const char32_t Character = Text[At];
    if (!OneForOne) {
      icu::UnicodeString One = FromUtf32(std::u32string_view(&Character, 1));
      One.toUpper(Rules);
      if (One.countChar32() == 1) Capital[At] = static_cast<char32_t>(One.char32At(0));
    }
    // A capital the code page cannot hold must not turn a letter it holds into a refusal: the
    // general capital stands in (Turkish i in a Western code page), else the letter itself.
    if (Capital[At] == Character || !Codes.FromUnicode(Character) || Codes.FromUnicode(Capital[At]))
      continue;
    const auto General = static_cast<char32_t>(u_toupper(static_cast<UChar32>(Character)));
    Capital[At] = Codes.FromUnicode(General) ? General : Character;
  }
  return Capital;
}

std::string LetterCase::UpperText(std::string_view Utf8) const {
  return Utf32ToUtf8(Capitals(Utf8ToUtf32(NormalizeText(Utf8))));
}

std::string LetterCase::Upper(std::string_view Bytes) const {
  if (PlainAscii && std::all_of(Bytes.begin(), Bytes.end(),
                                [](char Byte) { return static_cast<std::uint8_t>(Byte) < 0x80; })) {
    std::string Out(Bytes);
    for (char& Byte : Out)
      if (Byte >= 'a' && Byte <= 'z') Byte = static_cast<char>(Byte - 'a' + 'A');
    return Out;
  }
  std::u32string Text;
  Text.reserve(Bytes.size());
  for (char Byte : Bytes)
    Text.push_back(Codes.ToUnicode(static_cast<std::uint8_t>(Byte)).value_or(U'\uFFFD'));
  const std::u32string Capital = Capitals(Text);
  std::string Out(Bytes);
  for (std::size_t At = 0; At < Out.size(); ++At)
    if (Capital[At] != Text[At])
      if (const auto Byte = Codes.FromUnicode(Capital[At])) Out[At] = static_cast<char>(*Byte);
  return Out;
}

}  // namespace vornic
