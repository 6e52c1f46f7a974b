#include "cli/CliSupport.h"
#include "cli/TerminalText.h"
#include "games/GameDescriptor.h"
#include "games/GameTable.h"

namespace vornic::cli {

void AddWordsCommand(CLI::App& App, CliContext& Context) {
  auto File = std::make_shared<std::string>();
  CLI::App* Command = App.add_subcommand(
      "words", "Write the puzzle's \"Copy Words to Clipboard\" text to standard output (UTF-8)");
  Command->add_option("file", *File, "Game file (.gm)")->required();
  Command->callback([File, &Context] {
    TVornicGame Game;
    OpenAnyGame(*File, Game, Context);
    const std::optional<std::string> Text = DescriptorOf(Game)->CopyWords(Game);
    if (!Text)
      throw CliFailure(BadUsage, "A " + Game.GameName +
                                     " puzzle has no word list to copy: \"words\" reads word "
                                     "searches and word mazes.");
    Context.Out << EscapeControls(Game.Codes().Decode(*Text), TextBytes::Utf8, TextLayout);
  });
}

}  // namespace vornic::cli
