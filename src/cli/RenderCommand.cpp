#include <cmath>
#include <filesystem>
#include <system_error>

#include "cli/CliSupport.h"
#include "cli/PictureOutput.h"
#include "cli/RenderDrawing.h"
#include "games/GameDescriptor.h"
#include "games/GameTable.h"

namespace vornic::cli {
namespace {

struct RenderCommandOptions {
  std::string File;
  std::string Output;
  double Scale = 1.0;
  RenderOptions Drawing;
};

}  // namespace

void AddRenderCommand(CLI::App& App, CliContext& Context) {
  auto Options = std::make_shared<RenderCommandOptions>();
  CLI::App* Command = App.add_subcommand(
      "render",
      "Draw a puzzle as its window shows it, into an .emf, .wmf, .svg, .pdf or .png file");
  Command->add_option("file", Options->File, "Game file (.gm)")->required();
  Command
      ->add_option("-o,--output", Options->Output,
                   "Picture file; its extension picks the format, EMF for any other name")
      ->required();
  // CLI::Range lets NaN through (every comparison with it is false), so the scale is checked
  // as a finite number first.
  Command->add_option("--scale", Options->Scale, "PNG enlargement for print quality (default 1)")
      ->check(CLI::Validator(
          [](std::string& Text) {
            double Value = 0;
            return CLI::detail::lexical_cast(Text, Value) && std::isfinite(Value)
                       ? std::string()
                       : "--scale must be a number from 0.1 to 16, not " + Text;
          },
          "", "FINITE"))
      ->check(CLI::Range(0.1, 16.0));
  AddRenderOptions(*Command, Options->Drawing);
  Command->callback([Options, &Context] {
    // Any name is written as a picture, so a slip of the keyboard must not draw over the game.
    RefuseOutputOverInput(Options->Output, {Options->File});
    TVornicGame Game;
    OpenAnyGame(Options->File, Game, Context);
    // A damaged file can describe a grid too large to draw: refused before drawing.
    const auto [Width, Height] = DescriptorOf(Game)->PictureSize(Game);
    RefuseUnshowablePicture(Width, Height, Options->Output, Options->Scale);
    RecordGamePicture(Game, Options->Drawing);
    WritePictureFile(Game.MetaFile, Options->Output, Options->Scale);
  });
}

}  // namespace vornic::cli
