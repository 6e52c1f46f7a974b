#include "cli/CliSupport.h"
#include "cli/CommandText.h"
#include "cli/GameCommands.h"
#include "games/jumble/JumbleDescriptor.h"

namespace vornic::cli {
namespace {

struct JumbleOptions {
  std::string Output;
  std::string Text;
  bool NoMix = false;
  int FontCharset = 1;
  std::optional<std::uint64_t> Seed;
};

void RunJumble(const JumbleOptions& Options, CliContext& Context) {
  // A refused text is bad usage, told before anything is built.
  static_cast<void>(ReadCommandText(CaseOfNewPuzzle(Options.FontCharset), Options.Text, {}));
  SeedGenerator(Options.Seed);
  TVornicGame Game;
  const GameDescriptor& Descriptor = *FindDescriptor(JumbleDescriptor::Name.TypeName);
  Descriptor.InitDocument(Game, &Context.Ui);
  Game.Settings.Charset = static_cast<std::uint8_t>(Options.FontCharset);
  JumbleInput Input;
  Input.Text = Options.Text;
  Input.Mix = !Options.NoMix;
  // A refusal has been told through the document's user interface.
  if (!Descriptor.Build(Game, Input)) throw CliFailure(NotBuilt, "");
  SaveGame(Game, Options.Output);
  Context.Out << "Wrote " << ShownPath(Options.Output) << ": " << Game.Settings.Cols << " x "
              << Game.Settings.Rows << ", " << Game.Words.size() - 1 << " words.\n";
}

std::unique_ptr<GameView> ViewOf(const RenderOptions& Options) {
  auto View = std::make_unique<JumbleView>();
  View->Solution = Options.Solution;
  return View;
}

void WriteSamples(const SampleWriter& Write) {
  JumbleInput Input;
  Input.Text = "A JOURNEY OF A THOUSAND MILES BEGINS WITH ONE STEP";
  Write("jumble-proverb.gm", Input, 1);
}

void AddJumbleCommand(CLI::App& App, CliContext& Context) {
  auto Options = std::make_shared<JumbleOptions>();
  CLI::App* Command = App.add_subcommand(
      std::string(JumbleDescriptor::Name.CliName),
      "Build a jumbled-text puzzle: every word of a text with its letters mixed");
  Command->add_option("-o,--output", Options->Output, "Game file to write (.gm)")->required();
  Command->add_option("--text", Options->Text, "The text; upper-cased, words split at spaces")
      ->required();
  Command->add_flag("--no-mix", Options->NoMix, "Keep the words in the order of the text");
  AddFontCharsetAndSeed(*Command, Options->FontCharset, Options->Seed);
  Command->callback([Options, &Context] { RunJumble(*Options, Context); });
}

}  // namespace

GameCommand JumbleCommand() {
  return {JumbleDescriptor::Name.TypeName, &AddJumbleCommand, &ViewOf, &WriteSamples};
}

}  // namespace vornic::cli
