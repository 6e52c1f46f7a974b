// The one place of the command-line tool that lists the games.
#include "cli/GameCommands.h"

namespace vornic::cli {

// Each defined in the game's own command file.
GameCommand WordSearchCommand();
GameCommand JumbleCommand();
GameCommand LostLettersCommand();
GameCommand MazeCommand();
GameCommand LabyrinthCommand();

const std::vector<GameCommand>& GameCommands() {
  static const std::vector<GameCommand> Commands{WordSearchCommand(), JumbleCommand(),
                                                 LostLettersCommand(), MazeCommand(),
                                                 LabyrinthCommand()};
  return Commands;
}

const GameCommand* FindGameCommand(std::string_view TypeName) {
  for (const GameCommand& Command : GameCommands())
    if (Command.TypeName == TypeName) return &Command;
  return nullptr;
}

}  // namespace vornic::cli
