// A game file of any content: read into a document of the game it names, drawn in every view
// of that game and as both worksheet pictures, exported as EMF and WMF, and copied as text.
// SVG, PDF and PNG are written through Qt, outside the core, and are left out here.

#include <cstdint>
#include <memory>
#include <vector>

#include "FuzzSupport.h"
#include "document/GameFile.h"
#include "games/GameDescriptor.h"
#include "games/GameTable.h"
#include "games/jumble/JumbleDescriptor.h"
#include "games/labyrinth/LabyrinthDescriptor.h"
#include "games/lostletters/LostLettersDescriptor.h"
#include "games/maze/MazeDescriptor.h"
#include "games/wordsearch/WordSearchDescriptor.h"
#include "webpage/WebPage.h"
#include "worksheet/SheetPictures.h"

using namespace vornic;

namespace {

// The views a game's window offers, in the game's own view type: the word search highlights none
// or one entry (the first, second or last here); the maze the same, or its plain grid; the
// labyrinth any of its four check boxes; the jumble and lost letters with or without the
// solution.
std::vector<std::unique_ptr<GameView>> ViewsOf(std::string_view TypeName, std::size_t Entries) {
  std::vector<std::unique_ptr<GameView>> Views;
  if (TypeName == LabyrinthDescriptor::Name.TypeName)
    for (unsigned Bits = 0; Bits < 16; ++Bits) {
      auto View = std::make_unique<LabyrinthGameView>();
      View->Switches = {(Bits & 1U) != 0, (Bits & 2U) != 0, (Bits & 4U) != 0, (Bits & 8U) != 0};
      Views.push_back(std::move(View));
    }
  for (const bool Solution : {false, true}) {
    if (TypeName == JumbleDescriptor::Name.TypeName) {
      auto View = std::make_unique<JumbleView>();
      View->Solution = Solution;
      Views.push_back(std::move(View));
    }
    if (TypeName == LostLettersDescriptor::Name.TypeName) {
      auto View = std::make_unique<LostLettersView>();
      View->Solution = Solution;
      Views.push_back(std::move(View));
    }
  }
  const int Last = static_cast<int>(Entries) - 1;
  for (const int Highlight : {-1, 0, 1, Last}) {
    if (Highlight > Last) continue;
    if (TypeName == WordSearchDescriptor::Name.TypeName) {
      auto View = std::make_unique<WordSearchView>();
      View->Highlight = Highlight;
      Views.push_back(std::move(View));
    }
    if (TypeName == MazeDescriptor::Name.TypeName) {
      auto View = std::make_unique<MazeView>();
      View->Highlight = Highlight;
      Views.push_back(std::move(View));
    }
  }
  if (TypeName == MazeDescriptor::Name.TypeName) {
    auto View = std::make_unique<MazeView>();
    View->Plain = true;
    Views.push_back(std::move(View));
  }
  return Views;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  fuzz::ScratchFolder();
  const std::string_view Bytes = fuzz::BytesOf(Data, Size);
  const auto TypeName = PeekTypeName(Bytes);
  if (!TypeName) return 0;
  const GameDescriptor* Descriptor = FindDescriptor(*TypeName);
  if (!Descriptor) return 0;

  TVornicGame Game;
  fuzz::MakeDocument(Game, *TypeName);
  try {
    if (!Game.LoadFromBytes(Bytes, "fuzz.gm")) return 0;
  } catch (const DocumentError&) {
    return 0;  // refused as damaged: the answer a damaged file should get
  }
  if (Game.Settings.Cols > fuzz::MaxFuzzSide || Game.Settings.Rows > fuzz::MaxFuzzSide) return 0;

  // Every view is drawn; exporting is the slow part, so one view of each input is exported
  // (which one follows from the input's size, so that an input always does the same work), and
  // the answer key, which holds every mark.
  const std::vector<std::unique_ptr<GameView>> Views = ViewsOf(*TypeName, Game.Words.size());
  for (std::size_t i = 0; i < Views.size(); ++i) {
    if (!Descriptor->Draw(Game, *Views[i])) __builtin_trap();  // every view offered can be drawn
    if (i == Size % Views.size()) fuzz::ExportPicture(Game);
  }
  // A highlight past the last entry: refused by the games that highlight.
  WordSearchView Beyond;
  Beyond.Highlight = static_cast<int>(Game.Words.size());
  (void)Descriptor->Draw(Game, Beyond);

  RecordPuzzleView(Game);
  RecordAnswerKey(Game);
  fuzz::ExportPicture(Game);
  (void)Descriptor->CopyText(Game);
  (void)Descriptor->CopyWords(Game);
  // The web page reads every entry of a damaged file too, sealed and not.
  WebPageOptions Page;
  Page.Check = Size % 2 == 0;
  (void)MakeWebPage({{&Game, "fuzz"}}, Page);
  return 0;
}
