#include "document/WordListStore.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/CodePage.h"
#include "base/DocumentError.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;
using Words = std::vector<std::string>;

class WordListStoreTest : public ::testing::Test {
 protected:
  test::TempHome Home;
  WordListStore Store = WordListStore::Default();

  void SetUp() override { ASSERT_TRUE(Store.EnsureFolder()); }
  fs::path ListFile(const std::string& Name) { return Home / "WordLists" / (Name + ".lst"); }
};

TEST_F(WordListStoreTest, LivesInTheWordListsFolderOfTheProgramHome) {
  EXPECT_EQ(Store.Folder(), Home / "WordLists");
  EXPECT_EQ(Store.PathOf("Animals"), ListFile("Animals"));
}

TEST_F(WordListStoreTest, WritesOneWordPerLineEndedByCrLfInUtf8) {
  Store.Write("Animals", {"DOG", "KÄFER", "CAT"});
  EXPECT_EQ(ReadFile(ListFile("Animals")),
            "DOG\r\nK\xC3\x84"
            "FER\r\nCAT\r\n");
  Store.Write("Empty", {});
  EXPECT_EQ(ReadFile(ListFile("Empty")), "");
  EXPECT_TRUE(Store.Exists("Empty"));
}

TEST_F(WordListStoreTest, ReadsEveryKindOfLineBreakAndKeepsEmptyWords) {
  EXPECT_EQ(WordListStore::ParseLines("A\r\nB\nC\rD"), (Words{"A", "B", "C", "D"}));
  EXPECT_EQ(WordListStore::ParseLines("A\r\n\r\nB\r\n"), (Words{"A", "", "B"}));
  // LF CR is two line breaks, as CR LF is one.
  EXPECT_EQ(WordListStore::ParseLines("A\n\rB"), (Words{"A", "", "B"}));
  EXPECT_EQ(WordListStore::ParseLines("\r\n"), (Words{""}));
  EXPECT_EQ(WordListStore::ParseLines(""), Words{});
  EXPECT_EQ(WordListStore::ParseLines("\xEF\xBB\xBFONE\r\n"), Words{"ONE"});
}

TEST_F(WordListStoreTest, WordsSurviveARoundTripUntrimmedWithDuplicates) {
  const Words Saved{" SPACED ", "", "ÉTÉ", "ÉTÉ", "Ω"};
  Store.Write("Mixed", Saved);
  EXPECT_EQ(Store.Read("Mixed"), Saved);
}

TEST_F(WordListStoreTest, ReadsAFileThatIsNoUtf8AsWindows1252) {
  WriteFile(ListFile("Old"), "CAF\xC9\r\nNA\xEFVE\r\n\x80URO\r\n");
  EXPECT_EQ(Store.Read("Old"), (Words{"CAF\xC3\x89", "NA\xC3\xAFVE", "\xE2\x82\xACURO"}));
}

TEST_F(WordListStoreTest, ListsOnlyListFilesSortedWithoutRegardToCase) {
  for (const char* Name :
       {"zoo.lst", "Animals.lst", "birds.lst", "notes.txt", "x.lst.bak", ".lst", "Plain.LST"})
    WriteFile(Home / "WordLists" / Name, "");
  fs::create_directory(Home / "WordLists" / "Folder.lst");
  fs::create_symlink(Home / "missing", Home / "WordLists" / "Broken.lst");
  WriteFile(Home / "WordLists" / "bad\xFF.lst", "");
  EXPECT_EQ(Store.ListNames(), (Words{"Animals", "birds", "zoo"}));
}

TEST_F(WordListStoreTest, AMissingFolderHasNoLists) {
  WordListStore Nowhere(Home / "none" / "WordLists");
  EXPECT_TRUE(Nowhere.ListNames().empty());
  EXPECT_FALSE(Nowhere.Exists("Animals"));
}

TEST_F(WordListStoreTest, EnsureFolderCreatesMissingParents) {
  WordListStore Deep(Home / "a" / "b" / "WordLists");
  EXPECT_TRUE(Deep.EnsureFolder());
  EXPECT_TRUE(fs::is_directory(Home / "a" / "b" / "WordLists"));
}

TEST_F(WordListStoreTest, RefusesNamesThatWouldLeaveTheFolder) {
  for (const std::string& Name : Words{"", ".", "..", "../Escape", "a/b", std::string("a\0b", 3)}) {
    EXPECT_FALSE(WordListStore::CheckName(Name).empty()) << Name;
    EXPECT_THROW(Store.Write(Name, {"X"}), DocumentError) << Name;
    EXPECT_THROW(Store.Read(Name), DocumentError) << Name;
    EXPECT_THROW(Store.Remove(Name), DocumentError) << Name;
    EXPECT_FALSE(Store.Exists(Name)) << Name;
  }
  EXPECT_FALSE(fs::exists(Home / "Escape.lst"));
  EXPECT_FALSE(fs::exists(Home / "WordLists" / "a"));
  for (const char* Name : {"...", " spaced ", ".hidden", "back\\slash", "Ünïcode"})
    EXPECT_EQ(WordListStore::CheckName(Name), "") << Name;
}

TEST_F(WordListStoreTest, AFailedWriteKeepsThePreviousFile) {
  Store.Write("Animals", {"DOG"});
  // A name too long for the file system cannot be created.
  const std::string TooLong(300, 'x');
  try {
    Store.Write(TooLong, {"X"});
    FAIL() << "a 300-byte file name was written";
  } catch (const DocumentError& Failure) {
    EXPECT_TRUE(std::string(Failure.what()).starts_with("Cannot create file")) << Failure.what();
  }
  EXPECT_EQ(Store.Read("Animals"), Words{"DOG"});
}

TEST_F(WordListStoreTest, AFolderThatCannotBeWrittenReportsAndLosesNothing) {
  // A file where the folder should be stops every write, even for the superuser.
  const fs::path Blocked = Home / "Blocked";
  WriteFile(Blocked, "not a folder");
  WordListStore Store2(Blocked);
  EXPECT_FALSE(Store2.EnsureFolder());
  EXPECT_TRUE(Store2.ListNames().empty());
  EXPECT_THROW(Store2.Write("Animals", {"DOG"}), DocumentError);
  EXPECT_EQ(ReadFile(Blocked), "not a folder");
}

TEST_F(WordListStoreTest, RemoveDeletesTheFileAndToleratesOneAlreadyGone) {
  Store.Write("Animals", {"DOG"});
  Store.Remove("Animals");
  EXPECT_FALSE(fs::exists(ListFile("Animals")));
  EXPECT_NO_THROW(Store.Remove("Animals"));
  // A folder in the list's place cannot be deleted as a file: the failure is told.
  fs::create_directory(ListFile("Stuck"));
  WriteFile(ListFile("Stuck") / "inside", "x");
  EXPECT_THROW(Store.Remove("Stuck"), DocumentError);
  EXPECT_TRUE(fs::exists(ListFile("Stuck") / "inside"));
}

TEST_F(WordListStoreTest, ReadingAMissingListFails) {
  EXPECT_THROW(Store.Read("Nothing"), DocumentError);
}

TEST(UpperCaseWordTest, UsesTheCodePageCapitalsOneCharacterForOne) {
  const CodePage& Western = CodePage::ForCharset(0);
  EXPECT_EQ(UpperCaseWord("cat", Western), "CAT");
  EXPECT_EQ(UpperCaseWord("éte\xC3\xBF", Western), "ÉTE\xC5\xB8");  // ÿ -> Ÿ, both in 1252
  // ß has no one-letter capital: it stays, the word keeps its length.
  EXPECT_EQ(UpperCaseWord("straße", Western), "STRAßE");
  EXPECT_EQ(UpperCaseWord("привет", CodePage::ForCharset(204)), "ПРИВЕТ");
  // Characters outside the code page still get their Unicode capital.
  EXPECT_EQ(UpperCaseWord("привет", Western), "ПРИВЕТ");
  EXPECT_EQ(UpperCaseWord("", Western), "");
}

TEST(UpperCaseWordTest, KeepsALetterWhoseCapitalTheCodePageCannotHold) {
  // µ is in Windows-1252, its capital (Greek Mu) is not.
  EXPECT_EQ(UpperCaseWord("\xC2\xB5m", CodePage::ForCharset(0)), "\xC2\xB5M");
}

}  // namespace
}  // namespace vornic
