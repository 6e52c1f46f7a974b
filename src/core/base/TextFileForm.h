#pragma once

#include <string>
#include <string_view>

namespace vornic {

// How a text file of the user's is stored, so that an edited file goes back in the same form.
enum class TextFileForm {
  Plain,    // UTF-8 or, when that does not decode, Windows-1252 from older installations
  Utf8Bom,  // UTF-8 after a byte order mark
  Utf16Le,  // UTF-16 after its byte order mark, as Windows programs write "Unicode" text
  Utf16Be,
};

struct UnwrappedText {
  TextFileForm Form = TextFileForm::Plain;
  // Plain: the bytes as they are; the other forms: UTF-8 without the byte order mark.
  std::string Text;
  // Why the bytes are no text: a zero byte, or UTF-16 that does not decode. Empty when they are.
  std::string Problem;
};

// Reads the form from the byte order mark. Never throws.
UnwrappedText UnwrapTextFile(std::string_view Bytes);
// The inverse: Text (UTF-8 for every form but Plain) in Form, with its byte order mark.
std::string WrapTextFile(std::string_view Text, TextFileForm Form);

// A text file's content as UTF-8 in any of the forms above; a file without a single valid
// multi-byte UTF-8 character and without a UTF-8 mark is read as Windows-1252. Problem is set
// instead when it is no text (see UnwrappedText) or UTF-8 but for some bytes (naming the first
// line that holds one).
std::string TextFileToUtf8(std::string_view Bytes, std::string& Problem);

}  // namespace vornic
