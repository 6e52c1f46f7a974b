#include "base/EmptyChar.h"
#include "cli/CliSupport.h"
#include "cli/TerminalText.h"
#include "games/GameDescriptor.h"
#include "games/GameTable.h"

namespace vornic::cli {

void AddTextCommand(CLI::App& App, CliContext& Context) {
  auto File = std::make_shared<std::string>();
  CLI::App* Command = App.add_subcommand(
      "text",
      "Write the puzzle's \"Copy as Text\" (the grid table, or the jumble's mixed words) to "
      "standard output in its own code page, control characters escaped");
  Command->add_option("file", *File, "Game file (.gm)")->required();
  Command->callback([File, &Context] {
    TVornicGame Game;
    OpenAnyGame(*File, Game, Context);
    // The table keeps its empty-cell marks, as the clipboard text does.
    static const std::string Kept = std::string(TextLayout) + EmptyChar;
    Context.Out << EscapeControls(DescriptorOf(Game)->CopyText(Game), TextBytes::CodePage, Kept);
  });
}

}  // namespace vornic::cli
