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
#include "worksheet/SheetTextWidth.h"
#include "worksheet/SolverNotes.h"

namespace vornic {
namespace {

using namespace sheet;

// The type sizes and limits of one worksheet: ordinary or large print.
struct Print {
  double Title, NameLine, Instruction, Notes, SmallestNotes, Answer;
  bool Bold;
  double MaxMmPerUnit, LineGap, Handwritten;
};

Print PrintFor(const WorksheetOptions& Options) {
  if (Options.LargePrint)
    return {LargeTitlePoints,   LargePoints,       LargePoints, LargeNotesPoints,
            LargePoints,        LargePoints,       true,        LargeMaxMmPerUnit,
            LargeAnswerLineGap, LargeHandwrittenMm};
  return {TitlePoints,    NameLinePoints, NameLinePoints, NotesPoints,   SmallestNotesPoints,
          NameLinePoints, false,          MaxMmPerUnit,   AnswerLineGap, HandwrittenMm};
}

double LineHeight(double Points) {
  return 1.3 * Points * MmPerPoint;
}
std::size_t CharacterCount(const std::string& Utf8) {
  return static_cast<std::size_t>(std::count_if(Utf8.begin(), Utf8.end(), [](char C) {
    return (static_cast<unsigned char>(C) & 0xC0) != 0x80;
  }));
}

// The phrase's length as blanks: one "_" per character, a wider gap where its words meet.
std::string Blanks(const std::string& Phrase) {
  std::string Result;
  for (const char C : Phrase) {
    if ((static_cast<unsigned char>(C) & 0xC0) == 0x80) continue;
    Result += C == ' ' ? "  " : "_ ";
  }
  while (!Result.empty() && Result.back() == ' ') Result.pop_back();
  return Result;
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

Frame StartPage(WorksheetPage& Page, PaperSize Paper, const std::string& Title, bool NameLine,
                const Print& Type) {
  const PaperDimensions Size = Dimensions(Paper, Page.Landscape);
  Frame Body;
  Body.Width = Size.Width - 2 * Margin;
  Body.Bottom = Size.Height - Margin;
  Page.Paper = Paper;
  Page.Texts.push_back({Body.Left, Body.Top, Body.Width, Type.Title, true, false, true, Title});
  Body.Top += LineHeight(Type.Title) + 2;
  if (NameLine) {
    Page.Texts.push_back(
        {Body.Left, Body.Top, Body.Width, Type.NameLine, Type.Bold, false, false, NameLineText});
    Body.Top += LineHeight(Type.NameLine);
  }
  Body.Top += 5;
  return Body;
}

// Wrapped lines from Body.Top down, left-aligned; moves Body.Top below them. Returns how many.
std::size_t PlaceLines(WorksheetPage& Page, Frame& Body, const std::string& Text, double Points,
                       bool Bold, bool Mono) {
  const std::vector<std::string> Lines = WrapText(Text, Body.Width, Points, Bold, Mono);
  for (const std::string& Line : Lines) {
    Page.Texts.push_back({Body.Left, Body.Top, Body.Width, Points, Bold, Mono, false, Line});
    Body.Top += LineHeight(Points);
  }
  return Lines.size();
}

// What the puzzle page shows under the picture: the words to find, the phrase's blanks, and
// ruled lines for the answer.
struct SolverBlock {
  std::vector<std::string> Words;
  std::string PhraseBlanks;
  std::size_t AnswerLines = 0;
};

SolverBlock BlockFor(const SheetParts& Parts, const WorksheetOptions& Options, const Print& Type,
                     const Frame& Body) {
  SolverBlock Block;
  if (Options.WordList == WordListOrder::Sorted) Block.Words = Parts.SortedWords;
  if (Options.WordList == WordListOrder::Placed) Block.Words = Parts.PlacedWords;
  if (Parts.Space == AnswerSpace::Blanks) Block.PhraseBlanks = Blanks(Parts.Answer);
  if (Parts.Space == AnswerSpace::Lines) {
    // Long enough to write the answer by hand, but never more than a third of the page.
    const double Needed =
        static_cast<double>(CharacterCount(Parts.Answer)) * Type.Handwritten / Body.Width;
    const double Most = (Body.Bottom - Body.Top) / 3 / Type.LineGap;
    Block.AnswerLines =
        static_cast<std::size_t>(std::clamp(std::ceil(Needed), 1.0, std::max(1.0, Most)));
  }
  return Block;
}

// The block as lines from Top, in Points; returns its height. With Page null only measures.
double PlaceBlock(const SolverBlock& Block, const Frame& Body, double Top, double Points,
                  const Print& Type, WorksheetPage* Page) {
  const double Line = LineHeight(Points);
  double Height = 0;
  if (!Block.Words.empty()) {
    double Longest = 0;
    for (const std::string& Word : Block.Words)
      Longest = std::max(Longest, TextWidth(Word, Points, Type.Bold, true));
    const double Gap = TextWidth("   ", Points, Type.Bold, true);
    const double Column = Longest + Gap;
    const std::size_t Fit = std::clamp<std::size_t>(
        static_cast<std::size_t>((Body.Width + Gap) / Column), 1, Block.Words.size());
    const std::size_t Rows = (Block.Words.size() + Fit - 1) / Fit;
    // As few columns as those rows need, so the block centres on what it shows.
    const std::size_t Columns = (Block.Words.size() + Rows - 1) / Rows;
    const double Left =
        Body.Left + (Body.Width - (static_cast<double>(Columns) * Column - Gap)) / 2;
    if (Page) {
      // Down the columns, so that a sorted list reads as it is sorted.
      for (std::size_t i = 0; i < Block.Words.size(); ++i)
        Page->Texts.push_back({Left + static_cast<double>(i / Rows) * Column,
                               Top + static_cast<double>(i % Rows) * Line, Column, Points,
                               Type.Bold, true, false, Block.Words[i]});
    }
    Height += static_cast<double>(Rows) * Line;
  }
  if (!Block.PhraseBlanks.empty()) {
    if (Height > 0) Height += Line / 2;
    const auto Fits = static_cast<std::size_t>(Body.Width / TextWidth("_", Points, false, true));
    for (const std::string& Part : WrapAtGaps(Block.PhraseBlanks, Fits)) {
      if (Page)
        Page->Texts.push_back(
            {Body.Left, Top + Height, Body.Width, Points, Type.Bold, true, true, Part});
      Height += Line;
    }
  }
  for (std::size_t i = 0; i < Block.AnswerLines; ++i) {
    Height += Type.LineGap;
    if (Page) Page->Lines.push_back({Body.Left, Top + Height, Body.Width, Type.Bold ? 0.5 : 0.3});
  }
  return Height;
}

// The largest millimetres per picture unit that fit Width x Height, never above the cap.
double ScaleToFit(const TDrawMetaFile& Picture, double Width, double Height, const Print& Type) {
  return std::max(0.0, std::min({Type.MaxMmPerUnit, Width / std::max(1, Picture.Width()),
                                 Height / std::max(1, Picture.Height())}));
}

// The picture at Scale millimetres a unit, centred across the page.
void PlacePicture(WorksheetPage& Page, const TDrawMetaFile& Picture, const Frame& Body, double Top,
                  double Scale) {
  if (auto Problem = PictureProblem(Picture, PictureFormat::Pdf)) throw DocumentError(*Problem);
  SheetPicture Placed;
  Placed.UnitsWide = std::max(1, Picture.Width());
  Placed.UnitsHigh = std::max(1, Picture.Height());
  Placed.Width = Placed.UnitsWide * Scale;
  Placed.Height = Placed.UnitsHigh * Scale;
  Placed.X = Body.Left + (Body.Width - Placed.Width) / 2;
  Placed.Top = Top;
  Placed.Operations = Picture.Operations();
  Page.Pictures.push_back(std::move(Placed));
}

double CellMm(double Scale) {
  return Scale * TDrawMetaFile::CellSize;
}

// A page holding only the picture (with Title), on the paper's side unless upright gives it
// larger cells (a tall picture).
WorksheetPage PicturePage(const TDrawMetaFile& Picture, const std::string& Title,
                          const WorksheetOptions& Options, const Print& Type) {
  double Best = -1;
  WorksheetPage Chosen;
  for (const bool Landscape : {true, false}) {
    WorksheetPage Page;
    Page.Landscape = Landscape;
    const Frame Body = StartPage(Page, Options.Paper, Title, false, Type);
    const double Scale = ScaleToFit(Picture, Body.Width, Body.Bottom - Body.Top, Type);
    if (Scale <= Best) continue;
    Best = Scale;
    PlacePicture(Page, Picture, Body, Body.Top, Scale);
    Chosen = std::move(Page);
  }
  return Chosen;
}

std::string Instruction(const SheetParts& Parts, const WorksheetOptions& Options) {
  return Options.Instructions ? *Options.Instructions : Parts.Instruction;
}

// The puzzle page, and in large print a page of its own for a grid too large for large cells.
std::vector<WorksheetPage> PuzzlePages(TVornicGame& Game, const WorksheetOptions& Options) {
  const Print Type = PrintFor(Options);
  const std::string Title = TitleOf(Game, Options);
  const SheetParts Parts = NotesFor(Game);
  WorksheetPage Page;
  Frame Body = StartPage(Page, Options.Paper, Title, Options.NameLine, Type);
  if (PlaceLines(Page, Body, Instruction(Parts, Options), Type.Instruction, Type.Bold, false) > 0)
    Body.Top += 4;
  const SolverBlock Block = BlockFor(Parts, Options, Type, Body);
  const double BodyHeight = Body.Bottom - Body.Top;
  // A long list takes a smaller type rather than leaving the puzzle too little room.
  double Points = Type.Notes;
  while (Points > Type.SmallestNotes &&
         PlaceBlock(Block, Body, 0, Points, Type, nullptr) > 0.4 * BodyHeight)
    Points -= 1;
  const double BlockHeight = PlaceBlock(Block, Body, 0, Points, Type, nullptr);
  const double Gap = BlockHeight > 0 ? 6 : 0;
  RecordPuzzleView(Game);
  const double Scale = ScaleToFit(Game.MetaFile, Body.Width, BodyHeight - BlockHeight - Gap, Type);
  if (Options.LargePrint && CellMm(Scale) < LargeCellMm) {
    PlaceBlock(Block, Body, Body.Top, Points, Type, &Page);
    return {std::move(Page), PicturePage(Game.MetaFile, Title, Options, Type)};
  }
  PlacePicture(Page, Game.MetaFile, Body, Body.Top, Scale);
  PlaceBlock(Block, Body, Body.Top + Page.Pictures.back().Height + Gap, Points, Type, &Page);
  return {std::move(Page)};
}

// The key picture with the answer written out in full under it, in the grid font so that it
// reads as the puzzle's letters do.
WorksheetPage AnswerPage(TVornicGame& Game, const WorksheetOptions& Options) {
  const Print Type = PrintFor(Options);
  const std::string Answer = NotesFor(Game).Answer;
  WorksheetPage Page;
  Page.AnswerKey = true;
  RecordAnswerKey(Game, Options.Key);
  const std::string Title = AnswerKeyPrefix + TitleOf(Game, Options);
  for (const bool Landscape : {false, true}) {
    Page = WorksheetPage();
    Page.AnswerKey = true;
    Page.Landscape = Landscape;
    Frame Body = StartPage(Page, Options.Paper, Title, false, Type);
    const double BodyHeight = Body.Bottom - Body.Top;
    double Points = Type.Answer;
    const auto Measure = [&](double Size) {
      return Answer.empty()
                 ? 0.0
                 : LineHeight(Size) *
                       static_cast<double>(
                           WrapText(Answer, Body.Width, Size, Type.Bold, true).size() + 1);
    };
    while (Points > Type.SmallestNotes && Measure(Points) > 0.4 * BodyHeight) Points -= 1;
    const double AnswerHeight = Measure(Points);
    const double Gap = AnswerHeight > 0 ? 6 : 0;
    const double Scale =
        ScaleToFit(Game.MetaFile, Body.Width, BodyHeight - AnswerHeight - Gap, Type);
    // Large print turns the page when the grid's cells come out small upright.
    if (!Landscape && Options.LargePrint && CellMm(Scale) < LargeCellMm) {
      Frame Side = Body;
      const PaperDimensions Turned = Dimensions(Options.Paper, true);
      Side.Width = Turned.Width - 2 * Margin;
      Side.Bottom = Turned.Height - Margin;
      if (ScaleToFit(Game.MetaFile, Side.Width, Side.Bottom - Side.Top - AnswerHeight - Gap, Type) >
          Scale)
        continue;
    }
    PlacePicture(Page, Game.MetaFile, Body, Body.Top, Scale);
    Body.Top += Page.Pictures.back().Height + Gap;
    if (!Answer.empty()) {
      Page.Texts.push_back(
          {Body.Left, Body.Top, Body.Width, Points, true, false, false, AnswerLabel});
      Body.Top += LineHeight(Points);
      PlaceLines(Page, Body, Answer, Points, Type.Bold, true);
    }
    break;
  }
  return Page;
}

// What drawing reads of a document, so that the pictures are recorded without touching the
// original, whose picture a window may be showing.
std::unique_ptr<TVornicGame> DrawingCopy(const TVornicGame& Game, const WorksheetOptions& Options) {
  auto Copy = std::make_unique<TVornicGame>();
  Copy->GameName = Game.GameName;
  Copy->FileName = Game.FileName;
  Copy->Grid = Game.Grid;
  Copy->Letters = Game.Letters;
  Copy->Settings = Game.Settings;
  if (Options.LargePrint) Copy->Settings.Bold = 1;
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
  for (const TVornicGame* Game : Games) Copies.push_back(DrawingCopy(*Game, Options));
  std::vector<WorksheetPage> Pages;
  if (Options.Pages != SheetPages::AnswersOnly)
    for (const auto& Game : Copies)
      for (WorksheetPage& Page : PuzzlePages(*Game, Options)) Pages.push_back(std::move(Page));
  if (Options.Pages != SheetPages::PuzzlesOnly)
    for (const auto& Game : Copies) Pages.push_back(AnswerPage(*Game, Options));
  return Pages;
}

}  // namespace vornic
