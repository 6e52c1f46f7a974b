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
  // UTF-8 to bytes. Stops at the first character that has no single byte here.
  EncodeResult Encode(std::string_view Utf8) const;
  // UTF-8 to bytes, leaving out every character that has no single byte here.
  std::string EncodeDroppingUnencodable(std::string_view Utf8) const;

  // Upper-case by Unicode rules, one byte per character: a letter whose capital this code page
  // cannot hold keeps its own byte.
  std::uint8_t Upper(std::uint8_t Byte) const { return UpperTable[Byte]; }
  std::string Upper(std::string_view Bytes) const;

  // The message that refuses a character: names it and the code page.
  std::string RefusalMessage(const std::string& Character) const;

 private:
  explicit CodePage(int Number);

  int WindowsNumber;
  std::array<char32_t, 256> ByteToUnicode{};  // 0xFFFFFFFF where a byte has no meaning
  std::array<std::uint8_t, 256> UpperTable{};
};

// Splits UTF-8 into code points; invalid sequences become U+FFFD. Exposed for the few places
// (word lists, settings) that must check text before it reaches a code page.
std::u32string Utf8ToUtf32(std::string_view Utf8);
std::string Utf32ToUtf8(std::u32string_view Text);
bool IsValidUtf8(std::string_view Bytes);
// Windows-1252 bytes (text from older installations) to UTF-8.
std::string Windows1252ToUtf8(std::string_view Bytes);

}  // namespace vornic
