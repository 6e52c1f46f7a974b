#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "cli/CliSupport.h"
#include "cli/RenderDrawing.h"
#include "games/GameDescriptor.h"

namespace vornic::cli {

// Writes one demo sample: the file's name, the game's own input and the font character set
// whose code page the puzzle takes.
using SampleWriter = std::function<void(const char* File, const GameInput& Input, int Charset)>;

// What the command-line tool has of one game, kept in the game's own command file: its build
// subcommand, the view that `render`'s flags choose, and its demo samples.
struct GameCommand {
  std::string_view TypeName;
  void (*Add)(CLI::App& App, CliContext& Context);
  // The game's own view for the flags; throws CliFailure(BadUsage) for flags that contradict.
  std::unique_ptr<GameView> (*View)(const RenderOptions& Options);
  void (*WriteSamples)(const SampleWriter& Write);
};

// Every game's command, in the order the demo writes its samples (one seed for all, so the
// order is part of what the demo writes).
const std::vector<GameCommand>& GameCommands();
// The command of a game type name; null for a name no game has.
const GameCommand* FindGameCommand(std::string_view TypeName);

}  // namespace vornic::cli
