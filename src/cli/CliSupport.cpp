#include "cli/CliSupport.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <limits>
#include <utility>

#include "base/BoundedFile.h"
#include "base/DocumentError.h"
#include "base/RandomGenerator.h"
#include "document/GameFile.h"
#include "document/WordListStore.h"
#include "games/GameDescriptor.h"
#include "games/GameTable.h"

namespace vornic::cli {

void SeedGenerator(const std::optional<std::uint64_t>& Seed) {
  if (Seed)
    RandomGenerator::Seed(*Seed);
  else
    RandomGenerator::SeedFromClock();
}

void OpenAnyGame(const std::string& Path, TVornicGame& Game, CliContext& Context) {
  std::string Bytes;
  try {
    Bytes = ReadBoundedFile(Path, MaxGameFileBytes);
  } catch (const DocumentError& Failure) {
    throw CliFailure(BadUsage, Failure.what());
  }
  const auto TypeName = PeekTypeName(Bytes);
  if (!TypeName || !FindGameByTypeName(*TypeName))
    throw CliFailure(BadUsage, "Cannot open file " + Path + ".\nFile format is incorrect");
  Game.Init(*TypeName, nullptr);
  Game.Ui = &Context.Ui;
  bool Loaded = false;
  try {
    Loaded = Game.LoadFromFile(Path);
  } catch (const DocumentError& Failure) {
    throw CliFailure(BadUsage, Failure.what());
  }
  // The document was made for the type the file names, so it is never handed on; should it be,
  // the file is not one this command can read.
  if (!Loaded)
    throw CliFailure(BadUsage, "Cannot open file " + Path + ".\nFile format is incorrect");
}

void StartNew(TVornicGame& Game) {
  if (!Game.New()) throw CliFailure(NotBuilt, "A new puzzle could not be started.");
}

bool BuildUntold(TVornicGame& Game, const GameInput& Input) {
  UserInterface* Told = std::exchange(Game.Ui, nullptr);
  const bool Built = DescriptorOf(Game)->BuildInto(Game, Input);
  Game.Ui = Told;
  return Built;
}

void SaveGame(TVornicGame& Game, const std::string& Path) {
  Game.FileName = Path;
  try {
    Game.SaveToFile();
  } catch (const DocumentError& Failure) {
    throw CliFailure(NotBuilt, Failure.what());
  }
}

void RefuseOutputOverInput(const std::string& Output, const std::vector<std::string>& Inputs) {
  for (const std::string& Input : Inputs) {
    std::error_code Error;
    if (std::filesystem::equivalent(Input, Output, Error))
      throw CliFailure(BadUsage, "The output " + Output + " is the input file " + Input +
                                     ": writing it would destroy the input. Choose another "
                                     "output name.");
  }
}

std::string ShownPath(const std::string& Path) {
  return EscapeControls(Path, TextBytes::Utf8);
}

std::pair<int, int> ParseSize(const std::string& Text, int Min, int Max) {
  const auto Cross = Text.find_first_of("xX");
  int Cols = 0, Rows = 0;
  bool Ok = Cross != std::string::npos;
  if (Ok) {
    const char* Begin = Text.data();
    auto [ColsEnd, ColsError] = std::from_chars(Begin, Begin + Cross, Cols);
    auto [RowsEnd, RowsError] = std::from_chars(Begin + Cross + 1, Begin + Text.size(), Rows);
    Ok = ColsError == std::errc() && RowsError == std::errc() && ColsEnd == Begin + Cross &&
         RowsEnd == Begin + Text.size();
  }
  if (!Ok)
    throw CliFailure(BadUsage,
                     "The size \"" + Text + "\" is not of the form COLSxROWS (e.g. 15x10).");
  if (Cols < Min || Cols > Max || Rows < Min || Rows > Max)
    throw CliFailure(BadUsage, "The size " + Text +
                                   " is out of range: columns and rows must each be " +
                                   std::to_string(Min) + " to " + std::to_string(Max) + ".");
  return {Cols, Rows};
}

std::vector<std::string> ReadWordsFile(const std::string& Path) {
  std::vector<std::string> Lines;
  try {
    Lines = WordListStore::ParseFile(ReadBoundedFile(Path, MaxWordListBytes), Path);
  } catch (const DocumentError& Failure) {
    throw CliFailure(BadUsage, Failure.what());
  }
  std::vector<std::string> Words;
  for (std::string& Line : Lines) {
    const auto First = Line.find_first_not_of(" \t");
    if (First == std::string::npos) continue;
    const auto Last = Line.find_last_not_of(" \t");
    Words.push_back(Line.substr(First, Last - First + 1));
  }
  return Words;
}

std::vector<std::string> SplitCommas(const std::string& Text) {
  std::vector<std::string> Items;
  std::size_t Start = 0;
  while (Start <= Text.size()) {
    const auto End = std::min(Text.find(',', Start), Text.size());
    if (End > Start) Items.push_back(Text.substr(Start, End - Start));
    Start = End + 1;
  }
  return Items;
}

namespace {

// Only plain decimal numbers that fit: a sign, an exponent or an overflow would otherwise be
// converted onto some other seed without a word.
std::string CheckSeed(const std::string& Text) {
  std::uint64_t Value = 0;
  const char* End = Text.data() + Text.size();
  const auto [Stop, Error] = std::from_chars(Text.data(), End, Value);
  const bool Digits = !Text.empty() && std::all_of(Text.begin(), Text.end(),
                                                   [](char C) { return C >= '0' && C <= '9'; });
  if (Digits && Error == std::errc() && Stop == End) return {};
  return "the seed must be a whole number from 0 to " +
         std::to_string(std::numeric_limits<std::uint64_t>::max()) + ", not \"" + Text + "\"";
}

}  // namespace

void AddFontCharsetAndSeed(CLI::App& Command, int& FontCharset,
                           std::optional<std::uint64_t>& Seed) {
  Command
      .add_option("--font-charset", FontCharset,
                  "Font character-set code stored in the file; chooses the code page (default 1)")
      ->check(CLI::Range(0, 255));
  Command.add_option("--seed", Seed, "Seed for a reproducible puzzle, 0 to 2^64-1")
      ->check(CLI::Validator([](std::string& Text) { return CheckSeed(Text); }, "N"));
}

}  // namespace vornic::cli
