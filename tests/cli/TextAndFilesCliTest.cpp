#include <gtest/gtest.h>

#include <filesystem>

#include "cli/CliRunner.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;
using test::RunTool;

class TextAndFilesCliTest : public test::CliFileTest {};

TEST_F(TextAndFilesCliTest, RefusalsNameTheProblemAndTheOptionAndLeaveTheInputs) {
  test::WriteFile(Home / "words.txt", "CAT\n");
  ASSERT_EQ(RunTool({"wordsearch", "-o", Path("g.gm"), "--words", "cat"}).Status, 0);
  const std::string Game = test::ReadFile(Home / "g.gm");
  fs::create_symlink(Home / "g.gm", Home / "link.pdf");
  const std::pair<std::vector<std::string>, const char*> Cases[] = {
      {{"worksheet", Path("g.gm"), "-o", Path("link.pdf")}, "would destroy the input"},
      {{"wordsearch", "-o", Path("words.txt"), "--words-file", Path("words.txt")},
       "would destroy the input"},
      {{"worksheet", Path("g.gm"), "-o", Path("t.pdf"), "--title", "A\x1B[2J"},
       "--title: The text holds the control character U+001B"},
      {{"worksheet", Path("g.gm"), "-o", Path("t.pdf"), "--title", "\xFF"}, "not valid UTF-8"}};
  for (const auto& [Args, Message] : Cases) {
    const auto Run = RunTool(Args);
    EXPECT_EQ(Run.Status, 2) << Message;
    EXPECT_NE(Run.Err.find(Message), std::string::npos) << Run.Err;
  }
  EXPECT_EQ(test::ReadFile(Home / "g.gm"), Game);
  EXPECT_EQ(test::ReadFile(Home / "words.txt"), "CAT\n");
  const auto Small =
      RunTool({"wordsearch", "-o", Path("x.gm"), "--size", "3x3", "--words", "abcd"});
  EXPECT_NE(Small.Err.find("make the grid larger with --size."), std::string::npos) << Small.Err;
  const auto Odd = RunTool({"jumble", "-o", Path("new\nline.gm"), "--text", "cat"});
  EXPECT_NE(Odd.Out.find("Wrote " + Path("new\\u000aline.gm")), std::string::npos) << Odd.Out;
}

}  // namespace
}  // namespace vornic
