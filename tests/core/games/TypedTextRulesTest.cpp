#include <gtest/gtest.h>

#include "base/RandomGenerator.h"
#include "document/TVornicGame.h"
#include "games/GameDescriptor.h"
#include "games/GameTable.h"
#include "games/maze/MazeDescriptor.h"
#include "games/wordsearch/WordSearchDescriptor.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

// The words are also the text; a maze takes no phrase, so 9, 12 or 15 letters fill its grid.
// A word list may not repeat a word (a word search: nor hold one backwards); a text may.
TEST(TypedTextRulesTest, EveryBuilderUpperCasesByLanguageAndRefusesRepeatedListWords) {
  using Words = std::vector<std::string>;
  const std::tuple<int, Words, Words, const char*> Cases[] = {
      {162, {"istanbul", "ılık", "ilik"}, {"İSTANBUL", "ILIK", "İLİK"}, ""},
      {161, {"σοφός", "λόγος", "ήλιος"}, {"ΣΟΦΟΣ", "ΛΟΓΟΣ", "ΗΛΙΟΣ"}, ""},
      {1, {"cafe\u0301", "latte"}, {"CAFÉ", "LATTE"}, ""},
      {1, {"cat", "dog", "CAT"}, {}, "The word \"CAT\" is listed twice"},  // maze too
      {1, {"cat", "tac", "dog"}, {"CAT", "TAC"}, "\"TAC\" is the listed word \"CAT\" backwards"}};
  for (const GameInfo& Info : GameTable()) {
    for (const auto& [Charset, Typed, Capitals, Refusal] : Cases) {
      SCOPED_TRACE(std::string(Info.TypeName) + " " + Typed[1]);
      test::TempHome Home;
      test::ScriptedUserInterface Ui;
      TVornicGame Game;
      RandomGenerator::Seed(3);
      Info.Descriptor->InitDocument(Game, &Ui);
      Game.Settings.Charset = static_cast<std::uint8_t>(Charset);
      const bool WordSearch = Info.TypeName == WordSearchDescriptor::Name.TypeName;
      const bool Maze = Info.TypeName == MazeDescriptor::Name.TypeName;
      const bool Refused = *Refusal && (WordSearch || (Maze && Capitals.empty()));
      ASSERT_EQ(Info.Descriptor->Build(Game, *Info.Descriptor->InputOfWords(Typed)), !Refused);
      if (Refused) {
        EXPECT_NE(Ui.Messages.back().Text.find(Refusal), std::string::npos);
        continue;
      }
      std::string Listed;
      for (const std::string& Entry : Game.Words.Items())
        Listed += Game.Codes().Decode(Entry.substr(0, Entry.find(EmptyChar))) + "\n";
      for (const std::string& Word : Capitals)
        EXPECT_NE(Listed.find(Word), std::string::npos) << Word << " in " << Listed;
    }
  }
}

}  // namespace
}  // namespace vornic
