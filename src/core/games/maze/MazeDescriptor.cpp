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
  std::optional<std::string> Phrase = ReadField(Game, Input.Phrase, "The title phrase");
  if (!Phrase) return false;
  Maze.Phrase = std::move(*Phrase);
  int LineNumber = 0;
  for (const std::string& Line : Input.Words) {
    ++LineNumber;
    if (Line.empty()) continue;
    std::optional<std::string> Word =
        ReadField(Game, Line, "Line " + std::to_string(LineNumber) + " of the words");
    if (!Word) return false;
    Maze.Words.push_back(std::move(*Word));
  }
  std::optional<MazeSize> Size;
  if (Input.Cols && Input.Rows)
    Size = MazeSize{*Input.Cols, *Input.Rows};
  else
    Size = NearestToSquare(OfferedSizes(LetterTotal(Maze.Phrase, Maze.Words)));
  if (!Size) return false;
  MazeBuilder Builder;
  if (WhileBusy(Input, [&] { return BuildMazeGame(Game, Builder, Maze, *Size); })) return true;
  // The document kept the maze it held.
  const std::string Refusal = MazeBuildFailure(Maze, *Size, Game.Settings.Charset);
  Tell(Game,
       !Refusal.empty() ? Refusal
                        : "The maze could not be built in " + FormatSize(*Size) +
                              ": no way was found to lay every word in the grid. Choose another "
                              "size, or change the title phrase or the words.",
       Icon::Warning);
  return false;
}

std::unique_ptr<GameInput> MazeDescriptor::InputOfWords(
    const std::vector<std::string>& Words) const {
  auto Input = std::make_unique<MazeGameInput>();
  Input->Words = Words;
  return Input;
}

}  // namespace vornic
