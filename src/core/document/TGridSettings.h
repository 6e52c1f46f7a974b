#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vornic {

// The 40-byte settings record of a document, stored byte for byte in game files.
// Colours are 0x00BBGGRR. Serialised explicitly (little-endian) rather than by memory layout.
struct TGridSettings {
  static constexpr std::size_t ByteSize = 40;
  static constexpr std::size_t LanguageSize = 11;  // at most 10 characters and a zero byte
  static constexpr int MaxLanguageLength = 10;

  std::uint32_t BackColor = 0xFFFFFF;
  std::uint32_t LineColor = 0x000000;
  std::uint32_t FontColor = 0x000000;
  std::uint32_t MarkFontColor = 0x000000;
  std::uint32_t MarkBackColor = 0x00FFFF;
  std::uint8_t Bold = 0;
  std::uint8_t Reserved = 0;
  std::uint8_t GridLines = 1;
  std::uint8_t Shadow = 1;
  std::uint16_t Cols = 5;
  std::uint16_t Rows = 5;
  std::uint8_t Charset = 1;
  std::array<char, LanguageSize> Language{'E', 'n', 'g', 'l', 'i', 's', 'h', 0, 0, 0, 0};

  // The character set name: the bytes of Language up to the first zero byte.
  std::string LanguageName() const;
  // Stores Name followed by zero bytes. Returns false (and changes nothing) when Name is longer
  // than 10 bytes or holds a zero byte.
  [[nodiscard]] bool SetLanguageName(std::string_view Name);

  // Every field but Cols and Rows back to its default.
  void SetDefaults();

  // Sets Cols and Rows; returns false (and changes nothing) when either is negative or does not
  // fit its 16-bit field.
  [[nodiscard]] bool SetSize(long long NewCols, long long NewRows);

  std::array<std::uint8_t, ByteSize> ToBytes() const;
  static TGridSettings FromBytes(const std::uint8_t* Bytes);

  bool operator==(const TGridSettings&) const = default;
};

}  // namespace vornic
