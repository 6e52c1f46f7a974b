#pragma once

#include <CLI/CLI.hpp>

#include <string>

#include "document/TVornicGame.h"

namespace vornic::cli {

// How a game's picture is drawn for `render`: each game reads the fields it knows and its
// window's view switches stand behind them. A game that joins adds its fields here, its flags
// in AddRenderOptions and its case in RecordGamePicture.
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
// sizing the picture first. The word search and any game without its own case get the standard
// grid (DrawGrid, or ShowWord with a highlight). Throws CliFailure(BadUsage) for an option that
// does not fit the document.
void RecordGamePicture(TVornicGame& Game, const RenderOptions& Options);

}  // namespace vornic::cli
