#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "cli/CliRunner.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;
using test::RunTool;

class RenderCliTest : public test::CliFileTest {
 protected:
  std::string Game;

  void SetUp() override {
    Game = Path("puzzle.gm");
    const auto Built =
        RunTool({"wordsearch", "-o", Game, "--size", "5x5", "--words", "cat,dog", "--seed", "3"});
    ASSERT_EQ(Built.Status, 0) << Built.Err;
  }
};

TEST_F(RenderCliTest, WritesEveryFormatByTheOutputsExtension) {
  const struct {
    const char* Name;
    std::string Magic;
  } Cases[] = {{"p.emf", std::string("\x01\0\0\0", 4)},
               {"p.WMF", "\xD7\xCD\xC6\x9A"},
               {"p.svg", "<?xml"},
               {"p.pdf", "%PDF-"},
               {"p.png", "\x89PNG"},
               {"p.gif", std::string("\x01\0\0\0", 4)}};  // any other name: EMF
  for (const auto& Case : Cases) {
    const auto Run = RunTool({"render", Game, "-o", Path(Case.Name)});
    ASSERT_EQ(Run.Status, 0) << Case.Name << ": " << Run.Err;
    EXPECT_EQ(test::ReadFile(Home / Case.Name).substr(0, Case.Magic.size()), Case.Magic)
        << Case.Name;
  }
}

// The views of the other games: each flag gives its own picture, and choices that do not fit
// the game or each other are bad usage.
TEST_F(RenderCliTest, GameViewsFollowTheirFlags) {
  ASSERT_EQ(RunTool({"labyrinth", "-o", Path("l.gm"), "--text", "a way out", "--seed", "2"}).Status,
            0);
  ASSERT_EQ(RunTool({"jumble", "-o", Path("j.gm"), "--text", "sun moon"}).Status, 0);
  const std::vector<std::pair<std::string, std::vector<std::string>>> Same{
      {"l.gm", {}},           {"l.gm", {"--show", "path,traps,start"}},
      {"l.gm", {"--puzzle"}}, {"l.gm", {"--show", "start,text"}},
      {"j.gm", {}},           {"j.gm", {"--solution"}}};
  std::vector<std::string> Bytes;
  for (const auto& [File, Flags] : Same) {
    std::vector<std::string> Args{"render", Path(File), "-o", Path("v.emf")};
    Args.insert(Args.end(), Flags.begin(), Flags.end());
    ASSERT_EQ(RunTool(Args).Status, 0) << File;
    Bytes.push_back(test::ReadFile(Home / "v.emf"));
  }
  EXPECT_EQ(Bytes[0], Bytes[1]);
  EXPECT_EQ(Bytes[2], Bytes[3]);
  EXPECT_NE(Bytes[0], Bytes[2]);
  EXPECT_NE(Bytes[4], Bytes[5]);
  EXPECT_EQ(RunTool({"render", Path("l.gm"), "-o", Path("x.emf"), "--show", "walls"}).Status, 2);
  EXPECT_EQ(
      RunTool({"render", Path("l.gm"), "-o", Path("x.emf"), "--puzzle", "--show", "path"}).Status,
      2);
  EXPECT_FALSE(fs::exists(Home / "x.emf"));
}

TEST_F(RenderCliTest, HighlightDrawsTheWordInRedAndChecksTheIndex) {
  ASSERT_EQ(RunTool({"render", Game, "-o", Path("plain.emf")}).Status, 0);
  ASSERT_EQ(RunTool({"render", Game, "-o", Path("word.emf"), "--highlight", "1"}).Status, 0);
  // EMR_SETTEXTCOLOR with red.
  const std::string Red("\x18\0\0\0\x0C\0\0\0\xFF\0\0\0", 12);
  EXPECT_EQ(test::ReadFile(Home / "plain.emf").find(Red), std::string::npos);
  EXPECT_NE(test::ReadFile(Home / "word.emf").find(Red), std::string::npos);

  const auto Run = RunTool({"render", Game, "-o", Path("none.emf"), "--highlight", "2"});
  EXPECT_EQ(Run.Status, 2);
  EXPECT_NE(Run.Err.find("2 words"), std::string::npos) << Run.Err;
  EXPECT_FALSE(fs::exists(Home / "none.emf"));
}

TEST_F(RenderCliTest, BadInputAndUnwritableOutputAreReported) {
  const std::string Kept = test::ReadFile(Game);
  auto Run = RunTool({"render", Game, "-o", Game});
  EXPECT_EQ(Run.Status, 2);
  EXPECT_EQ(test::ReadFile(Game), Kept) << "the picture is not drawn over its game";

  Run = RunTool({"render", Home.Path().string(), "-o", Path("p.png")});
  EXPECT_EQ(Run.Status, 2);
  EXPECT_NE(Run.Err.find("It is a folder."), std::string::npos) << Run.Err;

  Run = RunTool({"render", Path("missing.gm"), "-o", Path("p.png")});
  EXPECT_EQ(Run.Status, 2);
  EXPECT_FALSE(fs::exists(Home / "p.png"));

  Run = RunTool({"render", Game, "-o", Path("no/such/folder.png")});
  EXPECT_EQ(Run.Status, 1);
  EXPECT_NE(Run.Err.find("Cannot create file"), std::string::npos) << Run.Err;

  test::WriteFile(Home / "kept.emf", "kept");
  fs::permissions(Home / "kept.emf", fs::perms::owner_read);
  Run = RunTool({"render", Game, "-o", Path("kept.emf")});
  EXPECT_EQ(Run.Status, 1);
  EXPECT_EQ(test::ReadFile(Home / "kept.emf"), "kept");
}

TEST_F(RenderCliTest, ToolNeedsNoDisplay) {
  const fs::path Tool = fs::read_symlink("/proc/self/exe").parent_path() / "vornicpack-cli";
  ASSERT_TRUE(fs::exists(Tool)) << Tool;
  const std::string Command =
      "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "
      "VORNICPACK_HOME='" +
      Home.Path().string() + "' '" + Tool.string() + "' render '" + Game + "' -o '" +
      Path("headless.png") + "' 2>/dev/null";
  EXPECT_EQ(std::system(Command.c_str()), 0);
  EXPECT_EQ(test::ReadFile(Home / "headless.png").substr(0, 4), "\x89PNG");
}

}  // namespace
}  // namespace vornic
