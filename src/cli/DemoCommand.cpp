#include <filesystem>

#include "base/RandomGenerator.h"
#include "cli/CliSupport.h"
#include "cli/DemoPictures.h"
#include "games/jumble/JumbleBuilder.h"
#include "games/labyrinth/LabyrinthBuilder.h"
#include "games/lostletters/LostLettersBuilder.h"
#include "games/maze/MazeGame.h"
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

// A word maze in the size nearest to square; the sample's letters always offer one.
void WriteMaze(const fs::path& Folder, const char* File, const MazeInput& Input,
               CliContext& Context) {
  TVornicGame Game;
  Game.Init("WordMaze", nullptr);
  Game.Ui = &Context.Ui;
  Game.New();
  const MazeSize Size = *NearestToSquare(OfferedSizes(LetterTotal(Input.Phrase, Input.Words)));
  MazeBuilder Builder;
  if (!BuildMazeGame(Game, Builder, Input, Size))
    throw CliFailure(NotBuilt, std::string("The sample maze ") + File + " could not be built.");
  SaveGame(Game, (Folder / File).string());
  Context.Out << "  " << File << '\n';
}

void WriteLabyrinth(const fs::path& Folder, const char* File, const std::string& Text,
                    CliContext& Context) {
  TVornicGame Game;
  Game.Init("WordLabirint", nullptr);
  Game.Ui = &Context.Ui;
  Game.SetSize(15, 10);
  Game.New();
  LabyrinthBuilder Builder;
  Builder.BuildLabyrinth(Text, Game);
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
    WriteMaze(
        *Folder, "maze-spring.gm",
        {"SPRING", {"TULIP", "DAISY", "ROSE", "IRIS", "LILY", "POPPY", "ORCHID", "VIOLET", "FERN"}},
        Context);
    WriteLabyrinth(*Folder, "labyrinth-way-out.gm", "FOLLOW THE LETTERS TO FIND THE WAY OUT",
                   Context);
    WriteDemoPictures(*Folder, Context);
    Context.Out << "Open them with the window program, or inspect them with "
                   "\"vornicpack-cli info FILE\".\n";
  });
}

}  // namespace vornic::cli
