#include <gtest/gtest.h>

#include "CliRunner.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

using test::RunTool;

class WordSearchWordsCliTest : public ::testing::Test {
 protected:
  test::TempHome Home;
  std::string Path(const std::string& Name) { return (Home / Name).string(); }
};

TEST_F(WordSearchWordsCliTest, WordsAreInEntryOrderEachWithALineEnd) {
  ASSERT_EQ(RunTool({"wordsearch", "-o", Path("a.gm"), "--words", "cat,dog", "--seed", "3"}).Status,
            0);
  const auto Run = RunTool({"words", Path("a.gm")});
  ASSERT_EQ(Run.Status, 0) << Run.Err;
  EXPECT_EQ(Run.Out, "CAT\r\nDOG\r\n");
}

TEST_F(WordSearchWordsCliTest, AnEmptyListGivesAnEmptyText) {
  ASSERT_EQ(RunTool({"wordsearch", "-o", Path("e.gm"), "--seed", "3"}).Status, 0);
  const auto Run = RunTool({"words", Path("e.gm")});
  EXPECT_EQ(Run.Status, 0) << Run.Err;
  EXPECT_EQ(Run.Out, "");
}

TEST_F(WordSearchWordsCliTest, WordsInAnotherScriptComeOutAsUtf8) {
  ASSERT_EQ(RunTool({"wordsearch", "-o", Path("g.gm"), "--font-charset", "161", "--words",
                     "\xCE\xB1\xCE\xB2\xCE\xB3", "--seed", "3"})
                .Status,
            0);
  const auto Run = RunTool({"words", Path("g.gm")});
  ASSERT_EQ(Run.Status, 0) << Run.Err;
  // Upper-cased in the puzzle's code page: ΑΒΓ.
  EXPECT_EQ(Run.Out, "\xCE\x91\xCE\x92\xCE\x93\r\n");
}

TEST_F(WordSearchWordsCliTest, AMissingFileIsBadInput) {
  const auto Run = RunTool({"words", Path("none.gm")});
  EXPECT_EQ(Run.Status, 2);
  EXPECT_FALSE(Run.Err.empty());
  EXPECT_TRUE(Run.Out.empty());
}

}  // namespace
}  // namespace vornic
