#include "games/maze/MazeDescriptor.h"

#include <algorithm>

#include "document/TVornicGame.h"
#include "games/maze/MazeGame.h"

namespace vornic {

bool MazeDescriptor::Draw(TVornicGame& Game, const GameView& Given) const {
  const MazeView& View = OwnOptions<MazeView>(Given);
  // As the window shows a maze after a build: the phrase highlighted; "Refresh" draws it plain.
  if (!View.Plain && !HighlightFits(Game, View.Highlight)) return false;
  ResizeImage(Game);
  Game.DrawGrid(true);
  if (!View.Plain) static_cast<void>(Game.ShowWord(std::max(View.Highlight, 0)));
  return true;
}

std::optional<std::string> MazeDescriptor::CopyWords(const TVornicGame& Game) const {
  return MazeWordsText(MazeInputFromDocument(Game), Game.Settings.Charset);
}

bool MazeDescriptor::BuildInto(TVornicGame& Game, const GameInput& Given) const {
  const MazeGameInput& Input = OwnOptions<MazeGameInput>(Given);
  MazeInput Maze;
  std::optional<std::string> Phrase = ReadTyped(Game, Input.Phrase);
  if (!Phrase) return false;
  Maze.Phrase = std::move(*Phrase);
  for (const std::string& Line : Input.Words) {
    std::optional<std::string> Word = ReadTyped(Game, Line);
    if (!Word) return false;
    Maze.Words.push_back(std::move(*Word));
  }
  const std::vector<MazeSize> Sizes = OfferedSizes(LetterTotal(Maze.Phrase, Maze.Words));
  std::optional<MazeSize> Size = NearestToSquare(Sizes);
  if (Input.Cols && Input.Rows) {
    Size = MazeSize{*Input.Cols, *Input.Rows};
    if (std::find(Sizes.begin(), Sizes.end(), *Size) == Sizes.end()) return false;
  }
  if (!Size) return false;
  MazeBuilder Builder;
  if (BuildMazeGame(Game, Builder, Maze, *Size)) return true;
  const std::string Refusal = MazeBuildFailure(Maze, *Size, Game.Settings.Charset);
  if (Game.Ui && !Refusal.empty()) Game.Ui->Tell(ApplicationTitle, Refusal, Icon::Warning);
  return false;
}

std::unique_ptr<GameInput> MazeDescriptor::InputOfWords(
    const std::vector<std::string>& Words) const {
  auto Input = std::make_unique<MazeGameInput>();
  Input->Words = Words;
  return Input;
}

}  // namespace vornic
