#include <filesystem>
#include <memory>

#include "base/AtomicFile.h"
#include "base/DocumentError.h"
#include "cli/CliSupport.h"
#include "webpage/WebPage.h"

namespace vornic::cli {
namespace {

struct WebPageCommandOptions {
  std::vector<std::string> Files;
  std::string Output;
  std::string Title;
  bool NoCheck = false;
};

void WriteWebPage(const WebPageCommandOptions& Given, CliContext& Context) {
  // Every file is read before anything is written, so a bad one leaves the output untouched.
  std::vector<std::unique_ptr<TVornicGame>> Games;
  std::vector<WebPagePuzzle> Puzzles;
  for (const std::string& File : Given.Files) {
    Games.push_back(std::make_unique<TVornicGame>());
    OpenAnyGame(File, *Games.back(), Context);
    // One puzzle takes the page's title; in a batch each is named after its file.
    const bool Named = Given.Files.size() == 1 && !Given.Title.empty();
    Puzzles.push_back(
        {Games.back().get(), Named ? Given.Title : std::filesystem::path(File).stem().string()});
  }
  WebPageOptions Options;
  Options.Title = Given.Title;
  Options.Check = !Given.NoCheck;
  try {
    WriteFileAtomically(Given.Output, MakeWebPage(Puzzles, Options));
  } catch (const DocumentError& Failure) {
    throw CliFailure(NotBuilt, Failure.what());
  }
}

}  // namespace

void AddWebPageCommand(CLI::App& App, CliContext& Context) {
  auto Options = std::make_shared<WebPageCommandOptions>();
  CLI::App* Command = App.add_subcommand(
      "webpage", "Write puzzles into one web page that students solve in any browser");
  Command->add_option("files", Options->Files, "Game files (.gm), one puzzle each")->required();
  Command->add_option("-o,--output", Options->Output, "The HTML file to write")->required();
  Command->add_option("--title", Options->Title,
                      "The page's title (default: the file's name, or \"Puzzles\" for several)");
  Command->add_flag("--no-check", Options->NoCheck,
                    "Leave the answers out: the page judges nothing (to solve with a pen)");
  Command->callback([Options, &Context] { WriteWebPage(*Options, Context); });
}

}  // namespace vornic::cli
