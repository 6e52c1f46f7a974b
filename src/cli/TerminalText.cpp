#include "cli/TerminalText.h"

#include <cstdint>
#include <cstdio>

#include "base/ControlBytes.h"

namespace vornic::cli {
namespace {

void AppendEscaped(std::string& Out, unsigned Code) {
  char Escape[8];
  std::snprintf(Escape, sizeof Escape, "\\u%04x", Code);
  Out += Escape;
}

}  // namespace

std::string EscapeControls(std::string_view Text, TextBytes Kind, std::string_view Kept) {
  std::string Out;
  Out.reserve(Text.size());
  for (std::size_t i = 0; i < Text.size(); ++i) {
    const auto Byte = static_cast<std::uint8_t>(Text[i]);
    // U+0080..U+009F in UTF-8 is 0xC2 followed by 0x80..0x9F.
    if (Kind == TextBytes::Utf8 && Byte == 0xC2 && i + 1 < Text.size()) {
      const auto Next = static_cast<std::uint8_t>(Text[i + 1]);
      if (Next >= 0x80 && Next <= 0x9F) {
        AppendEscaped(Out, Next);
        ++i;
        continue;
      }
    }
    const bool Control = IsControlByte(Text[i]);
    const bool Keep = Kept.find(Text[i]) != std::string_view::npos &&
                      (Byte != '\r' || (i + 1 < Text.size() && Text[i + 1] == '\n'));
    if (Control && !Keep)
      AppendEscaped(Out, Byte);
    else
      Out += Text[i];
  }
  return Out;
}

}  // namespace vornic::cli
