#include <gtest/gtest.h>

#include "games/maze/MazeSizes.h"

namespace vornic {
namespace {

std::vector<std::string> Items(long long Total) {
  std::vector<std::string> Texts;
  for (const MazeSize Size : OfferedSizes(Total)) Texts.push_back(FormatSize(Size));
  return Texts;
}

TEST(MazeSizes, ThirtyLettersOfferFourSizesWidthFirst) {
  EXPECT_EQ(Items(30), (std::vector<std::string>{"3 x 10", "5 x 6", "6 x 5", "10 x 3"}));
}

TEST(MazeSizes, AHundredLettersLeaveOutTwoByFiftyAndFiftyByTwo) {
  EXPECT_EQ(Items(100),
            (std::vector<std::string>{"4 x 25", "5 x 20", "10 x 10", "20 x 5", "25 x 4"}));
}

TEST(MazeSizes, NoSizeForSmallOrPrimeTotals) {
  for (long long Total : {0LL, 1LL, 8LL, 13LL, 2503LL}) EXPECT_TRUE(Items(Total).empty()) << Total;
  EXPECT_EQ(Items(9), std::vector<std::string>{"3 x 3"});
  EXPECT_EQ(Items(12), (std::vector<std::string>{"3 x 4", "4 x 3"}));
}

TEST(MazeSizes, SidesStayWithinThreeToFifty) {
  EXPECT_EQ(Items(2500), std::vector<std::string>{"50 x 50"});
  EXPECT_EQ(Items(2400), (std::vector<std::string>{"48 x 50", "50 x 48"}));
  // 2550 = 50 x 51: one side would exceed 50.
  EXPECT_TRUE(Items(2550).empty());
  EXPECT_TRUE(Items(5000).empty());
  EXPECT_TRUE(Items(1'000'000'007LL).empty());
}

TEST(MazeSizes, LetterTotalCountsSpacesAndEmptyLinesCountNothing) {
  EXPECT_EQ(LetterTotal("A B", {"ICE CREAM", "", "TEA"}), 3 + 9 + 0 + 3);
  EXPECT_EQ(LetterTotal("", {}), 0);
}

TEST(MazeSizes, ItemsParseBackAndOtherTextsDoNot) {
  EXPECT_EQ(ParseSizeItem("10 x 3"), (MazeSize{10, 3}));
  EXPECT_EQ(ParseSizeItem(FormatSize({25, 4})), (MazeSize{25, 4}));
  for (const char* Bad : {"", "10x3", "10 x", " x 3", "10 x 3 ", "a x 3", "10 x 3x"})
    EXPECT_FALSE(ParseSizeItem(Bad).has_value()) << Bad;
}

TEST(MazeSizes, NearestToSquarePrefersTheFirstOfEqualCandidates) {
  EXPECT_EQ(NearestToSquare(OfferedSizes(100)), (MazeSize{10, 10}));
  EXPECT_EQ(NearestToSquare(OfferedSizes(30)), (MazeSize{5, 6}));
  EXPECT_FALSE(NearestToSquare({}).has_value());
}

}  // namespace
}  // namespace vornic
