#include "games/GameTable.h"

#include "document/TVornicGame.h"
#include "games/jumble/JumbleDescriptor.h"
#include "games/labyrinth/LabyrinthDescriptor.h"
#include "games/lostletters/LostLettersDescriptor.h"
#include "games/maze/MazeDescriptor.h"
#include "games/wordsearch/WordSearchDescriptor.h"

namespace vornic {

const std::array<GameInfo, 5>& GameTable() {
  static const WordSearchDescriptor WordSearch;
  static const MazeDescriptor Maze;
  static const LabyrinthDescriptor Labyrinth;
  static const JumbleDescriptor Jumble;
  static const LostLettersDescriptor LostLetters;
  namespace Type = GameTypeName;
  static const std::array<GameInfo, 5> Table{{
      {1, "NewVornicGame", "&VornicGame", Type::WordSearch, "TVornicForm", "wordsearch",
       &WordSearch},
      {2, "WordMaze1", "&WordMaze", Type::WordMaze, "TWordMazeForm", "maze", &Maze},
      {3, "WordLabirint1", "Word&Labirint", Type::WordLabyrinth, "TLabirintForm", "labyrinth",
       &Labyrinth},
      {4, "JumbledUp1", "JumbledUp", Type::Jumble, "TJumbleForm", "jumble", &Jumble},
      {5, "LostLetters1", "LostLetters", Type::LostLetters, "TLostLettersForm", "lostletters",
       &LostLetters},
  }};
  return Table;
}

namespace {
template <typename Match>
const GameInfo* FindGame(Match Matches) {
  for (const GameInfo& Game : GameTable())
    if (Matches(Game)) return &Game;
  return nullptr;
}
}  // namespace

const GameInfo* FindGameByTag(int Tag) {
  return FindGame([&](const GameInfo& Game) { return Game.Tag == Tag; });
}
const GameInfo* FindGameByTypeName(std::string_view TypeName) {
  return FindGame([&](const GameInfo& Game) { return Game.TypeName == TypeName; });
}
const GameInfo* FindGameByCliName(std::string_view CliName) {
  return FindGame([&](const GameInfo& Game) { return Game.CliName == CliName; });
}

const GameDescriptor* FindDescriptor(std::string_view TypeName) {
  const GameInfo* Game = FindGameByTypeName(TypeName);
  return Game ? Game->Descriptor : nullptr;
}

const GameDescriptor* DescriptorOf(const TVornicGame& Game) {
  return FindDescriptor(Game.GameName);
}

}  // namespace vornic
