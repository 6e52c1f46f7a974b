#include "base/TextFileForm.h"

#include <unicode/ustring.h>

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
  // Bytes that do not decode are read as Windows-1252 after a UTF-8 mark too: kept raw, they
  // would be saved without the mark and then read differently.
  if (!IsValidUtf8(Unwrapped.Text)) return Windows1252ToUtf8(Unwrapped.Text);
  return std::move(Unwrapped.Text);
}

}  // namespace vornic
