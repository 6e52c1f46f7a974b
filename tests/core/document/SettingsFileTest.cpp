#include "document/SettingsFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "base/DocumentError.h"
#include "base/FileLock.h"
#include "base/RandomGenerator.h"
#include "document/TVornicGame.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using test::ReadFile;
using test::WriteFile;
constexpr const char* Default = "English=qwertyuiopasdfghjklzxcvbnm";

// Little-endian UTF-16 with its byte order mark, as Windows programs write it.
std::string Utf16Le(std::u16string_view Text) {
  std::string Bytes = "\xFF\xFE";
  for (const char16_t Unit : Text) {
    Bytes += static_cast<char>(Unit & 0xFF);
    Bytes += static_cast<char>(Unit >> 8);
  }
  return Bytes;
}

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
  EXPECT_EQ(ReadFile(Settings.Path()), "[Languages]\nEnglish=qwertyuiopasdfghjklzxcvbnm\n");
  WriteFile(Settings.Path(), "[Languages]\nZulu=z\nEnglish=\nMiddle=m\n");
  Settings.EnsureDefaultCharset();  // an empty value is replaced too
  EXPECT_EQ(Settings.ReadCharset("english", "?"), "qwertyuiopasdfghjklzxcvbnm");
  Settings.WriteCharset("Beta", "b");
  Settings.DeleteCharset("zulu");
  EXPECT_EQ(Settings.ListCharsets(), (std::vector<std::string>{"English", "Middle", "Beta"}));
}

// The user's file, byte for byte, before and after each operation: only the line of the set
// changes; a file that is no text is never written.
TEST_F(SettingsFileTest, OperationsTouchOnlyTheLineOfTheirSet) {
  const std::string Long(1 << 20, 'x');
  struct Case {
    const char* Name;
    std::string Before;
    std::function<void(const SettingsFile&)> Operation;
    std::string After;
  } Cases[] = {
      {"comments, spacing, other sections, CR LF",
       "; my sets\r\n[Other]\r\nx = 1\r\n\r\n [languages] \r\n  Zulu = zz \r\nnot a line\r\n\r\n; "
       "end",
       [](auto& File) { File.EnsureDefaultCharset(); },
       "; my sets\r\n[Other]\r\nx = 1\r\n\r\n [languages] \r\n  Zulu = zz \r\n" +
           std::string(Default) + "\r\nnot a line\r\n\r\n; end"},
      {"a line of a megabyte that means nothing", "[Languages]\nGerman=äöü\n" + Long,
       [](auto& File) { File.EnsureDefaultCharset(); },
       "[Languages]\nGerman=äöü\n" + std::string(Default) + "\n" + Long},
      {"no section, no final line break", "junk", [](auto& File) { File.EnsureDefaultCharset(); },
       "junk\n[Languages]\n" + std::string(Default) + "\n"},
      {"UTF-16 with byte order mark", Utf16Le(u"[Languages]\r\nRussian=абв\r\n"),
       [](auto& File) {
         EXPECT_EQ(File.ReadCharset("russian", "?"), "абв");
         File.EnsureDefaultCharset();
       },
       Utf16Le(u"[Languages]\r\nRussian=абв\r\nEnglish=qwertyuiopasdfghjklzxcvbnm\r\n")},
      {"equal keys: the first counts, deleting removes both",
       "[Languages]\nEnglish=first\nA=a\nENGLISH=second\n",
       [](auto& File) {
         EXPECT_EQ(File.ReadCharset("English", "?"), "first");
         EXPECT_EQ(File.ListCharsets(), (std::vector<std::string>{"English", "A"}));
         File.EnsureDefaultCharset();
         File.DeleteCharset("english");
       },
       "[Languages]\nA=a\n"},
      {"quotes around a value are no letters", "[Languages]\nQ = \"abc\" \nS=' x '\nR=\"ab\n",
       [](auto& File) {
         EXPECT_EQ(File.ReadCharset("Q", "?"), "abc");
         EXPECT_EQ(File.ReadCharset("S", "?"), " x ");
         EXPECT_EQ(File.ReadCharset("R", "?"), "\"ab");
         File.WriteCharset("Q", " y");
         EXPECT_EQ(File.ReadCharset("Q", "?"), " y");
       },
       "[Languages]\nQ = \" y\"\nS=' x '\nR=\"ab\n"},
      {"create and delete touch one line",
       "[Languages]\r\n; note\r\nZulu = z\r\nEnglish=e\r\n\r\n[After]\r\nk=v\r\n",
       [](auto& File) {
         File.WriteCharset("zulu", "zz");
         File.WriteCharset("New", "n");
         File.DeleteCharset("English");
         File.DeleteCharset("Missing");
       },
       "[Languages]\r\n; note\r\nZulu = zz\r\nNew=n\r\n\r\n[After]\r\nk=v\r\n"},
      {"Windows-1252 stays so while it can hold the letters", "[Languages]\nFrench=\xE9\xE8\n",
       [](auto& File) {
         File.WriteCharset("Spanish", "ñ");
         EXPECT_EQ(ReadFile(File.Path()), "[Languages]\nFrench=\xE9\xE8\nSpanish=\xF1\n");
         File.WriteCharset("Greek", "αβ");
       },
       "[Languages]\nFrench=éè\nSpanish=ñ\nGreek=αβ\n"},
  };
  for (const Case& Each : Cases) {
    WriteFile(Settings.Path(), Each.Before);
    Each.Operation(Settings);
    EXPECT_EQ(ReadFile(Settings.Path()), Each.After) << Each.Name;
  }
}

TEST_F(SettingsFileTest, AFileThatIsNoTextIsNeverWrittenAndReportedOnce) {
  for (const std::string& Before :
       {"[Languages]\nMine=abc\n\x00\x01\x02\xFF\x80garbage"s, "\xFF\xFE\x00\xD8"s}) {
    WriteFile(Settings.Path(), Before);
    EXPECT_THROW(Settings.EnsureDefaultCharset(), SettingsUnreadable);
    EXPECT_THROW(Settings.WriteCharset("New", "n"), SettingsUnreadable);
    EXPECT_THROW(Settings.DeleteCharset("Mine"), SettingsUnreadable);
    EXPECT_EQ(Settings.ListCharsets(), std::vector<std::string>{"English"});
    EXPECT_EQ(Settings.ReadCharset("english", "?"), "qwertyuiopasdfghjklzxcvbnm");
    EXPECT_EQ(Settings.ReadCharset("Mine", "?"), "?");
    EXPECT_EQ(ReadFile(Settings.Path()), Before);
  }
  // A pipe would block a reader for ever: it is refused, once for all the documents.
  fs::remove(Settings.Path());
  ASSERT_EQ(::mkfifo(Settings.Path().c_str(), 0600), 0);
  Game.Init("VornicGame", &Ui);
  TVornicGame Second;
  Second.Init("WordMaze", &Ui);
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_NE(Ui.Messages[0].Text.find(Settings.Path().string()), std::string::npos);
  EXPECT_EQ(Letters("English"), "QWERTYUIOPASDFGHJKLZXCVBNM");
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
  for (const char* Bad :
       {"", "   ", "a=b", "[x", "y]", "two\nlines", " ;comment", "#x", "tab\x1B"}) {
    EXPECT_FALSE(SettingsFile::CheckCharsetName(Bad).empty()) << Bad;
    EXPECT_THROW(Settings.WriteCharset(Bad, "abc"), DocumentError) << Bad;
  }
  EXPECT_TRUE(SettingsFile::CheckCharsetName("Español").empty());
  EXPECT_THROW(Settings.WriteCharset("Bell", "a\ab"), DocumentError);
}

TEST_F(SettingsFileTest, AFolderThatCannotBeWrittenGivesTheBuiltInSetAndSaysWhyOnce) {
  WriteFile(Home / "file", "a file where a folder should be");
  ::setenv("VORNICPACK_HOME", (Home / "file" / "sub").c_str(), 1);
  const SettingsFile Blocked = SettingsFile::Default();
  TVornicGame Second;
  Game.Init("VornicGame", &Ui);
  Second.Init("JumbledUp", &Ui);
  ::setenv("VORNICPACK_HOME", Home.Path().c_str(), 1);
  EXPECT_EQ(Blocked.ListCharsets(), std::vector<std::string>{"English"});
  EXPECT_EQ(Blocked.ReadCharset("ENGLISH", "?"), "qwertyuiopasdfghjklzxcvbnm");
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_THAT(Ui.Messages[0].Text, testing::AllOf(testing::StartsWith("Settings cannot be saved"),
                                                  testing::HasSubstr("Not a directory")));
}

// Four programs adding ten sets each at once keep all forty: a change waits for the lock.
TEST_F(SettingsFileTest, ProgramsChangingSetsAtOnceKeepEveryChange) {
  SettingsFile::LockWait = std::chrono::milliseconds(50);
  {
    const FileLock Held(Settings.Path(), SettingsFile::LockWait);
    EXPECT_THAT([&] { Settings.WriteCharset("Late", "l"); },
                testing::ThrowsMessage<DocumentError>(testing::HasSubstr("another program")));
  }
  SettingsFile::LockWait = std::chrono::milliseconds(5000);
  std::vector<pid_t> Children;
  for (int Child = 0; Child < 4; ++Child)
    if (const pid_t Pid = ::fork(); Pid != 0) {
      Children.push_back(Pid);
    } else {
      for (int Set = 0; Set < 10; ++Set)
        Settings.WriteCharset("P" + std::to_string(Child) + "S" + std::to_string(Set), "x");
      ::_exit(0);
    }
  for (const pid_t Pid : Children) ::waitpid(Pid, nullptr, 0);
  EXPECT_EQ(Settings.ListCharsets().size(), 41u);  // with the built-in English
}

}  // namespace
}  // namespace vornic
