#include "cli/CliSupport.h"
#include "games/EntryPath.h"
#include "games/maze/MazeGame.h"

namespace vornic::cli {
namespace {

// The "Copy Words to Clipboard" text of a document, in its code page; nothing for a game
// without that command.
std::optional<std::string> WordsText(const TVornicGame& Game) {
  if (Game.GameName == "WordMaze")
    return MazeWordsText(MazeInputFromDocument(Game), Game.Settings.Charset);
  if (Game.GameName == "VornicGame") {
    // The word search copies its list as it stands: entry order.
    std::string Text;
    for (const std::string& Entry : Game.Words)
      Text += std::string(SplitEntry(Entry).Item) + "\r\n";
    return Text;
  }
  return std::nullopt;
}

}  // namespace

void AddWordsCommand(CLI::App& App, CliContext& Context) {
  auto File = std::make_shared<std::string>();
  CLI::App* Command = App.add_subcommand(
      "words", "Write the puzzle's \"Copy Words to Clipboard\" text to standard output (UTF-8)");
  Command->add_option("file", *File, "Game file (.gm)")->required();
  Command->callback([File, &Context] {
    TVornicGame Game;
    OpenAnyGame(*File, Game, Context);
    const std::optional<std::string> Text = WordsText(Game);
    if (!Text)
      throw CliFailure(BadUsage, "A " + Game.GameName +
                                     " puzzle has no word list to copy: \"words\" reads word "
                                     "searches and word mazes.");
    Context.Out << Game.Codes().Decode(*Text);
  });
}

}  // namespace vornic::cli
