#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>

#include "base/RandomGenerator.h"
#include "base/Sha256.h"
#include "games/GameDescriptor.h"
#include "games/GameTable.h"
#include "games/jumble/JumbleDescriptor.h"
#include "support/DocumentTest.h"
#include "webpage/WebPage.h"

namespace vornic::test {
namespace {

std::size_t Count(const std::string& Text, const std::string& Part) {
  std::size_t N = 0;
  for (auto At = Text.find(Part); At != std::string::npos; At = Text.find(Part, At + 1)) ++N;
  return N;
}

TEST(WebPageTest, DigestsMatchTheStandardVectors) {
  EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(Sha256Base64(""), "47DEQpj8HBSa+/TImW+5JCeuQeRkm5NMpJWZG3hSuFU=");
}

TEST(WebPageTest, ScriptJsonCannotEndItsElementAndReadsBackTheSame) {
  const nlohmann::json Value = {{"t", "</script><!-- a&b \"q\" '\xE2\x80\xA8"}, {"bad", "\xFF"}};
  const std::string Text = ScriptJson(Value);
  EXPECT_EQ(Text.find_first_of("<>&"), std::string::npos) << Text;
  EXPECT_EQ(nlohmann::json::parse(Text)["t"], Value["t"]);
  EXPECT_EQ(nlohmann::json::parse(Text)["bad"], "\xEF\xBF\xBD");
  EXPECT_EQ(EscapeHtml("<a href=\"x\">&'"), "&lt;a href=&quot;x&quot;&gt;&amp;&#39;");
}

class WebPageJumbleTest : public DocumentTest {
 protected:
  void SetUp() override {
    const GameDescriptor& Jumble = *FindDescriptor(JumbleDescriptor::Name.TypeName);
    Jumble.InitDocument(Game, &Ui);
    RandomGenerator::Seed(5);
    JumbleInput Input;
    Input.Text = "QUIET <!--</SCRIPT> ZEBRA";
    ASSERT_TRUE(Jumble.Build(Game, Input));
  }
};

// Hostile text stays data: the page holds its own two script elements and no third, and the
// jumble's words are in it only sealed, unless checking is off.
TEST_F(WebPageJumbleTest, HostileTextStaysDataAndAnswersStaySealed) {
  const std::string Hostile = "</script><script>alert(1)</script><!--";
  WebPageOptions Options;
  Options.Title = Hostile;
  const std::string Page = MakeWebPage({{&Game, Hostile}}, Options);
  EXPECT_EQ(Count(Page, "<script"), 2u);
  EXPECT_EQ(Count(Page, "</script"), 2u);
  EXPECT_EQ(Count(Page, "<!--"), 0u);
  EXPECT_NE(Page.find("<title>&lt;/script&gt;"), std::string::npos);
  for (const char* Word : {"QUIET", "ZEBRA", "SCRIPT"})
    EXPECT_EQ(Page.find(Word), std::string::npos);
  EXPECT_EQ(Count(Page, "\"key\":"), 3u);
  EXPECT_NE(Page.find("script-src 'sha256-"), std::string::npos);

  Options.Check = false;
  const std::string Unchecked = MakeWebPage({{&Game, "x"}}, Options);
  EXPECT_EQ(Unchecked.find("\"key\":"), std::string::npos);
  EXPECT_EQ(Unchecked.find("\"salt\":"), std::string::npos);
}

TEST_F(WebPageJumbleTest, SaveAsksForAFileAndKeepsTheOldOneOnFailure) {
  Ui.SaveReplies = {std::nullopt, (Home.Path() / "class.html").string(), Home.Path().string()};
  EXPECT_FALSE(SaveWebPage(Game, Ui));
  EXPECT_TRUE(SaveWebPage(Game, Ui));
  EXPECT_EQ(Ui.SaveRequests.at(1).ProposedName, "Untitled.html");
  EXPECT_TRUE(std::filesystem::file_size(Home.Path() / "class.html") > 0);
  EXPECT_FALSE(SaveWebPage(Game, Ui));  // a folder: told, nothing written
  ASSERT_EQ(Ui.Messages.size(), 1u);
}

}  // namespace
}  // namespace vornic::test
