#pragma once

#include <array>
#include <string_view>

namespace vornic {

class GameDescriptor;
class TVornicGame;

// The game type names, written into every file of a game. They are spelled here once; the rest
// of the program names a game through these or through the table.
namespace GameTypeName {
inline constexpr const char* WordSearch = "VornicGame";
inline constexpr const char* WordMaze = "WordMaze";
inline constexpr const char* WordLabyrinth = "WordLabirint";
inline constexpr const char* Jumble = "JumbledUp";
inline constexpr const char* LostLetters = "LostLetters";
}  // namespace GameTypeName

// One row per game: the launcher's menu, opening files by type and the command-line tool all
// read this table, so adding a game is one row here and one folder beside it.
struct GameInfo {
  int Tag;                           // "&New Game" item's Tag, 1 to 5
  std::string_view MenuItem;         // the menu item's object name
  std::string_view Caption;          // the menu item's text
  std::string_view TypeName;         // GameName, written into every file of the game
  std::string_view WindowClass;      // the game window's class
  std::string_view CliName;          // the command-line subcommand
  const GameDescriptor* Descriptor;  // how the game is built, drawn and exported; never null
};

const std::array<GameInfo, 5>& GameTable();
const GameInfo* FindGameByTag(int Tag);
const GameInfo* FindGameByTypeName(std::string_view TypeName);
const GameInfo* FindGameByCliName(std::string_view CliName);

// The descriptor of a game type name; null for a name no game has.
const GameDescriptor* FindDescriptor(std::string_view TypeName);
// The descriptor of a document's game (its GameName); null for a document of no known game.
const GameDescriptor* DescriptorOf(const TVornicGame& Game);

}  // namespace vornic
