#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <set>

#include "base/CodePage.h"
#include "cli/CliRunner.h"
#include "document/WordListCatalog.h"

namespace vornic {
namespace {

using test::RunTool;
using Args = std::vector<std::string>;

struct WordListsCliTest : test::CliFileTest {
  std::set<std::string> Words(const std::string& File) {
    std::set<std::string> Found;
    const nlohmann::json Doc = Info(File);
    for (const auto& Word : Doc["words"]) Found.insert(Word["text"].get<std::string>());
    return Found;
  }
};

// The program's list, 12 distinct words of it, the same ones and the same file for the same seed.
TEST_F(WordListsCliTest, PickBuildsAReproduciblePuzzleFromAList) {
  const auto Build = [this](const std::string& File, const std::string& Seed) {
    return RunTool({"wordsearch", "-o", Path(File), "--size", "15x15", "--list", "animals",
                    "--pick", "12", "--seed", Seed});
  };
  ASSERT_EQ(Build("a.gm", "7").Status, 0);
  ASSERT_EQ(Build("b.gm", "7").Status, 0);
  EXPECT_EQ(test::ReadFile(Home / "a.gm"), test::ReadFile(Home / "b.gm"));
  const std::set<std::string> Picked = Words(Path("a.gm"));
  EXPECT_EQ(Picked.size(), 12u);
  const WordListCatalog Catalog = WordListCatalog::Default();
  std::set<std::string> Listed;
  for (const std::string& Word : Catalog.Words(*Catalog.Find("animals", "en")))
    Listed.insert(UpperCaseWord(Word, CodePage::ForCharset(1)));
  for (const std::string& Word : Picked) EXPECT_TRUE(Listed.contains(Word)) << Word;
}

// A list in another language brings its code page and fill letters; a code page asked for that
// cannot hold the list, an unknown list and more words than fit are refused with the reason.
TEST_F(WordListsCliTest, TheListsLanguageChoosesTheCodePageOrSaysWhyNot) {
  ASSERT_EQ(RunTool({"wordsearch", "-o", Path("ru.gm"), "--list", "animals", "--language", "ru",
                     "--pick", "5", "--fill"})
                .Status,
            0);
  const nlohmann::json Russian = Info(Path("ru.gm"))["settings"];
  EXPECT_TRUE(Russian["Charset"] == 204 && Russian["Language"] == "Russian") << Russian;
  const struct {
    Args Extra;
    int Status;
    std::string Says;
  } Refusals[]{{{"--list", "animals", "--language", "de", "--font-charset", "204"}, 2, "1251"},
               {{"--list", "no-such-list"}, 2, "lists --language en"},
               {{"--list", "animals", "--language", "xx"}, 2, "en, de, fr"},
               {{"--list", "animals", "--pick", "500"}, 1, "fewer than 500"},
               {{"--pick", "5"}, 2, "--list"}};
  for (const auto& Case : Refusals) {
    Args Command{"wordsearch", "-o", Path("x.gm")};
    Command.insert(Command.end(), Case.Extra.begin(), Case.Extra.end());
    const test::CliRun Run = RunTool(Command);
    EXPECT_EQ(Run.Status, Case.Status) << Run.Err;
    EXPECT_NE(Run.Err.find(Case.Says), std::string::npos) << Run.Err;
  }
}

TEST_F(WordListsCliTest, ListsPrintsOwnListsFirstAndTheProgramsByLanguage) {
  WordListStore::Default().Write("animals", {"OWL", "EMU"});
  const test::CliRun Run = RunTool({"lists", "--language", "el", "--json"});
  ASSERT_EQ(Run.Status, 0) << Run.Err;
  const nlohmann::json Lists = nlohmann::json::parse(Run.Out);
  ASSERT_GE(Lists.size(), 12u);
  EXPECT_EQ(Lists[0], nlohmann::json::parse(R"({"name": "animals", "title": "animals",
            "language": null, "words": 2, "builtin": false})"));
  for (std::size_t i = 1; i < Lists.size(); ++i)  // the program's Greek lists, "animals" hidden
    EXPECT_TRUE(Lists[i]["language"] == "el" && Lists[i]["name"] != "animals") << Lists[i];
}

}  // namespace
}  // namespace vornic
