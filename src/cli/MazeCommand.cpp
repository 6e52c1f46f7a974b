#include <algorithm>

#include "base/GridLimits.h"
#include "cli/CliSupport.h"
#include "cli/CommandText.h"
#include "cli/GameCommands.h"
#include "cli/WordListOptions.h"
#include "games/TypedText.h"
#include "games/maze/MazeDescriptor.h"
#include "games/maze/MazeGame.h"

namespace vornic::cli {
namespace {

struct MazeOptions {
  std::string Output;
  std::string Phrase;
  std::optional<std::string> Words;
  std::optional<std::string> WordsFile;
  std::optional<std::string> Size;
  int FontCharset = 1;
  std::optional<std::uint64_t> Seed;
  ListOptions List;
};

std::string SizeList(const std::vector<MazeSize>& Sizes) {
  std::string List;
  for (const MazeSize& Size : Sizes)
    List += (List.empty() ? "" : ", ") + std::to_string(Size.W) + "x" + std::to_string(Size.H);
  return List;
}

MazeSize ChooseSize(const std::optional<std::string>& Asked, long long Total) {
  const std::vector<MazeSize> Sizes = OfferedSizes(Total);
  if (Sizes.empty())
    throw CliFailure(NotBuilt, "No grid size fits " + std::to_string(Total) +
                                   " letters: the phrase and the words must fill a grid of 3 to "
                                   "50 columns and rows exactly. Add or remove letters.");
  if (!Asked) return *NearestToSquare(Sizes);
  std::string Compact = *Asked;
  std::erase(Compact, ' ');
  const auto [W, H] = ParseSize(Compact, MinGridSide, MaxGridSide);
  if (std::find(Sizes.begin(), Sizes.end(), MazeSize{W, H}) == Sizes.end())
    throw CliFailure(BadUsage, "The size " + *Asked + " is not offered for " +
                                   std::to_string(Total) +
                                   " letters. Offered sizes: " + SizeList(Sizes) + ".");
  return {W, H};
}

void RunMaze(const MazeOptions& Options, CliContext& Context) {
  if (!Options.Words && !Options.WordsFile && !Options.List.List)
    throw CliFailure(BadUsage, "Give the words with --words, --words-file or --list.");
  if (Options.WordsFile) RefuseOutputOverInput(Options.Output, {*Options.WordsFile});
  std::vector<std::string> Lines = Options.Words       ? SplitCommas(*Options.Words)
                                   : Options.WordsFile ? ReadWordsFile(*Options.WordsFile)
                                                       : std::vector<std::string>{};
  SeedGenerator(Options.Seed);
  int FontCharset = Options.FontCharset;
  const ListWords Listed = ReadListWords(Options.List, FontCharset, Lines, MaxGridSide);
  Lines.insert(Lines.end(), Listed.Words.begin(), Listed.Words.end());
  // Typed text as the window's upper-casing edits hold it. The phrase may be empty when the
  // words fill the grid on their own, but not both.
  const LetterCase& Page = CaseOfNewPuzzle(FontCharset);
  MazeInput Input;
  Input.Phrase = ReadCommandText(Page, Options.Phrase, "The title phrase", true);
  for (const std::string& Line : Lines)
    Input.Words.push_back(ReadCommandText(Page, Line, "The word \"" + Line + "\""));
  if (IsBlankText(Input.Phrase) && Input.Words.empty())
    throw CliFailure(BadUsage,
                     "The title phrase is empty and there are no words: there is "
                     "nothing to build.");
  const long long Total = LetterTotal(Input.Phrase, Input.Words);
  const MazeSize Size = ChooseSize(Options.Size, Total);

  TVornicGame Game;
  FindDescriptor(MazeDescriptor::Name.TypeName)->InitDocument(Game, &Context.Ui);
  Game.Settings.Charset = static_cast<std::uint8_t>(FontCharset);
  Game.SetSize(Size.W, Size.H);
  StartNew(Game);
  MazeGameInput Typed;
  Typed.Phrase = Options.Phrase;
  Typed.Words = Lines;
  Typed.Cols = Size.W;
  Typed.Rows = Size.H;
  if (!BuildUntold(Game, Typed)) {
    const std::string Failure = MazeBuildFailure(Input, Size, Options.FontCharset);
    throw CliFailure(NotBuilt, Failure.empty()
                                   ? "The maze could not be built in " + FormatSize(Size) + "."
                                   : Failure);
  }
  SaveGame(Game, Options.Output);
  Context.Out << "Wrote " << ShownPath(Options.Output) << ": " << FormatSize(Size)
              << ", the phrase and " << Input.Words.size() << " words, " << Total << " letters.\n";
}

std::unique_ptr<GameView> ViewOf(const RenderOptions& Options) {
  auto View = std::make_unique<MazeView>();
  View->Highlight = Options.Highlight;
  View->Plain = Options.Plain;
  return View;
}

void WriteSamples(const SampleWriter& Write) {
  MazeGameInput Input;
  Input.Phrase = "SPRING";
  Input.Words = {"TULIP", "DAISY", "ROSE", "IRIS", "LILY", "POPPY", "ORCHID", "VIOLET", "FERN"};
  Write("maze-spring.gm", Input, 1);
}

void AddMazeCommand(CLI::App& App, CliContext& Context) {
  auto Options = std::make_shared<MazeOptions>();
  CLI::App* Command = App.add_subcommand(
      std::string(MazeDescriptor::Name.CliName),
      "Build a word maze: a phrase and words filling a grid along right-angled paths");
  Command->add_option("-o,--output", Options->Output, "Game file to write (.gm)")->required();
  Command
      ->add_option("--phrase", Options->Phrase,
                   "Title phrase; its letters fill the cells no word takes")
      ->required();
  CLI::Option* Words =
      Command->add_option("--words", Options->Words, "Comma-separated words, laid in order");
  CLI::Option* WordsFile = Command->add_option("--words-file", Options->WordsFile,
                                               "File with one word per line (UTF-8)");
  Words->excludes(WordsFile);
  Command->add_option("--size", Options->Size,
                      "WxH, one of the sizes whose cells equal the letters (default: the one "
                      "nearest to square)");
  AddFontCharsetAndSeed(*Command, Options->FontCharset, Options->Seed);
  AddListOptions(*Command, Options->List);
  Command->callback([Options, &Context] { RunMaze(*Options, Context); });
}

}  // namespace

GameCommand MazeCommand() {
  return {MazeDescriptor::Name.TypeName, &AddMazeCommand, &ViewOf, &WriteSamples};
}

}  // namespace vornic::cli
