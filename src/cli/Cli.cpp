#include "cli/Cli.h"

#include "base/DocumentError.h"
#include "cli/CliSupport.h"
#include "cli/GameCommands.h"
#include "cli/WorksheetCommand.h"

namespace vornic::cli {

int RunCli(const std::vector<std::string>& Args, std::ostream& Out, std::ostream& Err) {
  CliContext Context(Out, Err);
  CLI::App App{"Vornic Pack: build, inspect and render word puzzles", "vornicpack-cli"};
  App.require_subcommand(1);
  for (const GameCommand& Game : GameCommands()) Game.Add(App, Context);
  AddInfoCommand(App, Context);
  AddTextCommand(App, Context);
  AddDemoCommand(App, Context);
  AddRenderCommand(App, Context);
  AddWordsCommand(App, Context);
  AddWorksheetCommand(App, Context);
  AddWebPageCommand(App, Context);
  AddListsCommand(App, Context);

  std::vector<std::string> Reversed(Args.rbegin(), Args.rend());
  if (!Reversed.empty()) Reversed.pop_back();  // the program name
  try {
    App.parse(Reversed);
  } catch (const CLI::CallForHelp&) {
    Out << App.help();
    return Done;
  } catch (const CLI::CallForAllHelp&) {
    Out << App.help("", CLI::AppFormatMode::All);
    return Done;
  } catch (const CLI::ParseError& Error) {
    Err << EscapeControls(Error.what(), TextBytes::Utf8, TextLayout) << '\n';
    if (App.get_subcommands().empty()) Err << "Run with --help for the commands.\n";
    return BadUsage;
  } catch (const CliFailure& Failure) {
    // Messages may quote an argument or a file: escaped like everything printed.
    if (*Failure.what() != '\0')
      Err << EscapeControls(Failure.what(), TextBytes::Utf8, TextLayout) << '\n';
    return Failure.Code;
  } catch (const DocumentError& Failure) {
    Err << EscapeControls(Failure.what(), TextBytes::Utf8, TextLayout) << '\n';
    return BadUsage;
  }
  return Context.Status;
}

}  // namespace vornic::cli
