#pragma once

#include <string>
#include <string_view>

namespace vornic::cli {

// What kind of bytes a text is: UTF-8, or single bytes of a puzzle's code page (where 0x80 to
// 0x9F are letters, not controls).
enum class TextBytes { Utf8, CodePage };

// Text from a file or an argument made safe for a terminal, which would act on control
// characters (move the cursor, clear the screen, set the title). Every C0 control, DEL and, in
// UTF-8 text, every C1 control is written as \u00XX, as JSON writes it. The bytes of Kept stay as
// they are, except a carriage return that does not start a line break ("\r\n"), which could
// overwrite what a line showed.
std::string EscapeControls(std::string_view Text, TextBytes Kind, std::string_view Kept = {});

// The layout a printed text keeps: tabs and line breaks.
inline constexpr std::string_view TextLayout = "\t\r\n";

}  // namespace vornic::cli
