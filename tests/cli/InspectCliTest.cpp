#include <gtest/gtest.h>

#include "cli/CliRunner.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

using test::RunTool;

class InspectCliTest : public ::testing::Test {
 protected:
  test::TempHome Home;
  std::string Path(const std::string& Name) { return (Home / Name).string(); }
  void SetUp() override {
    ASSERT_EQ(RunTool({"wordsearch", "-o", Path("p.gm"), "--size", "4x3", "--words", "abcd",
                       "--directions", "E", "--seed", "1"})
                  .Status,
              0);
  }
};

TEST_F(InspectCliTest, TextIsTheTabSeparatedTableWithEmptyCellsKept) {
  const std::string Empty = "\x19\t\x19\t\x19\t\x19\r\n", Word = "A\tB\tC\tD\r\n";
  const std::string Text = RunTool({"text", Path("p.gm")}).Out;
  EXPECT_TRUE(Text == Word + Empty + Empty || Text == Empty + Word + Empty ||
              Text == Empty + Empty + Word)
      << Text;
}

TEST_F(InspectCliTest, DamagedAndForeignFilesAreRefusedWithTheFormatMessage) {
  const std::string Good = test::ReadFile(Home / "p.gm");
  test::WriteFile(Home / "cut.gm", Good.substr(0, 40));
  test::WriteFile(Home / "foreign.gm", "\x04\0\0\0Nope" + Good.substr(14));
  for (const char* Name : {"cut.gm", "foreign.gm"}) {
    for (const char* Command : {"info", "text"}) {
      const auto Run = RunTool({Command, Path(Name)});
      EXPECT_EQ(Run.Status, 2);
      EXPECT_EQ(Run.Err, "Cannot open file " + Path(Name) + ".\nFile format is incorrect\n");
      EXPECT_TRUE(Run.Out.empty());
    }
  }
  EXPECT_EQ(RunTool({"info", Path("absent.gm")}).Status, 2);
}

}  // namespace
}  // namespace vornic
