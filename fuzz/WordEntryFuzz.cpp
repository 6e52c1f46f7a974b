// Word entries of any bytes in a small document of each game: every reader of entries (paths,
// labyrinth offsets, the maze phrase, the jumble's hint records, the lost letters' text, the
// word search's readings) on grids from 1 x 1 to beyond the largest side a path can record.
// Cheaper than the game-file target, since no file header has to be found first.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

#include "FuzzSupport.h"
#include "document/WordEntry.h"
#include "games/GameDescriptor.h"
#include "games/GameTable.h"
#include "games/jumble/JumbleDescriptor.h"
#include "games/jumble/JumbleText.h"
#include "games/labyrinth/LabyrinthDescriptor.h"
#include "games/labyrinth/LabyrinthEntry.h"
#include "games/lostletters/LostLettersDescriptor.h"
#include "games/maze/MazeDescriptor.h"
#include "games/maze/MazeGame.h"
#include "games/wordsearch/WordRepeats.h"
#include "games/wordsearch/WordSearchDescriptor.h"
#include "worksheet/SheetPictures.h"
#include "worksheet/SolverNotes.h"
#include "worksheet/WorksheetLayout.h"

using namespace vornic;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  fuzz::ScratchFolder();
  FuzzedDataProvider Input(Data, Size);
  const GameInfo& Info =
      GameTable()[Input.ConsumeIntegralInRange<std::size_t>(0, GameTable().size() - 1)];
  TVornicGame Game;
  fuzz::MakeDocument(Game, Info.TypeName);
  Game.Settings.Charset = Input.ConsumeIntegral<std::uint8_t>();
  const auto Cols = Input.ConsumeIntegralInRange<int>(0, fuzz::MaxFuzzSide);
  const auto Rows = Input.ConsumeIntegralInRange<int>(0, fuzz::MaxFuzzSide);
  const auto Cells = static_cast<std::size_t>(Cols * Rows);
  if (Cells > 4096U || !Game.SetSize(Cols, Rows)) return 0;
  std::string Grid = Input.ConsumeBytesAsString(Cells);
  Grid.resize(Cells, EmptyChar);
  Game.Grid = std::move(Grid);
  std::vector<std::string> Entries;
  while (Input.remaining_bytes() > 0 && Entries.size() < 64)
    Entries.push_back(Input.ConsumeRandomLengthString(512));
  Game.Words.Assign(Entries);

  for (const std::string& Entry : Entries) {
    const SplitWordEntry Parts = SplitEntry(Entry);
    (void)DecodePath(Parts.After, Parts.Item.size());
    (void)LabyrinthEntry::Parse(Entry);
  }
  std::vector<std::string> Listed;
  Game.ListWords(Listed);
  for (int i = 0; i < static_cast<int>(Entries.size()); ++i) (void)Game.WordCells(i);
  (void)MazeInputFromDocument(Game);
  (void)JumbleAsText(Game);
  (void)CountEntryReadings(Game);
  (void)NotesFor(Game);

  const GameDescriptor& Descriptor = *Info.Descriptor;
  (void)Descriptor.DrawFirstView(Game);
  LabyrinthGameView Everything;
  Everything.Switches = LabyrinthView::All();
  (void)Descriptor.Draw(Game, Everything);
  for (int Highlight = -1; Highlight < static_cast<int>(Entries.size()) && Highlight < 4;
       ++Highlight) {
    WordSearchView Word;
    Word.Highlight = Highlight;
    (void)Descriptor.Draw(Game, Word);
    MazeView Maze;
    Maze.Highlight = Highlight;
    (void)Descriptor.Draw(Game, Maze);
  }
  JumbleView Jumble;
  Jumble.Solution = true;
  (void)Descriptor.Draw(Game, Jumble);
  LostLettersView Lost;
  Lost.Solution = true;
  (void)Descriptor.Draw(Game, Lost);
  RecordAnswerKey(Game);
  (void)Descriptor.CopyText(Game);
  (void)Descriptor.CopyWords(Game);
  (void)LayOutWorksheet({&Game}, WorksheetOptions{});
  return 0;
}
