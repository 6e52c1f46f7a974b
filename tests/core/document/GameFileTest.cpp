#include <gtest/gtest.h>

#include <cstdint>

#include "base/DocumentError.h"
#include "document/GameFile.h"
#include "document/TVornicGame.h"
#include "support/DocumentTest.h"

namespace vornic {
namespace {

using test::ReadFile;
using test::WriteFile;

std::string Bytes(std::initializer_list<int> Values) {
  std::string Out;
  for (int V : Values) Out.push_back(static_cast<char>(V));
  return Out;
}

// The 3 x 3 word search with CAT written rightwards along the first row.
const std::string CatFile = Bytes({0x0A, 0, 0, 0}) + "VornicGame" +
                            Bytes({0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                   0,    0xFF, 0xFF, 0, 0, 0, 0, 1, 1, 3, 0, 3, 0, 1}) +
                            "English" + Bytes({0, 0, 0, 0, 9, 0, 0, 0}) + "CAT" +
                            std::string(6, '\x19') + "CAT\x19" +
                            Bytes({0x65, 0x65, 0x66, 0x65, 0x67, 0x65, 0x0D, 0x0A});

using GameFileTest = test::DocumentTest;

TEST_F(GameFileTest, CatExampleIsWrittenByteForByte) {
  ASSERT_EQ(CatFile.size(), 79u);
  Game.SetSize(3, 3);
  Game.ClearGrid();
  Game.SetCell(1, 1, 'C');
  Game.SetCell(2, 1, 'A');
  Game.SetCell(3, 1, 'T');
  Game.AddWord("CAT", PathBytes(1, 1) + PathBytes(2, 1) + PathBytes(3, 1));
  Game.FileName = (Home / "cat.gm").string();
  Game.SaveToFile();
  EXPECT_EQ(ReadFile(Home / "cat.gm"), CatFile);
  EXPECT_FALSE(Game.Modified);
}

TEST_F(GameFileTest, EveryFieldRoundTripsIncludingReserved) {
  WriteFile(Home / "cat.gm", CatFile);
  ASSERT_TRUE(Game.LoadFromFile((Home / "cat.gm").string()));
  EXPECT_EQ(Game.Grid, "CAT" + std::string(6, '\x19'));
  ASSERT_EQ(Game.Words.size(), 1u);
  EXPECT_EQ(Game.Words[0], "CAT\x19\x65\x65\x66\x65\x67\x65");

  Game.Settings.Reserved = 0xA5;
  Game.Settings.BackColor = 0x123456;
  Game.Settings.Bold = 7;
  ASSERT_TRUE(Game.Settings.SetLanguageName("Tenletters"));
  Game.Words.Add("SECOND\x19xyz");
  Game.FileName = (Home / "copy.gm").string();
  Game.SaveToFile();

  TVornicGame Copy;
  Copy.Init("VornicGame", &Ui);
  ASSERT_TRUE(Copy.LoadFromFile((Home / "copy.gm").string()));
  EXPECT_EQ(Copy.Settings.ToBytes(), Game.Settings.ToBytes());
  EXPECT_EQ(Copy.Settings.Language.back(), '\0');  // ten letters keep one zero byte
  EXPECT_EQ(Copy.Grid, Game.Grid);
  EXPECT_EQ(Copy.Words.Items(), Game.Words.Items());
  EXPECT_EQ(ReadFile(Home / "copy.gm"),
            SerializeGameFile({"VornicGame", Copy.Settings, Copy.Grid, Copy.Words.Items()}));
}

TEST_F(GameFileTest, FileOfAnotherGameGoesToOnWrongTypeAndChangesNothing) {
  std::string MazeFile = CatFile;
  MazeFile.replace(0, 14, Bytes({8, 0, 0, 0}) + "WordMaze");
  WriteFile(Home / "maze.gm", MazeFile);
  Game.SetCell(1, 1, 'Q');
  Game.AddWord("Q", PathBytes(1, 1));
  const std::string GridBefore = Game.Grid;
  std::string SeenName, SeenType;
  Game.OnWrongType = [&](const std::string& Name, const std::string& Type) {
    SeenName = Name;
    SeenType = Type;
  };
  EXPECT_FALSE(Game.LoadFromFile((Home / "maze.gm").string()));
  EXPECT_EQ(SeenName, (Home / "maze.gm").string());
  EXPECT_EQ(SeenType, "WordMaze");
  EXPECT_EQ(Game.Grid, GridBefore);
  EXPECT_EQ(Game.Words.size(), 1u);
  EXPECT_TRUE(Game.FileName.empty());
  // The launcher reads only the type name to choose the game's window.
  EXPECT_EQ(ReadGameFileType((Home / "maze.gm").string()), "WordMaze");
}

// Damaged files: every one is refused with the format message and the document stays as it was.
TEST_F(GameFileTest, DamagedFilesAreRefusedAndLeaveTheDocumentAlone) {
  std::vector<std::string> Corpus;
  const std::size_t WordListStart = CatFile.size() - 12;
  for (std::size_t Cut = 0; Cut < WordListStart; ++Cut) Corpus.push_back(CatFile.substr(0, Cut));
  auto WithLength = [](std::string File, std::size_t Offset, std::uint32_t Value) {
    for (int i = 0; i < 4; ++i)
      File[Offset + static_cast<std::size_t>(i)] = static_cast<char>(Value >> (8 * i));
    return File;
  };
  for (std::uint32_t Value : {0xFFFFFFFFu, 0x7FFFFFFFu, 80u, 0x80000000u}) {
    Corpus.push_back(WithLength(CatFile, 0, Value));   // type name length
    Corpus.push_back(WithLength(CatFile, 54, Value));  // grid length
  }
  Corpus.push_back(WithLength(CatFile, 54, 8));  // grid shorter than Cols x Rows
  std::string Wide = CatFile;
  Wide[38] = 4;  // Cols 4 with a 9-byte grid
  Corpus.push_back(Wide);

  Game.SetCell(2, 2, 'Z');
  Game.Words.Add("KEEP");
  Game.Modified = true;
  const auto SettingsBefore = Game.Settings.ToBytes();
  const std::string GridBefore = Game.Grid;
  int Index = 0;
  for (const std::string& File : Corpus) {
    SCOPED_TRACE("damaged file " + std::to_string(Index++));
    WriteFile(Home / "bad.gm", File);
    EXPECT_THROW(static_cast<void>(Game.LoadFromFile((Home / "bad.gm").string())), DocumentError);
    if (File.size() < 14 || File.substr(0, 4) != CatFile.substr(0, 4)) {  // no whole type name
      EXPECT_THROW(static_cast<void>(ReadGameFileType((Home / "bad.gm").string())), DocumentError);
    }
    EXPECT_EQ(Game.Settings.ToBytes(), SettingsBefore);
    EXPECT_EQ(Game.Grid, GridBefore);
    ASSERT_EQ(Game.Words.size(), 1u);
    EXPECT_TRUE(Game.Modified);
    EXPECT_TRUE(Game.FileName.empty());
  }
}

}  // namespace
}  // namespace vornic
