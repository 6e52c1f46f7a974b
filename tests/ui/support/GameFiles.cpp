#include "support/GameFiles.h"

#include <QAction>
#include <QtTest>

#include "document/TVornicGame.h"

namespace vornic::test {

void WriteGameFile(const std::filesystem::path& Path, const std::string& TypeName, int Cols,
                   int Rows, const std::vector<std::string>& Words) {
  TVornicGame Game;
  Game.Init(TypeName, nullptr);
  Game.SetSize(Cols, Rows);
  Game.ClearGrid();
  int Row = 1;
  for (const std::string& Word : Words) {
    std::string EntryPath;
    for (std::size_t i = 0; i < Word.size(); ++i) {
      const int Column = static_cast<int>(i) + 1;
      Game.SetCell(Column, Row, Word[i]);
      EntryPath += PathBytes(Column, Row);
    }
    Game.AddWord(Word, EntryPath);
    ++Row;
  }
  Game.FileName = Path.string();
  Game.SaveToFile();
}

}  // namespace vornic::test
