#include <filesystem>

#include "base/RandomGenerator.h"
#include "cli/CliSupport.h"
#include "cli/DemoPictures.h"
#include "cli/GameCommands.h"

namespace vornic::cli {
namespace fs = std::filesystem;
namespace {

// Builds one sample through its game's descriptor, in the code page of Charset, and saves it into
// Folder. A sample that does not build ends the command: the samples are fixed, so that is a
// fault of this build.
void WriteSample(const fs::path& Folder, const char* File, const GameDescriptor& Descriptor,
                 const GameInput& Input, CliContext& Context, int Charset) {
  TVornicGame Game;
  Descriptor.InitDocument(Game, &Context.Ui);
  Game.Settings.Charset = static_cast<std::uint8_t>(Charset);
  if (!Descriptor.Build(Game, Input))
    throw CliFailure(NotBuilt, std::string("The sample ") + File + " could not be built.");
  SaveGame(Game, (Folder / File).string());
  Context.Out << "  " << File << '\n';
}

// Every game's samples in a fixed order from one seed, so that a demo folder is the same on
// every run.
void WriteSamples(const fs::path& Folder, CliContext& Context) {
  for (const GameCommand& Command : GameCommands()) {
    const GameDescriptor& Descriptor = *FindDescriptor(Command.TypeName);
    Command.WriteSamples([&](const char* File, const GameInput& Input, int Charset) {
      WriteSample(Folder, File, Descriptor, Input, Context, Charset);
    });
  }
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
