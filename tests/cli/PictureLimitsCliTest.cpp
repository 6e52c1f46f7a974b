#include <gtest/gtest.h>

#include <filesystem>

#include "cli/CliRunner.h"
#include "document/GameFile.h"
#include "document/TVornicGame.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;
using test::RunTool;

// A word search file whose settings describe a grid of Cols x Rows cells, as a damaged or
// crafted file may, and Words copies of a word across the first row.
void WriteGrid(const fs::path& File, int Cols, int Rows, int Words = 0) {
  GameFileContent Content;
  Content.TypeName = "VornicGame";
  ASSERT_TRUE(Content.Settings.SetSize(Cols, Rows));
  Content.Grid.assign(static_cast<std::size_t>(Cols) * static_cast<std::size_t>(Rows), 'A');
  std::string Word = std::string(static_cast<std::size_t>(Cols), 'A') + '\x19';
  for (int X = 1; X <= Cols; ++X) Word += PathBytes(X, 1);
  Content.Words.assign(static_cast<std::size_t>(Words), Word);
  test::WriteFile(File, SerializeGameFile(Content));
}

// Each refusal comes before drawing, names the size, is bad usage and writes nothing.
TEST(PictureLimitsCliTest, PicturesTooLargeToShowAreRefusedBeforeDrawing) {
  test::TempHome Home;
  const auto At = [&](const char* Name) { return (Home / Name).string(); };
  WriteGrid(Home / "thin.gm", 65535, 2);
  WriteGrid(Home / "wide.gm", 2048, 2);
  WriteGrid(Home / "huge.gm", 2000, 2000);
  WriteGrid(Home / "small.gm", 120, 120);
  WriteGrid(Home / "lines.gm", 50, 50, 6000);
  const struct {
    std::vector<std::string> Args;
    const char* Message;
  } Cases[] = {
      {{"render", At("thin.gm"), "-o", At("out.png")}, "1048565 x 37 units"},
      {{"render", At("thin.gm"), "-o", At("out.emf")}, "1048565 x 37 units"},
      {{"render", At("wide.gm"), "-o", At("out.wmf")}, "32773 x 37 units: a Windows Metafile"},
      {{"render", At("huge.gm"), "-o", At("out.svg")}, "32005 x 32005 units"},
      {{"render", At("small.gm"), "-o", At("out.png"), "--scale", "16"}, "30800 x 30800 pixels"},
      {{"render", At("small.gm"), "-o", At("out.png"), "--scale", "nan"}, "--scale"},
      {{"worksheet", At("huge.gm"), "-o", At("out.pdf")}, "32005 x 32005 units"},
      {{"render", At("lines.gm"), "-o", At("out.svg"), "--answers"}, "drawing operations"},
      {{"worksheet", At("lines.gm"), "-o", At("out.pdf")}, "drawing operations"},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Args[1] + " " + Case.Args.back());
    const auto Run = RunTool(Case.Args);
    EXPECT_EQ(Run.Status, 2);
    EXPECT_NE(Run.Err.find(Case.Message), std::string::npos) << Run.Err;
    for (const char* Output : {"out.png", "out.emf", "out.wmf", "out.svg", "out.pdf"})
      EXPECT_FALSE(fs::exists(Home / Output)) << Output;
  }
  // What a format can hold is still written: EMF has no 16-bit limit.
  EXPECT_EQ(RunTool({"render", At("wide.gm"), "-o", At("out.emf")}).Status, 0);
}

}  // namespace
}  // namespace vornic
