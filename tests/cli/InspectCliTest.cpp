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
  const auto Run = RunTool({"text", Path("p.gm")});
  ASSERT_EQ(Run.Status, 0);
  std::size_t Rows = 0, AbcdRows = 0;
  std::size_t Start = 0;
  while (Start < Run.Out.size()) {
    const auto End = Run.Out.find("\r\n", Start);
    ASSERT_NE(End, std::string::npos) << "every row ends with CR LF";
    const std::string Row = Run.Out.substr(Start, End - Start);
    EXPECT_EQ(Row.size(), 7u);
    if (Row == "A\tB\tC\tD")
      ++AbcdRows;
    else
      EXPECT_EQ(Row, "\x19\t\x19\t\x19\t\x19");
    ++Rows;
    Start = End + 2;
  }
  EXPECT_EQ(Rows, 3u);
  EXPECT_EQ(AbcdRows, 1u);
}

TEST_F(InspectCliTest, PlainInfoDrawsTheGridAndTheWordCells) {
  const auto Run = RunTool({"info", Path("p.gm")});
  ASSERT_EQ(Run.Status, 0);
  EXPECT_NE(Run.Out.find("Game: VornicGame"), std::string::npos);
  EXPECT_NE(Run.Out.find("Size: 4 x 3"), std::string::npos);
  EXPECT_NE(Run.Out.find("A B C D"), std::string::npos);
  EXPECT_NE(Run.Out.find(". . . ."), std::string::npos);
  EXPECT_NE(Run.Out.find("ABCD  (1,"), std::string::npos);
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

TEST_F(InspectCliTest, DemoWritesSamplesAndSaysWhere) {
  const auto Run = RunTool({"demo", Path("samples")});
  ASSERT_EQ(Run.Status, 0) << Run.Err;
  EXPECT_NE(Run.Out.find(Path("samples")), std::string::npos);
  int Files = 0;
  for (const auto& Entry : std::filesystem::directory_iterator(Home / "samples")) {
    if (Entry.path().extension() != ".gm") continue;
    ++Files;
    EXPECT_EQ(RunTool({"info", Entry.path().string()}).Status, 0) << Entry.path();
  }
  EXPECT_GE(Files, 2);
}

}  // namespace
}  // namespace vornic
