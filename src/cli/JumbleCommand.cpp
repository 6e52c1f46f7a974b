#include "cli/CliSupport.h"
#include "cli/CommandText.h"
#include "games/GameDescriptor.h"
#include "games/GameTable.h"
#include "games/jumble/JumbleBuilder.h"

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
  const std::string Text = ReadCommandText(CaseOfNewPuzzle(Options.FontCharset), Options.Text, {});
  SeedGenerator(Options.Seed);
  TVornicGame Game;
  FindDescriptor(GameTypeName::Jumble)->InitDocument(Game, &Context.Ui);
  Game.Settings.Charset = static_cast<std::uint8_t>(Options.FontCharset);
  StartNew(Game);

  JumbleBuilder Builder(Game);
  Builder.Mix = !Options.NoMix;
  // A refusal has been told through the document's user interface.
  if (!Builder.Build(Text)) throw CliFailure(NotBuilt, "");
  SaveGame(Game, Options.Output);
  Context.Out << "Wrote " << ShownPath(Options.Output) << ": " << Game.Settings.Cols << " x "
              << Game.Settings.Rows << ", " << Game.Words.size() - 1 << " words.\n";
}

}  // namespace

void AddJumbleCommand(CLI::App& App, CliContext& Context) {
  auto Options = std::make_shared<JumbleOptions>();
  CLI::App* Command = App.add_subcommand(
      CommandName(GameTypeName::Jumble),
      "Build a jumbled-text puzzle: every word of a text with its letters mixed");
  Command->add_option("-o,--output", Options->Output, "Game file to write (.gm)")->required();
  Command->add_option("--text", Options->Text, "The text; upper-cased, words split at spaces")
      ->required();
  Command->add_flag("--no-mix", Options->NoMix, "Keep the words in the order of the text");
  AddFontCharsetAndSeed(*Command, Options->FontCharset, Options->Seed);
  Command->callback([Options, &Context] { RunJumble(*Options, Context); });
}

}  // namespace vornic::cli
