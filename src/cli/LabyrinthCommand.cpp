#include <algorithm>

#include "base/GridLimits.h"
#include "cli/CliSupport.h"
#include "cli/CommandText.h"
#include "games/GameDescriptor.h"
#include "games/GameTable.h"
#include "games/labyrinth/LabyrinthBuilder.h"
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
  FindDescriptor(GameTypeName::WordLabyrinth)->InitDocument(Game, &Context.Ui);
  Game.Settings.Charset = static_cast<std::uint8_t>(Options.FontCharset);
  Game.SetSize(Cols, Rows);
  StartNew(Game);
  LabyrinthBuilder Builder;
  const LabyrinthBuilder::Result Outcome = Builder.BuildLabyrinth(Text, Game);
  const std::string Size = std::to_string(Cols) + " x " + std::to_string(Rows);
  if (Outcome == LabyrinthBuilder::Result::NoMainPath)
    throw CliFailure(NotBuilt, LabyrinthNoPathMessage(Text.size(), Cols, Rows));
  SaveGame(Game, Options.Output);
  Context.Out << "Wrote " << ShownPath(Options.Output) << ": " << Size << ", the text and "
              << Game.Words.size() - 1 << " traps.\n";
  if (Outcome == LabyrinthBuilder::Result::NotFull) {
    const auto Blank = std::count(Game.Grid.begin(), Game.Grid.end(), EmptyChar);
    Context.Err << "The grid is not full: " << Blank << " of " << Cols * Rows
                << " cells are left blank, as the window would show them.\n";
  }
}

}  // namespace

void AddLabyrinthCommand(CLI::App& App, CliContext& Context) {
  auto Options = std::make_shared<LabyrinthOptions>();
  CLI::App* Command =
      App.add_subcommand(CommandName(GameTypeName::WordLabyrinth),
                         "Build a word labyrinth: a text from border to border with trap branches");
  Command->add_option("-o,--output", Options->Output, "Game file to write (.gm)")->required();
  Command->add_option("--text", Options->Text, "The text to follow through the grid")->required();
  Command->add_option("--size", Options->Size, "COLSxROWS, 3..50 each (default 15x10)");
  AddFontCharsetAndSeed(*Command, Options->FontCharset, Options->Seed);
  Command->callback([Options, &Context] { RunLabyrinth(*Options, Context); });
}

}  // namespace vornic::cli
