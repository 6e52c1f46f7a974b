#include "base/CharsetNames.h"

#include <gtest/gtest.h>

#include <set>

namespace vornic {
namespace {

TEST(CharsetNamesTest, EveryListedCodeMapsToItsOwnIndexAndBack) {
  std::set<int> Codes;
  for (int Index = 0; Index < static_cast<int>(CharsetNames.size()); ++Index) {
    const int Code = CharsetAtIndex(Index);
    EXPECT_TRUE(Codes.insert(Code).second) << "code listed twice: " << Code;
    EXPECT_EQ(CharsetIndex(Code), Index) << CharsetNames[static_cast<std::size_t>(Index)].Caption;
  }
  EXPECT_EQ(CharsetNames[0].Caption, "Default");
  EXPECT_EQ(CharsetNames[16].Caption, "Vietnamese");
}

TEST(CharsetNamesTest, AnUnlistedCodeShowsAsAnsi) {
  EXPECT_EQ(CharsetIndex(2), 1);  // the symbol set is not offered
  EXPECT_EQ(CharsetIndex(-1), 1);
  EXPECT_EQ(CharsetIndex(256), 1);
}

TEST(CharsetNamesTest, NoSelectionStandsForDefault) {
  EXPECT_EQ(CharsetAtIndex(-1), 1);
  EXPECT_EQ(CharsetAtIndex(17), 1);
}

}  // namespace
}  // namespace vornic
