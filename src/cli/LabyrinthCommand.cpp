#include <algorithm>

#include "base/GridLimits.h"
#include "cli/CliSupport.h"
#include "cli/CommandText.h"
#include "cli/GameCommands.h"
#include "games/labyrinth/LabyrinthBuilder.h"
#include "games/labyrinth/LabyrinthDescriptor.h"
#include "games/labyrinth/LabyrinthInput.h"

namespace vornic::cli {
namespace {

struct LabyrinthOptions {
  std::string Output;
  std::string Text;
  std::string Size = "15x10";
  int FontCharset = 1;
  std::optional<std::uint64_t> Seed;
};

void RunLabyrinth(const LabyrinthOptions& Options, CliContext& Context) {
  const auto [Cols, Rows] = ParseSize(Options.Size, MinGridSide, MaxGridSide);
  const std::string Text = ReadCommandText(CaseOfNewPuzzle(Options.FontCharset), Options.Text, {});
  SeedGenerator(Options.Seed);

  TVornicGame Game;
  const GameDescriptor& Descriptor = *FindDescriptor(LabyrinthDescriptor::Name.TypeName);
  Descriptor.InitDocument(Game, &Context.Ui);
  Game.Settings.Charset = static_cast<std::uint8_t>(Options.FontCharset);
  LabyrinthGameInput Input;
  Input.Text = Options.Text;
  Game.SetSize(Cols, Rows);
  StartNew(Game);
  // The text was read above: what fails now is the main path.
  if (!BuildUntold(Game, Input))
    throw CliFailure(NotBuilt, LabyrinthNoPathMessage(Text.size(), Cols, Rows));
  const std::string Size = std::to_string(Cols) + " x " + std::to_string(Rows);
  SaveGame(Game, Options.Output);
  Context.Out << "Wrote " << ShownPath(Options.Output) << ": " << Size << ", the text and "
              << Game.Words.size() - 1 << " traps.\n";
  if (const auto Blank = std::count(Game.Grid.begin(), Game.Grid.end(), EmptyChar); Blank > 0) {
    Context.Err << "The grid is not full: " << Blank << " of " << Cols * Rows
                << " cells are left blank, as the window would show them.\n";
  }
}

LabyrinthView ParseShow(const std::string& Show) {
  LabyrinthView View{false, false, false, false};
  if (Show == "none") return View;
  const std::vector<std::string> Parts = SplitCommas(Show);
  if (Parts.empty()) throw CliFailure(BadUsage, "--show needs path, traps, text, start or none");
  for (const std::string& Part : Parts) {
    if (Part == "path")
      View.Path = true;
    else if (Part == "traps")
      View.Traps = true;
    else if (Part == "text")
      View.Text = true;
    else if (Part == "start")
      View.Start = true;
    else
      throw CliFailure(BadUsage, "--show: unknown part \"" + Part +
                                     "\"; use a comma list of path, traps, text, start, or none");
  }
  return View;
}

// --puzzle and --show choose the labyrinth's switches.
std::unique_ptr<GameView> ViewOf(const RenderOptions& Options) {
  if (Options.Puzzle && !Options.Show.empty())
    throw CliFailure(BadUsage, "--puzzle already chooses what to show: use it or --show, not both");
  auto View = std::make_unique<LabyrinthGameView>();
  if (!Options.Show.empty())
    View->Switches = ParseShow(Options.Show);
  else if (Options.Puzzle)
    View->Switches = LabyrinthView::Puzzle();
  return View;
}

void WriteSamples(const SampleWriter& Write) {
  LabyrinthGameInput Input;
  Input.Text = "FOLLOW THE LETTERS TO FIND THE WAY OUT";
  Write("labyrinth-way-out.gm", Input, 1);
}

void AddLabyrinthCommand(CLI::App& App, CliContext& Context) {
  auto Options = std::make_shared<LabyrinthOptions>();
  CLI::App* Command =
      App.add_subcommand(std::string(LabyrinthDescriptor::Name.CliName),
                         "Build a word labyrinth: a text from border to border with trap branches");
  Command->add_option("-o,--output", Options->Output, "Game file to write (.gm)")->required();
  Command->add_option("--text", Options->Text, "The text to follow through the grid")->required();
  Command->add_option("--size", Options->Size, "COLSxROWS, 3..50 each (default 15x10)");
  AddFontCharsetAndSeed(*Command, Options->FontCharset, Options->Seed);
  Command->callback([Options, &Context] { RunLabyrinth(*Options, Context); });
}

}  // namespace

GameCommand LabyrinthCommand() {
  return {LabyrinthDescriptor::Name.TypeName, &AddLabyrinthCommand, &ViewOf, &WriteSamples};
}

}  // namespace vornic::cli
