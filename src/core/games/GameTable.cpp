#include "games/GameTable.h"

namespace vornic {

const std::array<GameInfo, 5>& GameTable() {
  static const std::array<GameInfo, 5> Table{{
      {1, "NewVornicGame", "&VornicGame", "VornicGame", "TVornicForm", "wordsearch"},
      {2, "WordMaze1", "&WordMaze", "WordMaze", "TWordMazeForm", "maze"},
      {3, "WordLabirint1", "Word&Labirint", "WordLabirint", "TLabirintForm", "labyrinth"},
      {4, "JumbledUp1", "JumbledUp", "JumbledUp", "TJumbleForm", "jumble"},
      {5, "LostLetters1", "LostLetters", "LostLetters", "TLostLettersForm", "lostletters"},
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

}  // namespace vornic
