#include "worksheet/WorksheetLayout.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>

#include "base/DocumentError.h"
#include "document/TVornicGame.h"
#include "games/GameDescriptor.h"
#include "games/GameTable.h"
#include "picture/PictureLimits.h"
#include "worksheet/SheetPictures.h"
#include "worksheet/SolverNotes.h"

namespace vornic {
namespace {

using namespace sheet;

double LineHeight(double Points) {
  return 1.3 * Points * MmPerPoint;
}
double MonoWidth(std::size_t Characters, double Points) {
  return static_cast<double>(Characters) * MonoAdvance * Points * MmPerPoint;
}
std::size_t CharacterCount(const std::string& Utf8) {
  return static_cast<std::size_t>(std::count_if(Utf8.begin(), Utf8.end(), [](char C) {
    return (static_cast<unsigned char>(C) & 0xC0) != 0x80;
  }));
}

// A long phrase's blanks in lines of at most Fits characters, broken where its words meet (two
// spaces), or inside a word longer than a line.
std::vector<std::string> WrapAtGaps(const std::string& Text, std::size_t Fits) {
  std::vector<std::string> Lines;
  Fits = std::max<std::size_t>(Fits, 2);
  std::size_t Start = 0;
  while (Text.size() - Start > Fits) {
    std::size_t Break = Text.rfind("  ", Start + Fits);
    if (Break == std::string::npos || Break <= Start) Break = Start + Fits;
    Lines.push_back(Text.substr(Start, Break - Start));
    Start = Break;
    while (Start < Text.size() && Text[Start] == ' ') ++Start;
  }
  if (Start < Text.size()) Lines.push_back(Text.substr(Start));
  return Lines;
}

std::string TitleOf(const TVornicGame& Game, const WorksheetOptions& Options) {
  if (!Options.Title.empty()) return Options.Title;
  if (Game.FileName.empty()) return Game.DisplayName();
  return std::filesystem::path(Game.FileName).stem().string();
}

// The page's frame: where the body starts once title and name line are placed.
struct Frame {
  double Left = Margin, Width = 0, Top = Margin, Bottom = 0;
};

Frame StartPage(WorksheetPage& Page, PaperSize Paper, const std::string& Title, bool NameLine) {
  const PaperDimensions Size = Dimensions(Paper);
  Frame Body;
  Body.Width = Size.Width - 2 * Margin;
  Body.Bottom = Size.Height - Margin;
  Page.Paper = Paper;
  Page.Texts.push_back({Body.Left, Body.Top, Body.Width, TitlePoints, true, false, true, Title});
  Body.Top += LineHeight(TitlePoints) + 2;
  if (NameLine) {
    Page.Texts.push_back(
        {Body.Left, Body.Top, Body.Width, NameLinePoints, false, false, false, NameLineText});
    Body.Top += LineHeight(NameLinePoints);
  }
  Body.Top += 5;
  return Body;
}

// The notes as lines from Top, in Points; returns their height. With Place false only measures.
double PlaceNotes(const SolverNotes& Notes, const Frame& Body, double Top, double Points,
                  WorksheetPage* Page) {
  const double Line = LineHeight(Points);
  double Height = 0;
  if (!Notes.Words.empty()) {
    std::size_t Longest = 1;
    for (const std::string& Word : Notes.Words) Longest = std::max(Longest, CharacterCount(Word));
    const double Gap = MonoWidth(3, Points);
    const double Column = MonoWidth(Longest, Points) + Gap;
    const std::size_t Fit = std::clamp<std::size_t>(
        static_cast<std::size_t>((Body.Width + Gap) / Column), 1, Notes.Words.size());
    const std::size_t Rows = (Notes.Words.size() + Fit - 1) / Fit;
    // As few columns as those rows need, so the block centres on what it shows.
    const std::size_t Columns = (Notes.Words.size() + Rows - 1) / Rows;
    const double Left =
        Body.Left + (Body.Width - (static_cast<double>(Columns) * Column - Gap)) / 2;
    if (Page) {
      // Down the columns, so the sorted list reads as it is sorted.
      for (std::size_t i = 0; i < Notes.Words.size(); ++i)
        Page->Texts.push_back({Left + static_cast<double>(i / Rows) * Column,
                               Top + static_cast<double>(i % Rows) * Line, Column, Points, false,
                               true, false, Notes.Words[i]});
    }
    Height += static_cast<double>(Rows) * Line;
  }
  if (!Notes.PhraseBlanks.empty()) {
    if (Height > 0) Height += Line / 2;
    const auto Fits = static_cast<std::size_t>(Body.Width / MonoWidth(1, Points));
    for (const std::string& Part : WrapAtGaps(Notes.PhraseBlanks, Fits)) {
      if (Page)
        Page->Texts.push_back(
            {Body.Left, Top + Height, Body.Width, Points, false, true, true, Part});
      Height += Line;
    }
  }
  return Height;
}

// The picture as large as the width and the height left allow, never above 12 mm a cell,
// centred across the page.
void PlacePicture(WorksheetPage& Page, const TDrawMetaFile& Picture, const Frame& Body, double Top,
                  double HeightLeft) {
  if (auto Problem = PictureProblem(Picture, PictureFormat::Pdf)) throw DocumentError(*Problem);
  SheetPicture Placed;
  Placed.UnitsWide = std::max(1, Picture.Width());
  Placed.UnitsHigh = std::max(1, Picture.Height());
  const double Scale = std::max(
      0.0, std::min({MaxMmPerUnit, Body.Width / Placed.UnitsWide, HeightLeft / Placed.UnitsHigh}));
  Placed.Width = Placed.UnitsWide * Scale;
  Placed.Height = Placed.UnitsHigh * Scale;
  Placed.X = Body.Left + (Body.Width - Placed.Width) / 2;
  Placed.Top = Top;
  Placed.Operations = Picture.Operations();
  Page.Pictures.push_back(std::move(Placed));
}

WorksheetPage PuzzlePage(TVornicGame& Game, const WorksheetOptions& Options) {
  WorksheetPage Page;
  const Frame Body = StartPage(Page, Options.Paper, TitleOf(Game, Options), Options.NameLine);
  const SolverNotes Notes = NotesFor(Game);
  const double BodyHeight = Body.Bottom - Body.Top;
  // A long list takes a smaller type rather than leaving the puzzle too little room.
  double Points = NotesPoints;
  while (Points > SmallestNotesPoints &&
         PlaceNotes(Notes, Body, 0, Points, nullptr) > 0.4 * BodyHeight)
    Points -= 1;
  const double NotesHeight = PlaceNotes(Notes, Body, 0, Points, nullptr);
  const double Gap = NotesHeight > 0 ? 6 : 0;
  RecordPuzzleView(Game);
  PlacePicture(Page, Game.MetaFile, Body, Body.Top, BodyHeight - NotesHeight - Gap);
  PlaceNotes(Notes, Body, Body.Top + Page.Pictures.back().Height + Gap, Points, &Page);
  return Page;
}

WorksheetPage AnswerPage(TVornicGame& Game, const WorksheetOptions& Options) {
  WorksheetPage Page;
  Page.AnswerKey = true;
  const Frame Body =
      StartPage(Page, Options.Paper, AnswerKeyPrefix + TitleOf(Game, Options), false);
  RecordAnswerKey(Game);
  PlacePicture(Page, Game.MetaFile, Body, Body.Top, Body.Bottom - Body.Top);
  return Page;
}

// What drawing reads of a document, so that the pictures are recorded without touching the
// original, whose picture a window may be showing.
std::unique_ptr<TVornicGame> DrawingCopy(const TVornicGame& Game) {
  auto Copy = std::make_unique<TVornicGame>();
  Copy->GameName = Game.GameName;
  Copy->FileName = Game.FileName;
  Copy->Grid = Game.Grid;
  Copy->Letters = Game.Letters;
  Copy->Settings = Game.Settings;
  Copy->Words.Assign(Game.Words.Items());
  Copy->MetaFile.Font = Game.MetaFile.Font;
  return Copy;
}

}  // namespace

std::vector<WorksheetPage> LayOutWorksheet(const std::vector<const TVornicGame*>& Games,
                                           const WorksheetOptions& Options) {
  // A puzzle too large to draw (a damaged file) is refused before anything is drawn.
  for (const TVornicGame* Game : Games) {
    const GameDescriptor* Descriptor = DescriptorOf(*Game);
    const auto [Width, Height] = Descriptor
                                     ? Descriptor->PictureSize(*Game)
                                     : std::pair{Game->MetaFile.Width(), Game->MetaFile.Height()};
    if (auto Problem = PictureSizeProblem(Width, Height))
      throw DocumentError(Game->DisplayName() + ": " + *Problem);
  }
  std::vector<std::unique_ptr<TVornicGame>> Copies;
  for (const TVornicGame* Game : Games) Copies.push_back(DrawingCopy(*Game));
  std::vector<WorksheetPage> Pages;
  if (Options.Pages != SheetPages::AnswersOnly)
    for (const auto& Game : Copies) Pages.push_back(PuzzlePage(*Game, Options));
  if (Options.Pages != SheetPages::PuzzlesOnly)
    for (const auto& Game : Copies) Pages.push_back(AnswerPage(*Game, Options));
  return Pages;
}

}  // namespace vornic
