#include "cli/CliSupport.h"
#include "cli/CommandText.h"
#include "cli/GameCommands.h"
#include "games/lostletters/LostLettersBuilder.h"
#include "games/lostletters/LostLettersDescriptor.h"

namespace vornic::cli {
namespace {

struct LostLettersOptions {
  std::string Output;
  std::string Text;
  int Lines = LostLettersBuilder::DefaultLines;
  int FontCharset = 1;
  std::optional<std::uint64_t> Seed;
};

void RunLostLetters(const LostLettersOptions& Options, CliContext& Context) {
  if (Options.Lines < LostLettersBuilder::MinLines || Options.Lines > LostLettersBuilder::MaxLines)
    throw CliFailure(BadUsage, "--lines " + std::to_string(Options.Lines) +
                                   ": the number of lines must be 2 to 40.");
  // Spaces at the ends are part of the puzzle; a text of spaces only is refused all the same.
  static_cast<void>(ReadCommandText(CaseOfNewPuzzle(Options.FontCharset), Options.Text, {}));
  SeedGenerator(Options.Seed);
  TVornicGame Game;
  const GameDescriptor& Descriptor = *FindDescriptor(LostLettersDescriptor::Name.TypeName);
  Descriptor.InitDocument(Game, &Context.Ui);
  Game.Settings.Charset = static_cast<std::uint8_t>(Options.FontCharset);
  LostLettersInput Input;
  Input.Text = Options.Text;
  Input.Lines = Options.Lines;
  // A refusal has been told through the document's user interface.
  if (!Descriptor.Build(Game, Input)) throw CliFailure(NotBuilt, "");
  SaveGame(Game, Options.Output);
  Context.Out << "Wrote " << ShownPath(Options.Output) << ": " << Game.Settings.Cols << " x "
              << Game.Settings.Rows << ".\n";
}

std::unique_ptr<GameView> ViewOf(const RenderOptions& Options) {
  auto View = std::make_unique<LostLettersView>();
  View->Solution = Options.Solution;
  return View;
}

void WriteSamples(const SampleWriter& Write) {
  LostLettersInput Input;
  Input.Text = "WHERE THERE IS A WILL THERE IS A WAY";
  Input.Lines = 3;
  Write("lostletters-proverb.gm", Input, 1);
}

void AddLostLettersCommand(CLI::App& App, CliContext& Context) {
  auto Options = std::make_shared<LostLettersOptions>();
  CLI::App* Command =
      App.add_subcommand(std::string(LostLettersDescriptor::Name.CliName),
                         "Build a lost-letters puzzle: a text in rows whose columns are mixed");
  Command->add_option("-o,--output", Options->Output, "Game file to write (.gm)")->required();
  Command->add_option("--text", Options->Text, "The text; upper-cased, spaces at the ends kept")
      ->required();
  Command->add_option("--lines", Options->Lines, "Number of rows, 2 to 40 (default 2)");
  AddFontCharsetAndSeed(*Command, Options->FontCharset, Options->Seed);
  Command->callback([Options, &Context] { RunLostLetters(*Options, Context); });
}

}  // namespace

GameCommand LostLettersCommand() {
  return {LostLettersDescriptor::Name.TypeName, &AddLostLettersCommand, &ViewOf, &WriteSamples};
}

}  // namespace vornic::cli
