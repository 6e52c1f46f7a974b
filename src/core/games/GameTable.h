#pragma once

#include <string_view>
#include <vector>

namespace vornic {

class GameDescriptor;
class TVornicGame;

// The names of one game, spelled once in its own folder (its descriptor's Names): the launcher's
// menu item, the file's type name, the window class and the command-line subcommand.
struct GameNames {
  std::string_view MenuItem;     // the "&New Game" item's object name
  std::string_view Caption;      // the menu item's text
  std::string_view TypeName;     // GameName, written into every file of the game
  std::string_view WindowClass;  // the game window's class
  std::string_view CliName;      // the command-line subcommand
};

// One row per game: the launcher's menu, opening files by type, the window layer's and the
// command-line tool's registries all read this table, so adding a game is one line in
// GameTable.cpp and one folder beside it.
struct GameInfo : GameNames {
  int Tag;                           // "&New Game" item's Tag: the row's place, from 1
  const GameDescriptor* Descriptor;  // how the game is built, drawn and exported; never null
};

// Every game, in the order of the "&New Game" menu.
const std::vector<GameInfo>& GameTable();
const GameInfo* FindGameByTag(int Tag);
const GameInfo* FindGameByTypeName(std::string_view TypeName);
const GameInfo* FindGameByCliName(std::string_view CliName);

// The descriptor of a game type name; null for a name no game has.
const GameDescriptor* FindDescriptor(std::string_view TypeName);
// The descriptor of a document's game (its GameName); null for a document of no known game.
const GameDescriptor* DescriptorOf(const TVornicGame& Game);

}  // namespace vornic
