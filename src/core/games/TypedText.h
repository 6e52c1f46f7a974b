#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/LetterCase.h"

namespace vornic {

// The one-line text of the jumbled-text and lost-letters games as their upper-casing text field
// holds it, in the document's code page. Refusal is empty when the text can be used; otherwise
// it is the message that names the character the puzzle cannot hold.
struct TypedText {
  std::string Bytes;
  std::string Refusal;
  bool Ok() const { return Refusal.empty(); }
};

// Normalises Utf8 (NFC), upper-cases it by Case's language and converts it to the bytes of
// Case's code page. Refuses a control character (it would read as an empty cell or break the
// word list's lines) and a character the code page cannot hold.
TypedText ReadTypedText(const LetterCase& Case, std::string_view Utf8);

// The text of a window's field (UTF-8) in the bytes of Page, as typed. Refusal names Field:
// "<Field>: " and the character the code page cannot hold, or else the control character the
// bytes would hold (a cell marker).
TypedText EncodeFieldText(const CodePage& Page, std::string_view Utf8, const std::string& Field);
// EncodeFieldText in Case's code page, upper-cased by Case's language (as the window's
// upper-casing edits hold it).
TypedText ReadFieldText(const LetterCase& Case, std::string_view Utf8, const std::string& Field);

// The message for UTF-8 text that holds a control character (C0, DEL or C1), or empty when it
// holds none. For texts that are no puzzle's letters, such as a worksheet's title.
std::string UnicodeControlRefusal(std::string_view Utf8);

// The message for a text that holds a control character, or empty when Bytes holds none.
// Builders check the bytes they are given with it, whatever their source.
std::string ControlCharacterRefusal(std::string_view Bytes);

// Whether Bytes holds nothing but spaces (or nothing at all): a text with nothing to build.
// Builders leave the puzzle as it was for it rather than replace it with an empty one.
bool IsBlankText(std::string_view Bytes);

// The cells a solver is given before solving a jumble or lost letters: every character that is
// no letter (punctuation, digits) as it stands, a space for each letter and empty cell. Cells
// are bytes of Page.
std::string GivenCharacters(const CodePage& Page, std::string_view Cells);

// Refuses Word (upper-cased bytes of Page) when it repeats one of Earlier, or, with Backwards
// (a word search, read in every direction), one of them read backwards: the message names both.
// Empty when it repeats none.
std::string RepeatRefusal(const CodePage& Page, std::string_view Word,
                          const std::vector<std::string>& Earlier, bool Backwards);

// What the command-line tool says for such a text.
inline constexpr const char* BlankTextMessage = "The text is empty: there is nothing to build.";

}  // namespace vornic
