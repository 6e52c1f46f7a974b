#include "cli/DemoPictures.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "cli/PictureOutput.h"
#include "cli/RenderDrawing.h"

namespace vornic::cli {

void WriteDemoPictures(const std::string& Folder, CliContext& Context) {
  namespace fs = std::filesystem;
  std::vector<fs::path> Games;
  for (const auto& Entry : fs::directory_iterator(Folder))
    if (Entry.is_regular_file() && Entry.path().extension() == ".gm") Games.push_back(Entry.path());
  std::sort(Games.begin(), Games.end());
  Context.Out << "Writing their pictures:\n";
  for (const fs::path& File : Games) {
    TVornicGame Game;
    OpenAnyGame(File.string(), Game, Context);
    RecordGamePicture(Game, RenderOptions{});
    std::vector<std::string> Extensions{".emf"};
    if (CanWriteRasterAndVector()) Extensions.push_back(".png");
    std::string Written;
    for (const std::string& Extension : Extensions) {
      fs::path Picture = File;
      Picture.replace_extension(Extension);
      WritePictureFile(Game.MetaFile, Picture.string());
      Written += (Written.empty() ? "" : ", ") + Picture.filename().string();
    }
    Context.Out << "  " << Written << '\n';
  }
}

}  // namespace vornic::cli
