#pragma once

#include <array>
#include <string_view>

namespace vornic {

// One row per game: the launcher's menu, opening files by type and the command-line tool all
// read this table, so adding a game is one row here and one folder beside it.
struct GameInfo {
  int Tag;                       // "&New Game" item's Tag, 1 to 5
  std::string_view MenuItem;     // the menu item's object name
  std::string_view Caption;      // the menu item's text
  std::string_view TypeName;     // GameName, written into every file of the game
  std::string_view WindowClass;  // the game window's class
  std::string_view CliName;      // the command-line subcommand
};

const std::array<GameInfo, 5>& GameTable();
const GameInfo* FindGameByTag(int Tag);
const GameInfo* FindGameByTypeName(std::string_view TypeName);
const GameInfo* FindGameByCliName(std::string_view CliName);

}  // namespace vornic
