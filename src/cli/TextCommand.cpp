#include "cli/CliSupport.h"
#include "games/GameDescriptor.h"
#include "games/GameTable.h"

namespace vornic::cli {

void AddTextCommand(CLI::App& App, CliContext& Context) {
  auto File = std::make_shared<std::string>();
  CLI::App* Command = App.add_subcommand(
      "text",
      "Write the puzzle's \"Copy as Text\" (the grid table, or the jumble's mixed words) to "
      "standard output, bytes unchanged");
  Command->add_option("file", *File, "Game file (.gm)")->required();
  Command->callback([File, &Context] {
    TVornicGame Game;
    OpenAnyGame(*File, Game, Context);
    Context.Out << DescriptorOf(Game)->CopyText(Game);
  });
}

}  // namespace vornic::cli
