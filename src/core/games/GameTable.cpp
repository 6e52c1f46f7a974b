// The one place of the core that lists the games.
#include "games/GameTable.h"

#include "document/TVornicGame.h"
#include "games/GameDescriptor.h"
#include "games/jumble/JumbleDescriptor.h"
#include "games/labyrinth/LabyrinthDescriptor.h"
#include "games/lostletters/LostLettersDescriptor.h"
#include "games/maze/MazeDescriptor.h"
#include "games/wordsearch/WordSearchDescriptor.h"

namespace vornic {

const std::vector<GameInfo>& GameTable() {
  static const WordSearchDescriptor WordSearch;
  static const MazeDescriptor Maze;
  static const LabyrinthDescriptor Labyrinth;
  static const JumbleDescriptor Jumble;
  static const LostLettersDescriptor LostLetters;
  static const std::vector<GameInfo> Table = [] {
    std::vector<GameInfo> Rows;
    for (const GameDescriptor* Game :
         {static_cast<const GameDescriptor*>(&WordSearch),
          static_cast<const GameDescriptor*>(&Maze), static_cast<const GameDescriptor*>(&Labyrinth),
          static_cast<const GameDescriptor*>(&Jumble),
          static_cast<const GameDescriptor*>(&LostLetters)})
      Rows.push_back({Game->Names(), static_cast<int>(Rows.size()) + 1, Game});
    return Rows;
  }();
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
