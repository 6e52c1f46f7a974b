#include <filesystem>

#include "cli/CliSupport.h"
#include "cli/DemoPictures.h"
#include "document/RandomGenerator.h"
#include "games/jumble/JumbleBuilder.h"
#include "games/lostletters/LostLettersBuilder.h"
#include "games/wordsearch/WordSearchPlacer.h"

namespace vornic::cli {
namespace fs = std::filesystem;
namespace {

struct WordSearchSample {
  const char* File;
  int Cols, Rows;
  std::vector<std::string> Words;
  bool Fill;
};

void WriteWordSearch(const fs::path& Folder, const WordSearchSample& Sample, CliContext& Context) {
  TVornicGame Game;
  Game.Init("VornicGame", nullptr);
  Game.Ui = &Context.Ui;
  Game.SetSize(Sample.Cols, Sample.Rows);
  Game.New();
  WordSearchPlacer Placer(Game);
  Placer.PlaceEditedList(Sample.Words);
  if (Sample.Fill) Placer.FillBlanks();
  SaveGame(Game, (Folder / Sample.File).string());
  Context.Out << "  " << Sample.File << '\n';
}

// Jumbled text and lost letters from an ASCII text, in the default code page.
void WriteJumble(const fs::path& Folder, const char* File, const std::string& Text,
                 CliContext& Context) {
  TVornicGame Game;
  Game.Init("JumbledUp", nullptr);
  Game.Ui = &Context.Ui;
  Game.New();
  JumbleBuilder Builder(Game);
  Builder.Build(Text);
  SaveGame(Game, (Folder / File).string());
  Context.Out << "  " << File << '\n';
}

void WriteLostLetters(const fs::path& Folder, const char* File, const std::string& Text, int Lines,
                      CliContext& Context) {
  TVornicGame Game;
  Game.Init("LostLetters", nullptr);
  Game.Ui = &Context.Ui;
  Game.New();
  LostLettersBuilder Builder(Game);
  Builder.Build(Text, Lines);
  SaveGame(Game, (Folder / File).string());
  Context.Out << "  " << File << '\n';
}

}  // namespace

void AddDemoCommand(CLI::App& App, CliContext& Context) {
  auto Folder = std::make_shared<std::string>("vornicpack-demo");
  CLI::App* Command =
      App.add_subcommand("demo", "Write sample puzzles of every game into a folder");
  Command->add_option("folder", *Folder, "Folder to write into (default vornicpack-demo)");
  Command->callback([Folder, &Context] {
    std::error_code Error;
    fs::create_directories(*Folder, Error);
    if (Error)
      throw CliFailure(NotBuilt, "Cannot create folder " + *Folder + ": " + Error.message());
    RandomGenerator::Seed(2001);
    Context.Out << "Writing sample puzzles to " << fs::absolute(*Folder).string() << ":\n";
    WriteWordSearch(*Folder,
                    {"wordsearch-animals.gm",
                     15,
                     10,
                     {"CAT", "DOG", "HORSE", "RABBIT", "TIGER", "ZEBRA", "MOUSE", "EAGLE"},
                     true},
                    Context);
    WriteWordSearch(*Folder,
                    {"wordsearch-fruit-answers.gm",
                     12,
                     12,
                     {"APPLE", "BANANA", "CHERRY", "GRAPE", "LEMON", "MANGO", "PEACH", "PLUM"},
                     false},
                    Context);
    WriteJumble(*Folder, "jumble-proverb.gm", "A JOURNEY OF A THOUSAND MILES BEGINS WITH ONE STEP",
                Context);
    WriteLostLetters(*Folder, "lostletters-proverb.gm", "WHERE THERE IS A WILL THERE IS A WAY", 3,
                     Context);
    WriteDemoPictures(*Folder, Context);
    Context.Out << "Open them with the window program, or inspect them with "
                   "\"vornicpack-cli info FILE\".\n";
  });
}

}  // namespace vornic::cli
