#include "cli/RenderDrawing.h"

#include "cli/CliSupport.h"
#include "cli/GameCommands.h"
#include "worksheet/SheetPictures.h"

namespace vornic::cli {
void AddRenderOptions(CLI::App& Command, RenderOptions& Options) {
  Command
      .add_option("--highlight", Options.Highlight,
                  "Word search, word maze: show word N (from 0; a maze's phrase is 0) highlighted, "
                  "as a click in its list does")
      ->check(CLI::NonNegativeNumber);
  Command.add_flag("--solution", Options.Solution,
                   "Jumbled text, lost letters: fill the answer cells, as \"Show solution\" does");
  Command.add_flag("--plain", Options.Plain,
                   "Word maze: the grid without the phrase highlighted, as \"Refresh\" draws it");
  Command.add_option("--show", Options.Show,
                     "Word labyrinth: a comma list of path, traps, text, start, or none "
                     "(default path,traps,start)");
  Command.add_flag("--puzzle", Options.Puzzle,
                   "Word labyrinth: the puzzle to hand out, letters and start mark (text,start)");
  Command.add_flag("--answers", Options.Answers,
                   "Every game: the answer key, all words marked, path and traps, or the "
                   "solution shown");
}

void RecordGamePicture(TVornicGame& Game, const RenderOptions& Options) {
  if (Options.Answers) {
    const bool Other = Options.Highlight >= 0 || Options.Solution || Options.Plain ||
                       Options.Puzzle || !Options.Show.empty();
    if (Other) throw CliFailure(BadUsage, "--answers draws the whole key: use it alone");
    return RecordAnswerKey(Game);
  }
  // OpenAnyGame opens only files of a game in the table, and every game has its command.
  const std::unique_ptr<GameView> View = FindGameCommand(Game.GameName)->View(Options);
  if (!DescriptorOf(Game)->Draw(Game, *View))
    throw CliFailure(BadUsage, "--highlight " + std::to_string(Options.Highlight) +
                                   ": the puzzle has " + std::to_string(Game.Words.size()) +
                                   " words, numbered from 0");
}

}  // namespace vornic::cli
