// A settings file of any content: every character set listed and read, the default set made
// sure of, a set written and one deleted, and a document's fill letters loaded from it.

#include <cstdint>
#include <fstream>

#include "FuzzSupport.h"
#include "base/AppPaths.h"
#include "document/SettingsFile.h"

using namespace vornic;

namespace {

void Put(const std::filesystem::path& Path, std::string_view Bytes) {
  std::ofstream(Path, std::ios::binary | std::ios::trunc).write(Bytes.data(), Bytes.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  fuzz::ScratchFolder();
  const std::filesystem::path Path = AppPaths::SettingsFile();
  Put(Path, fuzz::BytesOf(Data, Size));
  const SettingsFile Settings = SettingsFile::Default();

  const std::vector<std::string> Names = Settings.ListCharsets();
  for (std::size_t i = 0; i < Names.size() && i < 16; ++i)
    (void)Settings.ReadCharset(Names[i], "?");

  // A document takes its fill letters by the language name it stores, in its code page.
  TVornicGame Game;
  fuzz::MakeDocument(Game, "VornicGame");
  for (const int Charset : {0, 238, 204, 161}) {
    Game.Settings.Charset = static_cast<std::uint8_t>(Charset);
    if (!Names.empty() && !Game.Settings.SetLanguageName(Names.front().substr(0, 10))) continue;
    Game.LoadCharset();
  }

  try {
    Settings.EnsureDefaultCharset();
    Settings.WriteCharset("Fuzz", "\xC3\xA4\xC3\xB6qwerty");
    if (!Names.empty()) Settings.DeleteCharset(Names.back());
  } catch (const DocumentError&) {
    // A file the program will not rewrite is refused with a message; that is a sound answer.
  }
  return 0;
}
