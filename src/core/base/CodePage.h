#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vornic {

// A single-byte code page chosen by a font character-set code. The one place where text
// crosses between Unicode (UTF-8: widgets, settings file, word lists, standard output) and a
// document's bytes. Built once per code page from ICU and shared; cheap to look up.
class CodePage {
 public:
  // The code page for a font character-set code (0 and 1: Windows-1252, 238: 1250, ...).
  // Unknown codes use Windows-1252.
  static const CodePage& ForCharset(int Charset);
  // The Windows code page number behind a character-set code (1252, 1250, 437, 10000, ...).
  static int CodePageNumber(int Charset);

  int Number() const { return WindowsNumber; }

  // The Unicode character a byte stands for; nothing for a byte with no meaning of its own
  // (a lead byte of a double-byte set, an unassigned position).
  std::optional<char32_t> ToUnicode(std::uint8_t Byte) const;
  // The byte that holds a character; nothing when the code page cannot hold it in one byte.
  std::optional<std::uint8_t> FromUnicode(char32_t Character) const;

  // Bytes to UTF-8; a byte with no meaning becomes U+FFFD. The empty-cell byte 0x19 is kept.
  std::string Decode(std::string_view Bytes) const;

  struct EncodeResult {
    std::string Bytes;
    // The first character that the code page cannot hold (empty when all could be encoded).
    std::string Unencodable;
    bool Ok() const { return Unencodable.empty(); }
  };
  // UTF-8 to bytes, after NormalizeText. Stops at the first character that has no single
  // byte here.
  EncodeResult Encode(std::string_view Utf8) const;
  // UTF-8 to bytes after NormalizeText, leaving out every character that has no single byte here.
  std::string EncodeDroppingUnencodable(std::string_view Utf8) const;

  // Capitals depend on the language as well: see LetterCase.

  // Whether a byte stands for a letter (Unicode's Alphabetic property: letters and the vowel
  // signs of scripts that write them apart), as opposed to a space, punctuation or a digit.
  bool IsLetter(std::uint8_t Byte) const { return Letter[Byte]; }

  // The message that refuses a character: names it and the code page.
  std::string RefusalMessage(const std::string& Character) const;

 private:
  explicit CodePage(int Number);

  int WindowsNumber;
  std::array<char32_t, 256> ByteToUnicode{};  // 0xFFFFFFFF where a byte has no meaning
  std::array<bool, 256> Letter{};
};

// Splits UTF-8 into code points; invalid sequences become U+FFFD. Exposed for the few places
// (word lists, settings) that must check text before it reaches a code page.
std::u32string Utf8ToUtf32(std::string_view Utf8);
std::string Utf32ToUtf8(std::u32string_view Text);
bool IsValidUtf8(std::string_view Bytes);
// Text as the puzzles take it: composed (NFC), so that a letter typed as a base letter and a
// combining mark is the one character a code page holds, and with every no-break space a space.
std::string NormalizeText(std::string_view Utf8);
// Windows-1252 bytes (text from older installations) to UTF-8.
std::string Windows1252ToUtf8(std::string_view Bytes);

}  // namespace vornic
