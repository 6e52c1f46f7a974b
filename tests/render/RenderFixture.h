#pragma once

#include <gtest/gtest.h>

#include <QtGui/QColor>
#include <QtGui/QImage>

#include "document/TVornicGame.h"
#include "render/GuiApplication.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempHome.h"

namespace vornic::test {

// A 5 x 5 word search with the default colours (black lines, white cells, grey shadow) and the
// word "CAT" across row 3 from column 2; its picture is recorded.
class RenderFixture : public ::testing::Test {
 protected:
  TempHome Home;
  ScriptedUserInterface Ui;
  TVornicGame Game;

  void SetUp() override {
    render::EnsureGuiApplication();
    Game.Init("VornicGame", &Ui);
    ASSERT_TRUE(Game.New());
    Game.ResizeImage();
    const std::string Word = "CAT";
    std::string Path;
    for (int i = 0; i < 3; ++i) {
      Game.SetCell(2 + i, 3, Word[static_cast<std::size_t>(i)]);
      Path += PathBytes(2 + i, 3);
    }
    Game.AddWord(Word, Path);
    Game.DrawGrid(true);
  }
};

inline QColor Pixel(const QImage& Image, int X, int Y) {
  return Image.pixelColor(X, Y);
}

// True when some pixel of the box (right and bottom exclusive) is darker than Level.
inline bool HasInk(const QImage& Image, int Left, int Top, int Right, int Bottom, int Level = 128) {
  for (int Y = Top; Y < Bottom; ++Y)
    for (int X = Left; X < Right; ++X)
      if (Image.pixelColor(X, Y).alpha() > 0 && Image.pixelColor(X, Y).lightness() < Level)
        return true;
  return false;
}

// True when some pixel of the box is strongly Red-ish (red high, green and blue low).
inline bool HasRed(const QImage& Image, int Left, int Top, int Right, int Bottom) {
  for (int Y = Top; Y < Bottom; ++Y)
    for (int X = Left; X < Right; ++X) {
      const QColor C = Image.pixelColor(X, Y);
      if (C.red() > 150 && C.green() < 100 && C.blue() < 100) return true;
    }
  return false;
}

}  // namespace vornic::test
