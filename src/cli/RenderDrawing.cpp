#include "cli/RenderDrawing.h"

#include "cli/CliSupport.h"
#include "games/jumble/JumbleDrawing.h"
#include "games/labyrinth/LabyrinthDrawing.h"
#include "games/lostletters/LostLettersDrawing.h"
#include "worksheet/SheetPictures.h"

namespace vornic::cli {
namespace {

void CheckHighlight(const TVornicGame& Game, int Highlight) {
  if (static_cast<std::size_t>(Highlight) >= Game.Words.size())
    throw CliFailure(BadUsage, "--highlight " + std::to_string(Highlight) + ": the puzzle has " +
                                   std::to_string(Game.Words.size()) + " words, numbered from 0");
}

void RecordWordSearch(TVornicGame& Game, const RenderOptions& Options) {
  Game.ResizeImage();
  if (Options.Highlight < 0) {
    Game.DrawGrid(true);
    return;
  }
  CheckHighlight(Game, Options.Highlight);
  Game.ShowWord(Options.Highlight);
}

// As the window shows a maze after a build: the phrase (entry 0) highlighted; --highlight N
// shows entry N as a double click on a word line does; --plain as "Refresh" draws it.
void RecordMaze(TVornicGame& Game, const RenderOptions& Options) {
  Game.ResizeImage();
  Game.DrawGrid(true);
  if (Options.Plain) return;
  if (Options.Highlight >= 0) CheckHighlight(Game, Options.Highlight);
  Game.ShowWord(Options.Highlight < 0 ? 0 : Options.Highlight);
}

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

// The window's four check boxes: by default as it opens (path, traps, start).
void RecordLabyrinth(TVornicGame& Game, const RenderOptions& Options) {
  if (Options.Puzzle && !Options.Show.empty())
    throw CliFailure(BadUsage, "--puzzle already chooses what to show: use it or --show, not both");
  LabyrinthView View = LabyrinthView::Initial();
  if (Options.Puzzle) View = LabyrinthView::Puzzle();
  if (!Options.Show.empty()) View = ParseLabyrinthShow(Options.Show);
  Game.ResizeImage();
  DoPaint(Game, View, StartCellFromDocument(Game));
}

void RecordJumble(TVornicGame& Game, const RenderOptions& Options) {
  Game.ResizeImage();
  JumbleDrawing Drawing(Game);
  Drawing.Solution = Options.Solution;
  Drawing.DrawTheGame();
}

void RecordLostLetters(TVornicGame& Game, const RenderOptions& Options) {
  LostLettersDrawing::ResizeImage(Game);
  LostLettersDrawing Drawing(Game);
  Drawing.Solution = Options.Solution;
  Drawing.DrawTheGame();
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
  // One case per game whose window draws more than the standard grid.
  if (Game.GameName == "JumbledUp") return RecordJumble(Game, Options);
  if (Game.GameName == "LostLetters") return RecordLostLetters(Game, Options);
  if (Game.GameName == "WordMaze") return RecordMaze(Game, Options);
  if (Game.GameName == "WordLabirint") return RecordLabyrinth(Game, Options);
  RecordWordSearch(Game, Options);
}

}  // namespace vornic::cli
