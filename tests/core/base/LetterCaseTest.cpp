#include "base/LetterCase.h"

#include <gtest/gtest.h>

namespace vornic {
namespace {

// The language comes from the set's name, else the code page; text and the code page's bytes
// take the same capitals, one character for one.
TEST(LetterCaseTest, CapitalsFollowTheLanguageOfCodePageAndSetName) {
  const std::tuple<int, const char*, const char*, const char*, const char*> Cases[] = {
      {162, "English", "tr", "istanbul ılık ilik", "İSTANBUL ILIK İLİK"},
      {161, "", "el", "σοφός ΐ άι", "ΣΟΦΟΣ Ϊ ΑΪ"},  // no accents on capitals
      {0, "Türkçe", "tr", "istanbul", "ISTANBUL"},  // no dotted capital I in the code page
      {204, "AZERI", "az", "ilik", "ILIK"},
      {186, "Lithuanian", "lt", "ąčę", "ĄČĘ"},
      {0, "Dutch", "nl", "straße éte\u00FF µm", "STRAßE ÉTEŸ µM"},  // no capital ß or µ here
      {0, "English", "", "cafe\u0301\u00A0bar", "CAFÉ BAR"},        // composed; no-break space
      {0, "English", "", "quiz-jam 7", "QUIZ-JAM 7"},               // ASCII alone
      {238, "Polski", "", "ąć", "ĄĆ"}};
  for (const auto& [Charset, Name, Language, Typed, Capitals] : Cases) {
    const LetterCase& Rules = LetterCase::For(Charset, Name);
    EXPECT_EQ(Rules.Language(), Language) << Name;
    EXPECT_EQ(Rules.UpperText(Typed), Capitals);
    const CodePage::EncodeResult Bytes = Rules.Page().Encode(Typed);
    ASSERT_TRUE(Bytes.Ok()) << Typed;
    EXPECT_EQ(Rules.Page().Decode(Rules.Upper(Bytes.Bytes)), Capitals);
  }
}

}  // namespace
}  // namespace vornic
