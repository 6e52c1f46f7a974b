#pragma once

#include <CLI/CLI.hpp>

#include <string>

#include "document/TVornicGame.h"

namespace vornic::cli {

// The drawing flags of `render`, as given; the game's command turns them into the game's own
// view, and the game's descriptor draws it.
struct RenderOptions {
  int Highlight = -1;     // word search: --highlight N shows entry N as ShowWord does; -1 none
  bool Solution = false;  // show the solution where the game has one
  bool Plain = false;     // the puzzle without extras (paths, marks)
  bool Puzzle = false;    // the puzzle part only
  std::string Show;       // a game's own view choice
  bool Answers = false;   // every game: the answer key of the worksheet
};

// Adds the drawing flags to the render command.
void AddRenderOptions(CLI::App& Command, RenderOptions& Options);

// Records the picture of an opened document into Game.MetaFile, as its game window shows it,
// through the game's descriptor. Throws CliFailure(BadUsage) for an option that does not fit
// the document.
void RecordGamePicture(TVornicGame& Game, const RenderOptions& Options);

}  // namespace vornic::cli
