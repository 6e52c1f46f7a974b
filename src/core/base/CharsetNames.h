#pragma once

#include <array>
#include <string_view>

namespace vornic {

// One font character set offered to the user: its caption and the Windows character-set code
// that a document stores in TGridSettings::Charset.
struct CharsetName {
  std::string_view Caption;
  int Code;
};

// The character sets of the "Charset:" list, in the order the list shows them.
inline constexpr std::array<CharsetName, 17> CharsetNames{{
    {"Default", 1},
    {"ANSI", 0},
    {"Arabic", 178},
    {"Baltic", 186},
    {"Chinese (mainland)", 134},
    {"Chinese (taiwanese)", 136},
    {"Cyrillic", 204},
    {"Eastern Europe", 238},
    {"Greek", 161},
    {"Hebrew", 177},
    {"Japanese shift-jis", 128},
    {"Korean (Johab)", 130},
    {"Korean (Wansung)", 129},
    {"Macintosh", 77},
    {"OEM", 255},
    {"Turkish", 162},
    {"Vietnamese", 163},
}};

// The index of Code in CharsetNames. A code that is not listed shows as "ANSI" (index 1).
int CharsetIndex(int Code);
// The code at Index. No selection (a negative index) or an index past the list stands for
// "Default" (code 1).
int CharsetAtIndex(int Index);

}  // namespace vornic
