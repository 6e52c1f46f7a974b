#include "base/CodePage.h"

#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/utf8.h>

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>

namespace vornic {
namespace {

constexpr char32_t NoCharacter = 0xFFFFFFFF;

const char* IcuName(int Number) {
  switch (Number) {
    case 437:
      return "ibm-437";
    case 874:
      return "windows-874";
    case 932:
      return "windows-932";
    case 936:
      return "windows-936";
    case 949:
      return "windows-949";
    case 950:
      return "windows-950";
    case 1361:
      return "ibm-1361";
    case 10000:
      return "macintosh";
    default:
      break;
  }
  static thread_local std::string Name;
  Name = "windows-" + std::to_string(Number);
  return Name.c_str();
}

// The character one byte stands for on its own, or NoCharacter (a lead byte, a gap).
char32_t DecodeSingleByte(UConverter* Converter, std::uint8_t Byte) {
  UErrorCode Status = U_ZERO_ERROR;
  ucnv_reset(Converter);
  UChar Out[4];
  const char In = static_cast<char>(Byte);
  const int32_t Length = ucnv_toUChars(Converter, Out, 4, &In, 1, &Status);
  if (U_FAILURE(Status) || Length < 1) return NoCharacter;
  UChar32 Character;
  int32_t Index = 0;
  U16_NEXT(Out, Index, Length, Character);
  if (Index != Length) return NoCharacter;
  return static_cast<char32_t>(Character);
}

}  // namespace

int CodePage::CodePageNumber(int Charset) {
  switch (Charset) {
    case 238:
      return 1250;
    case 204:
      return 1251;
    case 161:
      return 1253;
    case 162:
      return 1254;
    case 177:
      return 1255;
    case 178:
      return 1256;
    case 186:
      return 1257;
    case 163:
      return 1258;
    case 222:
      return 874;
    case 77:
      return 10000;
    case 255:
      return 437;
    case 128:
      return 932;
    case 129:
      return 949;
    case 130:
      return 1361;
    case 134:
      return 936;
    case 136:
      return 950;
    default:
      return 1252;  // 0 ANSI, 1 Default and anything unknown
  }
}

const CodePage& CodePage::ForCharset(int Charset) {
  static std::mutex Lock;
  static std::map<int, std::unique_ptr<CodePage>> Pages;
  const int Number = CodePageNumber(Charset);
  std::lock_guard<std::mutex> Guard(Lock);
  auto& Slot = Pages[Number];
  if (!Slot) Slot.reset(new CodePage(Number));
  return *Slot;
}

CodePage::CodePage(int Number) : WindowsNumber(Number) {
  ByteToUnicode.fill(NoCharacter);
  UErrorCode Status = U_ZERO_ERROR;
  UConverter* Converter = ucnv_open(IcuName(Number), &Status);
  if (U_SUCCESS(Status)) {
    ucnv_setToUCallBack(Converter, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &Status);
    for (int Byte = 0; Byte < 256; ++Byte)
      ByteToUnicode[Byte] = DecodeSingleByte(Converter, static_cast<std::uint8_t>(Byte));
    ucnv_close(Converter);
  } else {
    // A code page this ICU build lacks still holds plain ASCII.
    for (int Byte = 0; Byte < 128; ++Byte) ByteToUnicode[Byte] = static_cast<char32_t>(Byte);
  }
  for (int Byte = 0; Byte < 256; ++Byte)
    Letter[Byte] = ByteToUnicode[Byte] != NoCharacter &&
                   u_hasBinaryProperty(static_cast<UChar32>(ByteToUnicode[Byte]), UCHAR_ALPHABETIC);
}

std::optional<char32_t> CodePage::ToUnicode(std::uint8_t Byte) const {
  const char32_t Character = ByteToUnicode[Byte];
  if (Character == NoCharacter) return std::nullopt;
  return Character;
}

std::optional<std::uint8_t> CodePage::FromUnicode(char32_t Character) const {
  if (Character < 0x80 && ByteToUnicode[Character] == Character)
    return static_cast<std::uint8_t>(Character);
  for (int Byte = 0; Byte < 256; ++Byte)
    if (ByteToUnicode[Byte] == Character) return static_cast<std::uint8_t>(Byte);
  return std::nullopt;
}

std::string CodePage::Decode(std::string_view Bytes) const {
  std::u32string Text;
  Text.reserve(Bytes.size());
  for (char Byte : Bytes) {
    const char32_t Character = ByteToUnicode[static_cast<std::uint8_t>(Byte)];
    Text.push_back(Character == NoCharacter ? U'\uFFFD' : Character);
  }
  return Utf32ToUtf8(Text);
}

CodePage::EncodeResult CodePage::Encode(std::string_view Utf8) const {
  EncodeResult Result;
  // Plain ASCII that this page holds as it is, as most words are, needs neither normalising nor
  // a lookup: a whole list is encoded at once.
  if (std::all_of(Utf8.begin(), Utf8.end(), [this](char Byte) {
        const auto Code = static_cast<std::uint8_t>(Byte);
        return Code < 0x80 && ByteToUnicode[Code] == Code;
      })) {
    Result.Bytes.assign(Utf8);
    return Result;
  }
  for (char32_t Character : Utf8ToUtf32(NormalizeText(Utf8))) {
    auto Byte = FromUnicode(Character);
    if (!Byte) {
      Result.Bytes.clear();
      Result.Unencodable = Utf32ToUtf8(std::u32string(1, Character));
      return Result;
    }
    Result.Bytes.push_back(static_cast<char>(*Byte));
  }
  return Result;
}

std::string CodePage::EncodeDroppingUnencodable(std::string_view Utf8) const {
  std::string Bytes;
  for (char32_t Character : Utf8ToUtf32(NormalizeText(Utf8)))
    if (auto Byte = FromUnicode(Character)) Bytes.push_back(static_cast<char>(*Byte));
  return Bytes;
}

std::string CodePage::RefusalMessage(const std::string& Character) const {
  return "The character \"" + Character +
         "\" cannot be written in this puzzle's character set (code page " +
         std::to_string(WindowsNumber) + ").";
}

std::u32string Utf8ToUtf32(std::string_view Utf8) {
  std::u32string Text;
  Text.reserve(Utf8.size());
  const auto* Bytes = reinterpret_cast<const std::uint8_t*>(Utf8.data());
  const auto Length = static_cast<int32_t>(Utf8.size());
  int32_t Index = 0;
  while (Index < Length) {
    UChar32 Character;
    U8_NEXT(Bytes, Index, Length, Character);
    Text.push_back(Character < 0 ? U'\uFFFD' : static_cast<char32_t>(Character));
  }
  return Text;
}

std::string Utf32ToUtf8(std::u32string_view Text) {
  std::string Out;
  Out.reserve(Text.size());
  for (char32_t Character : Text) {
    std::uint8_t Buffer[4];
    int32_t Length = 0;
    UBool Error = false;
    U8_APPEND(Buffer, Length, 4, static_cast<UChar32>(Character), Error);
    if (Error) {
      Out += "\xEF\xBF\xBD";
      continue;
    }
    Out.append(reinterpret_cast<const char*>(Buffer), static_cast<std::size_t>(Length));
  }
  return Out;
}

bool IsValidUtf8(std::string_view Utf8) {
  const auto* Bytes = reinterpret_cast<const std::uint8_t*>(Utf8.data());
  const auto Length = static_cast<int32_t>(Utf8.size());
  int32_t Index = 0;
  while (Index < Length) {
    UChar32 Character;
    U8_NEXT(Bytes, Index, Length, Character);
    if (Character < 0) return false;
  }
  return true;
}

std::string NormalizeText(std::string_view Utf8) {
  const bool Ascii = std::all_of(Utf8.begin(), Utf8.end(),
                                 [](char Byte) { return static_cast<unsigned char>(Byte) < 0x80; });
  if (Ascii) return std::string(Utf8);
  UErrorCode Status = U_ZERO_ERROR;
  const icu::Normalizer2* Nfc = icu::Normalizer2::getNFCInstance(Status);
  icu::UnicodeString Text = icu::UnicodeString::fromUTF8(
      icu::StringPiece(Utf8.data(), static_cast<int32_t>(Utf8.size())));
  if (U_SUCCESS(Status)) {
    icu::UnicodeString Composed = Nfc->normalize(Text, Status);
    if (U_SUCCESS(Status)) Text = Composed;
  }
  for (const UChar NoBreak : {u'\u00A0', u'\u2007', u'\u202F'})
    Text.findAndReplace(icu::UnicodeString(NoBreak), icu::UnicodeString(u' '));
  std::string Out;
  Text.toUTF8String(Out);
  return Out;
}

std::string Windows1252ToUtf8(std::string_view Bytes) {
  return CodePage::ForCharset(0).Decode(Bytes);
}

}  // namespace vornic
