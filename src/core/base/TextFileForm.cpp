#include "base/TextFileForm.h"

#include <unicode/ustring.h>
#include <unicode/utf8.h>

#include <cstdint>

#include "base/CodePage.h"

namespace vornic {
namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LeMark = "\xFF\xFE";
constexpr std::string_view Utf16BeMark = "\xFE\xFF";
constexpr const char* ZeroByte = "It holds a zero byte, so it is not a text file.";

bool Utf16ToUtf8(std::string_view Bytes, bool BigEndian, std::string& Out) {
  if (Bytes.size() % 2 != 0) return false;
  std::u16string Units(Bytes.size() / 2, u'\0');
  for (std::size_t At = 0; At < Units.size(); ++At) {
    const auto First = static_cast<unsigned char>(Bytes[2 * At]);
    const auto Second = static_cast<unsigned char>(Bytes[2 * At + 1]);
    Units[At] = static_cast<char16_t>(BigEndian ? First << 8 | Second : Second << 8 | First);
  }
  UErrorCode Status = U_ZERO_ERROR;
  int32_t Length = 0;
  const auto Count = static_cast<int32_t>(Units.size());
  u_strToUTF8(nullptr, 0, &Length, Units.data(), Count, &Status);
  if (Status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(Status)) return false;
  Out.assign(static_cast<std::size_t>(Length), '\0');
  Status = U_ZERO_ERROR;
  u_strToUTF8(Out.data(), Length, nullptr, Units.data(), Count, &Status);
  return U_SUCCESS(Status);
}

std::string Utf8ToUtf16(std::string_view Text, bool BigEndian) {
  UErrorCode Status = U_ZERO_ERROR;
  int32_t Length = 0;
  const auto Count = static_cast<int32_t>(Text.size());
  u_strFromUTF8WithSub(nullptr, 0, &Length, Text.data(), Count, 0xFFFD, nullptr, &Status);
  std::u16string Units(static_cast<std::size_t>(Length), u'\0');
  Status = U_ZERO_ERROR;
  u_strFromUTF8WithSub(Units.data(), Length, nullptr, Text.data(), Count, 0xFFFD, nullptr, &Status);
  std::string Bytes;
  Bytes.reserve(Units.size() * 2);
  for (const char16_t Unit : Units) {
    const auto High = static_cast<char>(Unit >> 8), Low = static_cast<char>(Unit & 0xFF);
    Bytes += BigEndian ? High : Low;
    Bytes += BigEndian ? Low : High;
  }
  return Bytes;
}

struct InvalidUtf8 {
  std::size_t Line = 1;       // the first line with a byte that does not decode, from 1
  bool AnyMultiByte = false;  // whether some character takes more than one valid byte
};

InvalidUtf8 FindInvalidUtf8(std::string_view Text) {
  InvalidUtf8 Found;
  const auto* Bytes = reinterpret_cast<const std::uint8_t*>(Text.data());
  const auto Length = static_cast<int32_t>(Text.size());
  std::size_t Line = 1;
  bool Seen = false;
  for (int32_t Index = 0; Index < Length;) {
    UChar32 Character;
    U8_NEXT(Bytes, Index, Length, Character);
    if (Character < 0 && !Seen) {
      Found.Line = Line;
      Seen = true;
    }
    if (Character >= 0x80) Found.AnyMultiByte = true;
    // A line ends at a line feed, or at a carriage return not followed by one.
    if (Character == '\n' || (Character == '\r' && (Index >= Length || Bytes[Index] != '\n')))
      ++Line;
  }
  return Found;
}

}  // namespace

UnwrappedText UnwrapTextFile(std::string_view Bytes) {
  UnwrappedText Result;
  const bool Le = Bytes.starts_with(Utf16LeMark), Be = Bytes.starts_with(Utf16BeMark);
  if (Le || Be) {
    Result.Form = Le ? TextFileForm::Utf16Le : TextFileForm::Utf16Be;
    if (!Utf16ToUtf8(Bytes.substr(2), Be, Result.Text))
      Result.Problem = "It is damaged UTF-16 text.";
  } else if (Bytes.starts_with(Utf8Mark)) {
    Result.Form = TextFileForm::Utf8Bom;
    Result.Text = Bytes.substr(Utf8Mark.size());
  } else {
    Result.Text = Bytes;
  }
  if (Result.Problem.empty() && Result.Text.find('\0') != std::string::npos)
    Result.Problem = ZeroByte;
  return Result;
}

std::string WrapTextFile(std::string_view Text, TextFileForm Form) {
  switch (Form) {
    case TextFileForm::Utf8Bom:
      return std::string(Utf8Mark) + std::string(Text);
    case TextFileForm::Utf16Le:
      return std::string(Utf16LeMark) + Utf8ToUtf16(Text, false);
    case TextFileForm::Utf16Be:
      return std::string(Utf16BeMark) + Utf8ToUtf16(Text, true);
    case TextFileForm::Plain:
      break;
  }
  return std::string(Text);
}

std::string TextFileToUtf8(std::string_view Bytes, std::string& Problem) {
  UnwrappedText Unwrapped = UnwrapTextFile(Bytes);
  Problem = Unwrapped.Problem;
  if (!Problem.empty()) return {};
  if (IsValidUtf8(Unwrapped.Text)) return std::move(Unwrapped.Text);
  // Only a file with no UTF-8 at all is Windows-1252 from an older installation. One that is
  // UTF-8 but for some bytes (or after a UTF-8 mark) is damaged: read either way, some of its
  // words would come out as other letters.
  const InvalidUtf8 Invalid = FindInvalidUtf8(Unwrapped.Text);
  if (Unwrapped.Form == TextFileForm::Utf8Bom || Invalid.AnyMultiByte) {
    Problem = "Line " + std::to_string(Invalid.Line) +
              " is not valid UTF-8, while the rest of the file is. Save the file as UTF-8 again.";
    return {};
  }
  return Windows1252ToUtf8(Unwrapped.Text);
}

}  // namespace vornic
