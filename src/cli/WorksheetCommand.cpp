#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <optional>

#include "base/DocumentError.h"
#include "cli/CliSupport.h"
#include "cli/WorksheetCommand.h"
#include "games/TypedText.h"
#include "worksheet/PaperChoice.h"
#include "worksheet/WorksheetLayout.h"
#ifdef VORNIC_HAVE_RENDER
#include "render/WorksheetOutput.h"
#endif

namespace vornic::cli {
namespace {

struct WorksheetCommandOptions {
  std::vector<std::string> Files;
  std::string Output;
  std::string Page;
  std::string Title;
  bool NoNameLine = false;
  bool NoAnswers = false;
  bool AnswersOnly = false;
  std::optional<std::string> Instructions;
  std::string KeyStyle = "lines";
  std::string WordList = "sorted";
  bool LargePrint = false;
};

bool EndsInPdf(const std::string& Path) {
  std::string Extension = std::filesystem::path(Path).extension().string();
  std::transform(Extension.begin(), Extension.end(), Extension.begin(),
                 [](unsigned char C) { return static_cast<char>(std::tolower(C)); });
  return Extension == ".pdf";
}

WorksheetOptions SheetOptions(const WorksheetCommandOptions& Given) {
  WorksheetOptions Options;
  Options.Paper = Given.Page.empty()       ? DefaultPaper()
                  : Given.Page == "letter" ? PaperSize::Letter
                                           : PaperSize::A4;
  Options.Title = Given.Title;
  Options.NameLine = !Given.NoNameLine;
  Options.Pages = Given.NoAnswers     ? SheetPages::PuzzlesOnly
                  : Given.AnswersOnly ? SheetPages::AnswersOnly
                                      : SheetPages::PuzzlesAndAnswers;
  Options.Instructions = Given.Instructions;
  Options.Key = Given.KeyStyle == "outlines" ? KeyStyle::Outlines : KeyStyle::Lines;
  Options.WordList = Given.WordList == "hidden"   ? WordListOrder::Hidden
                     : Given.WordList == "placed" ? WordListOrder::Placed
                                                  : WordListOrder::Sorted;
  Options.LargePrint = Given.LargePrint;
  return Options;
}

// A title or an instruction is text on the page: refused as the builders refuse their text.
void RefuseBadText(const std::string& Option, const std::string& Text) {
  if (!IsValidUtf8(Text))
    throw CliFailure(BadUsage, Option +
                                   ": The text is not valid UTF-8. Give it in UTF-8, as the "
                                   "terminal and text files of this system hold it.");
  if (const std::string Refusal = UnicodeControlRefusal(Text); !Refusal.empty())
    throw CliFailure(BadUsage, Option + ": " + Refusal);
}

void WriteWorksheet(const WorksheetCommandOptions& Given, CliContext& Context) {
  if (!EndsInPdf(Given.Output))
    throw CliFailure(BadUsage, "A worksheet is written as PDF: name the output " +
                                   std::filesystem::path(Given.Output).stem().string() + ".pdf");
  RefuseOutputOverInput(Given.Output, Given.Files);
  RefuseBadText("--title", Given.Title);
  if (Given.Instructions) RefuseBadText("--instructions", *Given.Instructions);
#ifdef VORNIC_HAVE_RENDER
  // Every file is read before anything is written, so a bad one leaves the output untouched.
  std::vector<std::unique_ptr<TVornicGame>> Games;
  std::vector<const TVornicGame*> Sheet;
  for (const std::string& File : Given.Files) {
    Games.push_back(std::make_unique<TVornicGame>());
    OpenAnyGame(File, *Games.back(), Context);
    Sheet.push_back(Games.back().get());
  }
  const WorksheetOptions Options = SheetOptions(Given);
  const std::vector<WorksheetPage> Pages = LayOutWorksheet(Sheet, Options);
  const std::string Title =
      Options.Title.empty() ? std::filesystem::path(Given.Output).stem().string() : Options.Title;
  try {
    render::WriteWorksheetPdf(Pages, Title, Given.Output);
  } catch (const DocumentError& Failure) {
    throw CliFailure(NotBuilt, Failure.what());
  }
#else
  (void)Context;
  throw CliFailure(BadUsage, "This build writes only .emf and .wmf pictures");
#endif
}

}  // namespace

void AddWorksheetCommand(CLI::App& App, CliContext& Context) {
  auto Options = std::make_shared<WorksheetCommandOptions>();
  CLI::App* Command = App.add_subcommand(
      "worksheet",
      "Print puzzles as worksheets into one PDF: a page per puzzle, then their answer keys");
  Command->add_option("files", Options->Files, "Game files (.gm), one page each")->required();
  Command->add_option("-o,--output", Options->Output, "The PDF file to write")->required();
  Command->add_option("--page", Options->Page, "Paper: a4 or letter (default from the locale)")
      ->check(CLI::IsMember({"a4", "letter"}));
  Command->add_option("--title", Options->Title,
                      "Title of every puzzle page (default: each file's name)");
  Command->add_flag("--no-name-line", Options->NoNameLine, "Leave out the \"Name:  Date:\" line");
  CLI::Option* NoAnswers =
      Command->add_flag("--no-answers", Options->NoAnswers, "Only the puzzle pages");
  Command->add_flag("--answers-only", Options->AnswersOnly, "Only the answer keys")
      ->excludes(NoAnswers);
  Command->add_option("--instructions", Options->Instructions,
                      "The line under the name line telling what to do (default: each game's "
                      "own; \"\" leaves it out)");
  Command
      ->add_option("--key-style", Options->KeyStyle,
                   "How the word search and maze keys mark words: lines through them or "
                   "rounded outlines around them (default lines)")
      ->check(CLI::IsMember({"lines", "outlines"}));
  Command
      ->add_option("--word-list", Options->WordList,
                   "The words to find: hidden (a harder puzzle), sorted, or in the order placed "
                   "(default sorted)")
      ->check(CLI::IsMember({"hidden", "sorted", "placed"}));
  Command->add_flag("--large-print", Options->LargePrint,
                    "Texts of 16 points or more and bold letters; a large grid gets a page of "
                    "its own on the paper's side, cells of at least 8 mm where it allows");
  Command->callback([Options, &Context] { WriteWorksheet(*Options, Context); });
}

}  // namespace vornic::cli
