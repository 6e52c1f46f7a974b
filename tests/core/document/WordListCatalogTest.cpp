#include <gtest/gtest.h>
#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <map>
#include <set>

#include "base/CodePage.h"
#include "base/RandomGenerator.h"
#include "document/ListLanguage.h"
#include "document/WordListCatalog.h"
#include "document/WordPicker.h"
#include "support/TempHome.h"

namespace vornic {
namespace {
namespace fs = std::filesystem;

bool IsNfc(const std::string& Utf8) {
  UErrorCode Status = U_ZERO_ERROR;
  const icu::Normalizer2* Nfc = icu::Normalizer2::getNFCInstance(Status);
  return U_SUCCESS(Status) && Nfc->isNormalized(icu::UnicodeString::fromUTF8(Utf8), Status) &&
         U_SUCCESS(Status);
}

// Every list that ships: UTF-8 in NFC, a title, at least 20 words that all fit a 15 x 15 grid in
// the language's code page with none repeating another, and the themes teachers look for.
TEST(ShippedWordLists, AreCleanAndCoverEveryLanguage) {
  const fs::path None = fs::path(VORNIC_SOURCE_WORDLISTS) / "none";
  const WordListCatalog Shipped(WordListStore(None), None, VORNIC_SOURCE_WORDLISTS);
  std::map<std::string, std::set<std::string>> Themes;
  for (const WordListInfo& List : Shipped.Lists()) {
    const std::string Bytes = test::ReadFile(List.File);
    EXPECT_TRUE(IsValidUtf8(Bytes) && IsNfc(Bytes)) << List.File;
    const std::vector<std::string> Words = Shipped.Words(List);
    const ListLanguage& Language = *ListLanguage::Find(List.Language);
    const WordPicker Picker{CodePage::ForCharset(Language.Charset), 15};
    EXPECT_EQ(Picker.Usable(Words).size(), Words.size()) << List.File;
    EXPECT_GE(Words.size(), 20u) << List.File;
    Themes[List.Language].insert(List.Name);
  }
  for (const ListLanguage& Language : ListLanguage::All())
    EXPECT_GE(Themes[std::string(Language.Code)].size(), Language.Code == "en" ? 30u : 12u)
        << Language.Code;
  for (const char* Theme : {"animals", "fruit", "colours", "body", "space", "dinosaurs", "numbers",
                            "calendar", "countries", "science"})
    EXPECT_TRUE(Themes["en"].contains(Theme)) << Theme;
}

struct CatalogTest : ::testing::Test {
  test::TempHome Home;
  fs::path Builtin = Home / "builtin";
  WordListCatalog Catalog{WordListStore(Home / "WordLists"), Home / "WordLists", Builtin};

  void Titled(const fs::path& Root, const std::string& File, const std::string& Text) {
    fs::create_directories((Root / File).parent_path());
    test::WriteFile(Root / File, Text);
  }
};

// A saved list hides the titled lists of its name in every language; a shared titled list hides
// the program's list of its name in its own language only.
TEST_F(CatalogTest, OwnListsComeFirstAndHideTheProgramsOfTheirName) {
  Titled(Builtin, "en/animals.txt", "Animals\ncat\ndog\n");
  Titled(Builtin, "de/animals.txt", "\xEF\xBB\xBFTiere\r\n\r\n  Hund \r\nKatze");
  Titled(Builtin, "de/fruit.txt", "Obst\nApfel\n");
  Titled(Home / "WordLists", "de/fruit.txt", "Mein Obst\nBirne\n");
  EXPECT_EQ(Catalog.Find("animals", "de")->Title, "Tiere");
  EXPECT_EQ(Catalog.Words(*Catalog.Find("animals", "de")),
            (std::vector<std::string>{"Hund", "Katze"}));
  const WordListInfo Fruit = *Catalog.Find("fruit", "de");
  EXPECT_TRUE(Fruit.ReadOnly && !Fruit.Builtin && Fruit.Title == "Mein Obst");

  Catalog.Saved().Write("animals", {"OWL"});
  const std::vector<WordListInfo> All = Catalog.Lists();
  ASSERT_EQ(All.size(), 2u);  // the saved "animals" and the shared "fruit"
  EXPECT_TRUE(!All[0].ReadOnly && All[0].Language.empty() && All[0].Words == 1);
  EXPECT_EQ(Catalog.Find("animals", "en")->File, Catalog.Saved().PathOf("animals"));
}

// Only words that fit the grid and the code page, upper-cased, none equal to or the reverse of
// another (or of a word taken already); the same seed draws the same words.
TEST(WordPickerTest, DrawsFittingWordsThatNeverRepeatEachOther) {
  const WordPicker Picker{CodePage::ForCharset(1), 6};
  const std::vector<std::string> Words{"cat", "Cat",     "tac", "dog", "ёж",  "ice cream",
                                       "",    "lioness", "owl", "emu", "yak", "bee"};
  EXPECT_EQ(Picker.Usable(Words, {"EEB"}),
            (std::vector<std::string>{"CAT", "DOG", "OWL", "EMU", "YAK"}));
  std::set<std::vector<std::string>> Draws;
  for (std::uint64_t Seed = 1; Seed <= 20; ++Seed) {
    RandomGenerator::Seed(Seed);
    const std::vector<std::string> Drawn = Picker.Pick(Words, 3);
    RandomGenerator::Seed(Seed);
    EXPECT_EQ(Picker.Pick(Words, 3), Drawn);
    EXPECT_EQ(std::set<std::string>(Drawn.begin(), Drawn.end()).size(), 3u);
    Draws.insert(Drawn);
  }
  EXPECT_GT(Draws.size(), 5u);
  EXPECT_EQ(Picker.Pick(Words, 50).size(), 6u);
}

}  // namespace
}  // namespace vornic
