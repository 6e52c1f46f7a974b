#include "cli/RenderDrawing.h"

#include "cli/CliSupport.h"
#include "games/jumble/JumbleDrawing.h"
#include "games/lostletters/LostLettersDrawing.h"

namespace vornic::cli {
namespace {

void RecordWordSearch(TVornicGame& Game, const RenderOptions& Options) {
  Game.ResizeImage();
  if (Options.Highlight < 0) {
    Game.DrawGrid(true);
    return;
  }
  if (static_cast<std::size_t>(Options.Highlight) >= Game.Words.size())
    throw CliFailure(BadUsage, "--highlight " + std::to_string(Options.Highlight) +
                                   ": the puzzle has " + std::to_string(Game.Words.size()) +
                                   " words, numbered from 0");
  Game.ShowWord(Options.Highlight);
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
                  "Word search: show word N (from 0) highlighted, as a click in its list does")
      ->check(CLI::NonNegativeNumber);
  Command.add_flag("--solution", Options.Solution,
                   "Jumbled text, lost letters: fill the answer cells, as \"Show solution\" does");
}

void RecordGamePicture(TVornicGame& Game, const RenderOptions& Options) {
  // One case per game whose window draws more than the standard grid.
  if (Game.GameName == "JumbledUp") return RecordJumble(Game, Options);
  if (Game.GameName == "LostLetters") return RecordLostLetters(Game, Options);
  RecordWordSearch(Game, Options);
}

}  // namespace vornic::cli
