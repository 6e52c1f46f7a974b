#include "document/SettingsFile.h"

#include <gtest/gtest.h>

#include "base/DocumentError.h"
#include "base/RandomGenerator.h"
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
  TVornicGame Game;

  // Letters of the named set as a new document of the charset loads them.
  std::string Letters(const std::string& Language, int Charset = 1) {
    Game.Init("VornicGame", &Ui);
    Game.Settings.Charset = static_cast<std::uint8_t>(Charset);
    EXPECT_TRUE(Game.Settings.SetLanguageName(Game.Codes().Encode(Language).Bytes));
    Game.LoadCharset();
    return Game.Letters;
  }
};

TEST_F(SettingsFileTest, FirstStartWritesTheDefaultSetAndKeysKeepTheirFileOrder) {
  Game.Init("VornicGame", &Ui);
  EXPECT_EQ(ReadFile(Settings.Path()), "[Languages]\nEnglish = qwertyuiopasdfghjklzxcvbnm\n");
  WriteFile(Settings.Path(), "[Languages]\nZulu=z\nEnglish=\nMiddle=m\n");
  Settings.EnsureDefaultCharset();  // an empty value is replaced too
  EXPECT_EQ(Settings.ReadCharset("english", "?"), "qwertyuiopasdfghjklzxcvbnm");
  Settings.WriteCharset("Beta", "b");
  Settings.DeleteCharset("zulu");
  EXPECT_EQ(Settings.ListCharsets(), (std::vector<std::string>{"English", "Middle", "Beta"}));
}

TEST_F(SettingsFileTest, SetsLoadUpperCasedInTheDocumentsCodePage) {
  Settings.WriteCharset("Accents", "abcéèñöß");
  EXPECT_EQ(Letters("Accents"), "ABC\xC9\xC8\xD1\xD6\xDF");
  EXPECT_EQ(Settings.ReadCharset("Accents", "?"), "abcéèñöß") << "the file keeps them as typed";
  Settings.WriteCharset("Russian", "абвя");
  EXPECT_EQ(Letters("Russian", 204), "\xC0\xC1\xC2\xDF");
  // A letter the code page cannot hold is left out; a missing set fills with question marks.
  Settings.WriteCharset("Mixed", "aя");
  EXPECT_EQ(Letters("Mixed"), "A");
  EXPECT_EQ(Letters("Gone"), "?");
  Game.FillBlanks();
  EXPECT_EQ(Game.Grid, std::string(25, '?'));
  Settings.WriteCharset("Empty", "");
  Letters("Empty");
  Game.FillBlanks();
  EXPECT_EQ(Game.Grid, std::string(25, EmptyChar));
}

TEST_F(SettingsFileTest, OldFilesLongValuesAndBadNames) {
  WriteFile(Settings.Path(), "[Languages]\nFrench=\xE9\xE8\xE0\n");
  EXPECT_EQ(Settings.ReadCharset("French", "?"), "éèà") << "read as Windows-1252";
  Settings.WriteCharset("Long", std::string(3000, 'a'));
  EXPECT_EQ(Settings.ReadCharset("Long", "?").size(), 2047u);
  for (const char* Bad : {"", "   ", "a=b", "[x", "y]", "two\nlines"}) {
    EXPECT_FALSE(SettingsFile::CheckCharsetName(Bad).empty()) << Bad;
    EXPECT_THROW(Settings.WriteCharset(Bad, "abc"), DocumentError) << Bad;
  }
  EXPECT_TRUE(SettingsFile::CheckCharsetName("Español").empty());
}

TEST_F(SettingsFileTest, UnwritableFileIsReportedAndTheDocumentStillStarts) {
  const SettingsFile Blocked(Home / "not-a-folder" / "sub" / "vornicpack.ini");
  WriteFile(Home / "not-a-folder", "a file where a folder should be");
  try {
    Blocked.WriteCharset("X", "x");
    FAIL() << "expected a failure";
  } catch (const DocumentError& Failure) {
    EXPECT_EQ(std::string(Failure.what()), "Unable to write to " + Blocked.Path().string());
  }
  ::setenv("VORNICPACK_HOME", (Home / "not-a-folder").c_str(), 1);
  TVornicGame Starting;
  Starting.Init("VornicGame", &Ui);
  ::setenv("VORNICPACK_HOME", Home.Path().c_str(), 1);
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_NE(Ui.Messages[0].Text.find("Unable to write to"), std::string::npos);
}

}  // namespace
}  // namespace vornic
