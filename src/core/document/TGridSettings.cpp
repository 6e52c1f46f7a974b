#include "document/TGridSettings.h"

#include <algorithm>
#include <limits>

namespace vornic {
namespace {

void PutU32(std::uint8_t* Out, std::uint32_t Value) {
  for (int i = 0; i < 4; ++i) Out[i] = static_cast<std::uint8_t>(Value >> (8 * i));
}
void PutU16(std::uint8_t* Out, std::uint16_t Value) {
  Out[0] = static_cast<std::uint8_t>(Value);
  Out[1] = static_cast<std::uint8_t>(Value >> 8);
}
std::uint32_t GetU32(const std::uint8_t* In) {
  return std::uint32_t{In[0]} | std::uint32_t{In[1]} << 8 | std::uint32_t{In[2]} << 16 |
         std::uint32_t{In[3]} << 24;
}
std::uint16_t GetU16(const std::uint8_t* In) {
  return static_cast<std::uint16_t>(In[0] | In[1] << 8);
}

}  // namespace

std::string TGridSettings::LanguageName() const {
  auto End = std::find(Language.begin(), Language.end(), '\0');
  return std::string(Language.begin(), End);
}

bool TGridSettings::SetLanguageName(std::string_view Name) {
  if (Name.size() > static_cast<std::size_t>(MaxLanguageLength) ||
      Name.find('\0') != std::string_view::npos)
    return false;
  Language.fill('\0');
  std::copy(Name.begin(), Name.end(), Language.begin());
  return true;
}

void TGridSettings::SetDefaults() {
  TGridSettings Defaults;
  Defaults.Cols = Cols;
  Defaults.Rows = Rows;
  *this = Defaults;
}

bool TGridSettings::SetSize(long long NewCols, long long NewRows) {
  constexpr long long Max = std::numeric_limits<std::uint16_t>::max();
  if (NewCols < 0 || NewRows < 0 || NewCols > Max || NewRows > Max) return false;
  Cols = static_cast<std::uint16_t>(NewCols);
  Rows = static_cast<std::uint16_t>(NewRows);
  return true;
}

std::array<std::uint8_t, TGridSettings::ByteSize> TGridSettings::ToBytes() const {
  std::array<std::uint8_t, ByteSize> Out{};
  PutU32(&Out[0], BackColor);
  PutU32(&Out[4], LineColor);
  PutU32(&Out[8], FontColor);
  PutU32(&Out[12], MarkFontColor);
  PutU32(&Out[16], MarkBackColor);
  Out[20] = Bold;
  Out[21] = Reserved;
  Out[22] = GridLines;
  Out[23] = Shadow;
  PutU16(&Out[24], Cols);
  PutU16(&Out[26], Rows);
  Out[28] = Charset;
  std::copy(Language.begin(), Language.end(), Out.begin() + 29);
  return Out;
}

TGridSettings TGridSettings::FromBytes(const std::uint8_t* In) {
  TGridSettings S;
  S.BackColor = GetU32(&In[0]);
  S.LineColor = GetU32(&In[4]);
  S.FontColor = GetU32(&In[8]);
  S.MarkFontColor = GetU32(&In[12]);
  S.MarkBackColor = GetU32(&In[16]);
  S.Bold = In[20];
  S.Reserved = In[21];
  S.GridLines = In[22];
  S.Shadow = In[23];
  S.Cols = GetU16(&In[24]);
  S.Rows = GetU16(&In[26]);
  S.Charset = In[28];
  std::copy(In + 29, In + 40, S.Language.begin());
  return S;
}

}  // namespace vornic
