#pragma once

#include <string>
#include <string_view>

#include "base/CodePage.h"

namespace vornic {

// How a puzzle's letters become capitals: by the case rules of its language, one character for
// one, in its code page. The language comes from the code page and the name of the character
// set (LanguageFor); ICU gives the rules (Turkish and Azerbaijani dotted and dotless i, Greek
// capitals without accents, Lithuanian, Dutch). Built once per code page and language, shared.
class LetterCase {
 public:
  // The rules for a document's font character-set code and character set name (UTF-8).
  static const LetterCase& For(int Charset, std::string_view CharsetName);
  static const LetterCase& For(const CodePage& Page, std::string_view CharsetName);
  // The ICU language of a code page and character set name: a name that starts with the English
  // or native name of a language with rules of its own chooses it ("Turkish", "Türkçe",
  // "Azerbaijani", "Greek", "Ελληνικά", "Lithuanian", "Lietuvių", "Dutch", "Nederlands");
  // otherwise the Turkish code page (1254) chooses Turkish and the Greek one (1253) Greek; any
  // other gives "" (Unicode's general rules).
  static std::string LanguageFor(int CodePageNumber, std::string_view CharsetName);

  const CodePage& Page() const { return Codes; }
  const std::string& Language() const { return Locale; }

  // Typed text (UTF-8) in NFC with every character upper-cased, one character for one: a letter
  // whose capital is more than one character (ß) or that the code page cannot hold while it
  // holds the letter stays as it is. What the text fields show.
  std::string UpperText(std::string_view Utf8) const;
  // The same for bytes of the code page; a byte with no meaning stays as it is.
  std::string Upper(std::string_view Bytes) const;

 private:
  LetterCase(const CodePage& Page, std::string Language);
  // Capitals of Text, position for position.
  std::u32string Capitals(const std::u32string& Text) const;

  const CodePage& Codes;
  std::string Locale;
  // Whether the code page holds ASCII as ASCII and the language capitalises it as English does
  // (not Turkish or Azerbaijani, whose i becomes İ): then a word of ASCII bytes alone is
  // upper-cased without ICU, as every word typed in English is.
  bool PlainAscii = false;
};

}  // namespace vornic
