#include "cli/RenderDrawing.h"

#include "cli/CliSupport.h"

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

}  // namespace

void AddRenderOptions(CLI::App& Command, RenderOptions& Options) {
  Command
      .add_option("--highlight", Options.Highlight,
                  "Word search: show word N (from 0) highlighted, as a click in its list does")
      ->check(CLI::NonNegativeNumber);
}

void RecordGamePicture(TVornicGame& Game, const RenderOptions& Options) {
  // One case per game whose window draws more than the standard grid.
  RecordWordSearch(Game, Options);
}

}  // namespace vornic::cli
