#include "cli/RenderDrawing.h"

#include "cli/CliSupport.h"
#include "games/GameDescriptor.h"
#include "games/GameTable.h"
#include "worksheet/SheetPictures.h"

namespace vornic::cli {
namespace {

LabyrinthView ParseLabyrinthShow(const std::string& Show) {
  LabyrinthView View{false, false, false, false};
  if (Show == "none") return View;
  const std::vector<std::string> Parts = SplitCommas(Show);
  if (Parts.empty()) throw CliFailure(BadUsage, "--show needs path, traps, text, start or none");
  for (const std::string& Part : Parts) {
    if (Part == "path")
      View.Path = true;
    else if (Part == "traps")
      View.Traps = true;
    else if (Part == "text")
      View.Text = true;
    else if (Part == "start")
      View.Start = true;
    else
      throw CliFailure(BadUsage, "--show: unknown part \"" + Part +
                                     "\"; use a comma list of path, traps, text, start, or none");
  }
  return View;
}

// --puzzle and --show choose the labyrinth's switches; other games have none to choose.
LabyrinthView LabyrinthSwitches(const TVornicGame& Game, const RenderOptions& Options) {
  if (Game.GameName != GameTypeName::WordLabyrinth) return LabyrinthView::Initial();
  if (Options.Puzzle && !Options.Show.empty())
    throw CliFailure(BadUsage, "--puzzle already chooses what to show: use it or --show, not both");
  if (!Options.Show.empty()) return ParseLabyrinthShow(Options.Show);
  return Options.Puzzle ? LabyrinthView::Puzzle() : LabyrinthView::Initial();
}

}  // namespace

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
  GameView View;
  View.Highlight = Options.Highlight;
  View.Solution = Options.Solution;
  View.Plain = Options.Plain;
  View.Labyrinth = LabyrinthSwitches(Game, Options);
  // OpenAnyGame opens only files of a game in the table.
  const GameDescriptor& Descriptor = *DescriptorOf(Game);
  if (!Descriptor.Draw(Game, View))
    throw CliFailure(BadUsage, "--highlight " + std::to_string(Options.Highlight) +
                                   ": the puzzle has " + std::to_string(Game.Words.size()) +
                                   " words, numbered from 0");
}

}  // namespace vornic::cli
