#include <gtest/gtest.h>

#include "base/DocumentError.h"
#include "base/RandomGenerator.h"
#include "document/SettingsFile.h"
#include "document/TVornicGame.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

using test::ReadFile;
using test::WriteFile;

class SettingsFileTest : public ::testing::Test {
 protected:
  test::TempHome Home;
  test::ScriptedUserInterface Ui;
  SettingsFile Settings = SettingsFile::Default();

  TVornicGame& NewGame(const std::string& Language, int Charset = 1) {
    Game.Init("VornicGame", &Ui);
    Game.Settings.Charset = static_cast<std::uint8_t>(Charset);
    EXPECT_TRUE(Game.Settings.SetLanguageName(Game.Codes().Encode(Language).Bytes));
    Game.LoadCharset();
    return Game;
  }
  TVornicGame Game;
};

TEST_F(SettingsFileTest, FirstStartWritesTheDefaultSet) {
  EXPECT_EQ(Settings.Path(), Home.SettingsFile());
  EXPECT_FALSE(std::filesystem::exists(Settings.Path()));
  Game.Init("VornicGame", &Ui);
  EXPECT_EQ(ReadFile(Settings.Path()), "[Languages]\nEnglish = qwertyuiopasdfghjklzxcvbnm\n");
  // An empty value is replaced too; a present one is left alone.
  WriteFile(Settings.Path(), "[Languages]\nEnglish=\nExtra=xyz\n");
  Settings.EnsureDefaultCharset();
  EXPECT_EQ(Settings.ReadCharset("English", "?"), "qwertyuiopasdfghjklzxcvbnm");
  Settings.WriteCharset("English", "abc");
  Settings.EnsureDefaultCharset();
  EXPECT_EQ(Settings.ReadCharset("english", "?"), "abc") << "keys compare case-insensitively";
}

TEST_F(SettingsFileTest, KeysKeepTheirFileOrder) {
  WriteFile(Settings.Path(), "[Languages]\nZulu=z\nAlpha=a\nMiddle=m\n");
  Settings.WriteCharset("Beta", "b");
  EXPECT_EQ(Settings.ListCharsets(), (std::vector<std::string>{"Zulu", "Alpha", "Middle", "Beta"}));
  Settings.DeleteCharset("alpha");
  EXPECT_EQ(Settings.ListCharsets(), (std::vector<std::string>{"Zulu", "Middle", "Beta"}));
}

TEST_F(SettingsFileTest, SetsLoadUpperCasedWhileTheFileKeepsThemAsTyped) {
  Settings.WriteCharset("Lower", "abcxyz");
  EXPECT_EQ(NewGame("Lower").Letters, "ABCXYZ");
  EXPECT_EQ(Settings.ReadCharset("Lower", "?"), "abcxyz");
  // Accented letters of the code page are upper-cased too: é è ñ ö in Windows-1252.
  Settings.WriteCharset("Accents", "éèñöß");
  EXPECT_EQ(NewGame("Accents").Letters, "\xC9\xC8\xD1\xD6\xDF");
  // Cyrillic under Windows-1251.
  Settings.WriteCharset("Russian", "абвя");
  EXPECT_EQ(NewGame("Russian", 204).Letters, "\xC0\xC1\xC2\xDF");
}

TEST_F(SettingsFileTest, FillUsesOnlyTheSetsLetters) {
  Settings.WriteCharset("One", "q");
  TVornicGame& OneLetter = NewGame("One");
  OneLetter.FillBlanks();
  EXPECT_EQ(OneLetter.Grid, std::string(25, 'Q'));
  // A fill letter the code page cannot hold is left out rather than turned into another.
  Settings.WriteCharset("Mixed", "aя");
  EXPECT_EQ(NewGame("Mixed").Letters, "A");
  // Control characters are no letters; an empty set leaves the cells empty.
  Settings.WriteCharset("Empty", "");
  TVornicGame& Empty = NewGame("Empty");
  Empty.FillBlanks();
  EXPECT_EQ(Empty.Grid, std::string(25, EmptyChar));
}

TEST_F(SettingsFileTest, MissingSetFillsWithQuestionMarks) {
  Settings.WriteCharset("Gone", "xyz");
  Settings.DeleteCharset("Gone");
  TVornicGame& Orphan = NewGame("Gone");
  EXPECT_EQ(Orphan.Letters, "?");
  Orphan.FillBlanks();
  EXPECT_EQ(Orphan.Grid, std::string(25, '?'));
}

TEST_F(SettingsFileTest, FillIsRoughlyUniformOverTheSet) {
  Settings.WriteCharset("Four", "abcd");
  TVornicGame& Game4 = NewGame("Four");
  Game4.SetSize(50, 50);
  RandomGenerator::Seed(11);
  std::map<char, int> Count;
  for (int Round = 0; Round < 8; ++Round) {
    Game4.ClearGrid();
    Game4.FillBlanks();
    for (char C : Game4.Grid) ++Count[C];
  }
  ASSERT_EQ(Count.size(), 4u);
  for (auto [Letter, N] : Count) EXPECT_NEAR(N, 5000, 500) << Letter;
}

TEST_F(SettingsFileTest, FilesFromOlderInstallationsReadAsWindows1252) {
  WriteFile(Settings.Path(), "[Languages]\nFrench=\xE9\xE8\xE0\n");
  EXPECT_EQ(Settings.ReadCharset("French", "?"), "éèà");
}

TEST_F(SettingsFileTest, ValuesAreReadUpTo2047Characters) {
  Settings.WriteCharset("Long", std::string(3000, 'a'));
  EXPECT_EQ(Settings.ReadCharset("Long", "?").size(), 2047u);
}

TEST_F(SettingsFileTest, NamesTheFileCannotHoldAreRefused) {
  for (const char* Bad : {"", "   ", "a=b", "[x", "y]", "two\nlines"}) {
    EXPECT_FALSE(SettingsFile::CheckCharsetName(Bad).empty()) << Bad;
    EXPECT_THROW(Settings.WriteCharset(Bad, "abc"), DocumentError) << Bad;
  }
  EXPECT_TRUE(SettingsFile::CheckCharsetName("Español").empty());
}

TEST_F(SettingsFileTest, UnwritableFileIsReportedAndLeftAsItWas) {
  const SettingsFile Blocked(Home / "not-a-folder" / "sub" / "vornicpack.ini");
  WriteFile(Home / "not-a-folder", "a file where a folder should be");
  try {
    Blocked.WriteCharset("X", "x");
    FAIL() << "expected a failure";
  } catch (const DocumentError& Failure) {
    EXPECT_EQ(std::string(Failure.what()), "Unable to write to " + Blocked.Path().string());
  }
  // A document whose settings file cannot be written still starts, and says so.
  ::setenv("VORNICPACK_HOME", (Home / "not-a-folder").c_str(), 1);
  TVornicGame Starting;
  Starting.Init("VornicGame", &Ui);
  ::setenv("VORNICPACK_HOME", Home.Path().c_str(), 1);
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_NE(Ui.Messages[0].Text.find("Unable to write to"), std::string::npos);
}

}  // namespace
}  // namespace vornic
