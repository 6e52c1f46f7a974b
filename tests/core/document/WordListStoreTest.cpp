#include "document/WordListStore.h"

#include <gmock/gmock.h>
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
using namespace std::string_literals;

class WordListStoreTest : public ::testing::Test {
 protected:
  test::TempHome Home;
  WordListStore Store = WordListStore::Default();

  void SetUp() override { ASSERT_TRUE(Store.EnsureFolder()); }
  fs::path ListFile(const std::string& Name) { return Home / "WordLists" / (Name + ".lst"); }
};

TEST_F(WordListStoreTest, WritesUtf8WithCrLfAndReadsBackUntrimmedWithDuplicates) {
  Store.Write("Animals", {"DOG", "KÄFER", "CAT"});
  EXPECT_EQ(ReadFile(ListFile("Animals")),
            "DOG\r\nK\xC3\x84"
            "FER\r\nCAT\r\n");
  const Words Saved{" SPACED ", "", "ÉTÉ", "ÉTÉ", "Ω"};
  Store.Write("Mixed", Saved);
  EXPECT_EQ(Store.Read("Mixed"), Saved);
  Store.Write("Empty", {});
  EXPECT_EQ(ReadFile(ListFile("Empty")), "");
  // Every kind of line break; LF CR is two, a byte order mark is skipped.
  EXPECT_EQ(WordListStore::ParseLines("A\r\nB\nC\rD"), (Words{"A", "B", "C", "D"}));
  EXPECT_EQ(WordListStore::ParseLines("A\n\rB"), (Words{"A", "", "B"}));
  EXPECT_EQ(WordListStore::ParseLines("\xEF\xBB\xBFONE\r\n"), Words{"ONE"});
  // A file that is no UTF-8 comes from an older installation: Windows-1252.
  WriteFile(ListFile("Old"), "CAF\xC9\r\n\x80URO\r\n");
  EXPECT_EQ(Store.Read("Old"), (Words{"CAF\xC3\x89", "\xE2\x82\xACURO"}));
  // UTF-8 but for some bytes, or after a UTF-8 mark, is damaged: refused, naming the line.
  for (const char* Damaged : {"CAF\xC3\x89\n\nDOG\xFF\n", "\357\273\277CAT\r\rDOG\377"}) {
    WriteFile(ListFile("Damaged"), Damaged);
    EXPECT_THAT([&] { Store.Read("Damaged"); },
                testing::ThrowsMessage<DocumentError>(testing::HasSubstr("Line 3 is not valid")));
  }
  // Windows programs save "Unicode" text as UTF-16 with a byte order mark.
  WriteFile(ListFile("Wide"), "\xFF\xFE\x1F\x04\x41\x00\r\x00\n\x00\x42\x00"s);
  EXPECT_EQ(Store.Read("Wide"), (Words{"ПA", "B"}));
  WriteFile(ListFile("Big"), "\xFE\xFF\x04\x1F\x00\x41"s);
  EXPECT_EQ(Store.Read("Big"), Words{"ПA"});
}

TEST_F(WordListStoreTest, ListsOnlyListFilesSortedWithoutRegardToCase) {
  for (const char* Name : {"zoo.lst", "Animals.lst", "birds.lst", "notes.txt", "x.lst.bak", ".lst"})
    WriteFile(Home / "WordLists" / Name, "");
  fs::create_directory(Home / "WordLists" / "Folder.lst");
  fs::create_symlink(Home / "missing", Home / "WordLists" / "Broken.lst");
  WriteFile(Home / "WordLists" / "bad\xFF.lst", "");
  EXPECT_EQ(Store.ListNames(), (Words{"Animals", "birds", "zoo"}));
  EXPECT_TRUE(WordListStore(Home / "none").ListNames().empty());
}

TEST_F(WordListStoreTest, RefusesNamesThatWouldLeaveTheFolder) {
  for (const std::string& Name : Words{"", ".", "..", "../Escape", "a/b", std::string("a\0b", 3)}) {
    EXPECT_FALSE(WordListStore::CheckName(Name).empty()) << Name;
    EXPECT_THROW(Store.Write(Name, {"X"}), DocumentError) << Name;
    EXPECT_THROW(Store.Read(Name), DocumentError) << Name;
    EXPECT_THROW(Store.Remove(Name), DocumentError) << Name;
  }
  EXPECT_FALSE(fs::exists(Home / "Escape.lst"));
  for (const char* Name : {"...", " spaced ", ".hidden", "back\\slash", "Ünïcode"})
    EXPECT_EQ(WordListStore::CheckName(Name), "") << Name;
}

TEST_F(WordListStoreTest, FailuresAreToldAndLoseNothing) {
  Store.Write("Animals", {"DOG"});
  EXPECT_THROW(Store.Write(std::string(300, 'x'), {"X"}), DocumentError);
  EXPECT_EQ(Store.Read("Animals"), Words{"DOG"});
  EXPECT_THROW(Store.Read("Nothing"), DocumentError);
  // A zero byte is no end of the list but a file that is not one: told by name, not cut short.
  for (const std::string& Bytes : {"CAT\r\nD\0G\r\nEMU"s, "\xFF\xFE\x00\xD8"s}) {
    WriteFile(ListFile("Odd"), Bytes);
    try {
      Store.Read("Odd");
      ADD_FAILURE() << "read " << Bytes;
    } catch (const DocumentError& Failure) {
      EXPECT_NE(std::string(Failure.what()).find(ListFile("Odd").string()), std::string::npos);
    }
  }
  // A file where the folder should be stops every write, even for the superuser.
  WriteFile(Home / "Blocked", "not a folder");
  WordListStore Blocked(Home / "Blocked");
  EXPECT_FALSE(Blocked.EnsureFolder());
  EXPECT_THROW(Blocked.Write("Animals", {"DOG"}), DocumentError);
  EXPECT_EQ(ReadFile(Home / "Blocked"), "not a folder");
  // Remove tolerates a list already gone, and refuses a folder in the list's place.
  Store.Remove("Animals");
  EXPECT_NO_THROW(Store.Remove("Animals"));
  fs::create_directory(ListFile("Stuck"));
  WriteFile(ListFile("Stuck") / "inside", "x");
  EXPECT_THROW(Store.Remove("Stuck"), DocumentError);
  EXPECT_TRUE(fs::exists(ListFile("Stuck") / "inside"));
}

}  // namespace
}  // namespace vornic
