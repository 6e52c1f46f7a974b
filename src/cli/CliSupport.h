#pragma once

#include <CLI/CLI.hpp>

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/UserInterface.h"
#include "cli/TerminalText.h"
#include "document/TVornicGame.h"

namespace vornic {
class GameInput;
}

namespace vornic::cli {

enum ExitStatus { Done = 0, NotBuilt = 1, BadUsage = 2 };

// Ends a command with an exit status and a message for standard error.
class CliFailure : public std::runtime_error {
 public:
  CliFailure(int Status, const std::string& Message) : std::runtime_error(Message), Code(Status) {}
  int Code;
};

// The core's user interface for the command-line tool: messages go to standard error (their
// control characters escaped: a message may quote a file) and are counted, questions are
// answered No, dialogs are cancelled.
class CliUserInterface : public UserInterface {
 public:
  explicit CliUserInterface(std::ostream& ErrorStream) : Err(ErrorStream) {}
  Answer Ask(const std::string&, const std::string&, Buttons, Icon) override { return Answer::No; }
  void Tell(const std::string&, const std::string& Text, Icon) override {
    Err << EscapeControls(Text, TextBytes::Utf8, TextLayout) << '\n';
    ++Told;
  }
  std::optional<std::string> ChooseOpenFile(const FileDialogRequest&) override { return {}; }
  std::optional<std::string> ChooseSaveFile(const FileDialogRequest&) override { return {}; }
  void SetCaption(const std::string&) override {}
  void SetClipboard(const ClipboardContent&) override {}
  std::string WhereToChange(Setting What) const override {
    return What == Setting::GridSize ? "with --size" : "with --charset or --font-charset";
  }
  int Told = 0;

 private:
  std::ostream& Err;
};

// What every command gets: the output streams and the user interface.
struct CliContext {
  std::ostream& Out;
  std::ostream& Err;
  CliUserInterface Ui;
  int Status = Done;
  CliContext(std::ostream& O, std::ostream& E) : Out(O), Err(E), Ui(E) {}
};

// Seeds the program's generator from --seed, or from the clock when none was given.
void SeedGenerator(const std::optional<std::uint64_t>& Seed);
// Opens a game file of any game of the game table into Game (initialised with the file's type
// name), so DescriptorOf(Game) is never null afterwards. Throws CliFailure(BadUsage) with the
// system's message for an unreadable or damaged file.
void OpenAnyGame(const std::string& Path, TVornicGame& Game, CliContext& Context);
// Game.New() for a build; throws CliFailure(NotBuilt) should it refuse.
void StartNew(TVornicGame& Game);
// Builds Input into Game as it stands (GameDescriptor::BuildInto) without telling why a build
// failed: for a command that has read the input itself and names its own options in its
// message. Game's user interface is back in place afterwards.
[[nodiscard]] bool BuildUntold(TVornicGame& Game, const GameInput& Input);
// Writes Game to Path; throws CliFailure(NotBuilt) with the message when it cannot.
void SaveGame(TVornicGame& Game, const std::string& Path);
// Throws CliFailure(BadUsage) when Output is, or links to, one of Inputs: writing it would
// destroy what the command reads. Every command that writes and reads files checks first.
void RefuseOutputOverInput(const std::string& Output, const std::vector<std::string>& Inputs);
// A file name as standard output may show it: control characters escaped (EscapeControls).
std::string ShownPath(const std::string& Path);
// Parses "COLSxROWS" within Min..Max; throws CliFailure(BadUsage).
std::pair<int, int> ParseSize(const std::string& Text, int Min, int Max);
// Reads a word file: one word per line, UTF-8 (Windows-1252 when it holds no UTF-8 at all),
// blank lines skipped. Throws CliFailure(BadUsage) when it cannot be read or is UTF-8 but for
// some bytes.
std::vector<std::string> ReadWordsFile(const std::string& Path);
// Splits a comma list, dropping empty items.
std::vector<std::string> SplitCommas(const std::string& Text);

// The options every build command shares: --font-charset (the Charset code stored in the file,
// which chooses the code page, 0..255) and --seed.
void AddFontCharsetAndSeed(CLI::App& Command, int& FontCharset, std::optional<std::uint64_t>& Seed);

// Each command that works on files of any game adds itself to the tool; the games' own commands
// are listed in GameCommands.h.
void AddInfoCommand(CLI::App& App, CliContext& Context);
void AddTextCommand(CLI::App& App, CliContext& Context);
void AddDemoCommand(CLI::App& App, CliContext& Context);
void AddRenderCommand(CLI::App& App, CliContext& Context);
void AddWordsCommand(CLI::App& App, CliContext& Context);
void AddWebPageCommand(CLI::App& App, CliContext& Context);
void AddListsCommand(CLI::App& App, CliContext& Context);

}  // namespace vornic::cli
