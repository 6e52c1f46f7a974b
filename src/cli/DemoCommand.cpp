#include <filesystem>

#include "base/RandomGenerator.h"
#include "cli/CliSupport.h"
#include "cli/DemoPictures.h"
#include "document/ListLanguage.h"
#include "document/WordListCatalog.h"
#include "document/WordPicker.h"
#include "games/GameDescriptor.h"
#include "games/GameTable.h"

namespace vornic::cli {
namespace fs = std::filesystem;
namespace {

// Builds one sample through its game's descriptor, in the code page of Charset, and saves it into
// Folder. A sample that does not build ends the command: the samples are fixed, so that is a
// fault of this build.
void WriteSample(const fs::path& Folder, const char* File, const char* TypeName,
                 const GameInput& Input, CliContext& Context, int Charset = 1) {
  const GameDescriptor& Descriptor = *FindDescriptor(TypeName);
  TVornicGame Game;
  Descriptor.InitDocument(Game, &Context.Ui);
  Game.Settings.Charset = static_cast<std::uint8_t>(Charset);
  if (!Descriptor.Build(Game, Input))
    throw CliFailure(NotBuilt, std::string("The sample ") + File + " could not be built.");
  SaveGame(Game, (Folder / File).string());
  Context.Out << "  " << File << '\n';
}

GameInput WordSearchSample(int Cols, int Rows, std::vector<std::string> Words, bool Fill) {
  GameInput Input;
  Input.Cols = Cols;
  Input.Rows = Rows;
  Input.Words = std::move(Words);
  Input.Fill = Fill;
  return Input;
}

GameInput TextSample(std::string Text, int Lines = 2) {
  GameInput Input;
  Input.Text = std::move(Text);
  Input.Lines = Lines;
  return Input;
}

// Count words of the program's list Name in Language drawn at random, fitting Side letters; the
// fixed Fallback when the program's lists are not where the program looks for them.
std::vector<std::string> FromList(const char* Name, const char* Language, std::size_t Count,
                                  int Side, std::vector<std::string> Fallback) {
  const WordListCatalog Catalog = WordListCatalog::Default();
  const std::optional<WordListInfo> List = Catalog.Find(Name, Language);
  if (!List || !List->Builtin) return Fallback;
  const WordPicker Picker{CodePage::ForCharset(ListLanguage::Find(Language)->Charset), Side};
  std::vector<std::string> Words = Picker.Pick(Catalog.Words(*List), Count);
  return Words.size() == Count ? Words : Fallback;
}

// Every sample in a fixed order from one seed, so that a demo folder is the same on every run.
void WriteSamples(const fs::path& Folder, CliContext& Context) {
  namespace Type = GameTypeName;
  WriteSample(
      Folder, "wordsearch-animals.gm", Type::WordSearch,
      WordSearchSample(15, 10,
                       FromList("animals", "en", 8, 10,
                                {"CAT", "DOG", "HORSE", "RABBIT", "TIGER", "ZEBRA", "MOUSE"}),
                       true),
      Context);
  WriteSample(Folder, "wordsearch-fruit-answers.gm", Type::WordSearch,
              WordSearchSample(12, 12,
                               FromList("fruit", "en", 8, 12,
                                        {"APPLE", "BANANA", "CHERRY", "GRAPE", "LEMON", "MANGO"}),
                               false),
              Context);
  // A list in another script: the puzzle takes the Russian code page.
  const std::vector<std::string> Russian = FromList("animals", "ru", 8, 12, {});
  if (!Russian.empty())
    WriteSample(Folder, "wordsearch-russian-animals-answers.gm", Type::WordSearch,
                WordSearchSample(12, 12, Russian, false), Context,
                ListLanguage::Find("ru")->Charset);
  WriteSample(Folder, "jumble-proverb.gm", Type::Jumble,
              TextSample("A JOURNEY OF A THOUSAND MILES BEGINS WITH ONE STEP"), Context);
  WriteSample(Folder, "lostletters-proverb.gm", Type::LostLetters,
              TextSample("WHERE THERE IS A WILL THERE IS A WAY", 3), Context);
  GameInput Maze = TextSample("SPRING");
  Maze.Words = {"TULIP", "DAISY", "ROSE", "IRIS", "LILY", "POPPY", "ORCHID", "VIOLET", "FERN"};
  WriteSample(Folder, "maze-spring.gm", Type::WordMaze, Maze, Context);
  WriteSample(Folder, "labyrinth-way-out.gm", Type::WordLabyrinth,
              TextSample("FOLLOW THE LETTERS TO FIND THE WAY OUT"), Context);
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
    WriteSamples(*Folder, Context);
    WriteDemoPictures(*Folder, Context);
    Context.Out << "Open them with the window program, or inspect them with "
                   "\"vornicpack-cli info FILE\".\n";
  });
}

}  // namespace vornic::cli
