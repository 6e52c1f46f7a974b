// Jumbled text and lost letters: a whole build followed by the drawing, as one press of Build in
// their windows does, on fixed, seeded texts.
#include <benchmark/benchmark.h>

#include <random>

#include "base/RandomGenerator.h"
#include "document/TVornicGame.h"
#include "games/jumble/JumbleBuilder.h"
#include "games/jumble/JumbleDrawing.h"
#include "games/lostletters/LostLettersBuilder.h"
#include "games/lostletters/LostLettersDrawing.h"

namespace {

using vornic::TVornicGame;

// Words of 2 to 7 letters, so that Count words fit the 50-cell grid.
std::string JumbleText(int Count) {
  std::mt19937 Engine(17);
  std::uniform_int_distribution<int> Length(2, 7), Letter('A', 'Z');
  std::string Text;
  for (int i = 0; i < Count; ++i) {
    if (i > 0) Text += ' ';
    for (int L = Length(Engine); L > 0; --L) Text += static_cast<char>(Letter(Engine));
  }
  return Text;
}

std::string LostLettersText(int Length) {
  std::mt19937 Engine(23);
  std::uniform_int_distribution<int> Letter('A', 'Z' + 5);  // about one space in six
  std::string Text;
  for (int i = 0; i < Length; ++i) {
    const int C = Letter(Engine);
    Text += C > 'Z' ? ' ' : static_cast<char>(C);
  }
  return Text;
}

void JumbleBuildAndDraw(benchmark::State& State) {
  const std::string Text = JumbleText(static_cast<int>(State.range(0)));
  TVornicGame Game;
  Game.Init("JumbledUp", nullptr);
  vornic::JumbleBuilder Builder(Game);
  vornic::JumbleDrawing Drawing(Game);
  Drawing.Solution = State.range(1) != 0;
  vornic::RandomGenerator::Seed(1);
  for (auto _ : State) {
    if (!Builder.Build(Text)) State.SkipWithError("the text did not fit");
    Drawing.DrawTheGame();
    benchmark::DoNotOptimize(Game.MetaFile.Operations().data());
  }
  State.counters["cols"] = Game.Settings.Cols;
  State.counters["rows"] = Game.Settings.Rows;
  State.SetItemsProcessed(State.iterations());
}
BENCHMARK(JumbleBuildAndDraw)->ArgsProduct({{60}, {0, 1}})->ArgNames({"words", "solution"});

void LostLettersBuildAndDraw(benchmark::State& State) {
  const std::string Text = LostLettersText(static_cast<int>(State.range(0)));
  const int Lines = static_cast<int>(State.range(1));
  TVornicGame Game;
  Game.Init("LostLetters", nullptr);
  vornic::LostLettersBuilder Builder(Game);
  vornic::LostLettersDrawing Drawing(Game);
  Drawing.Solution = true;
  vornic::RandomGenerator::Seed(1);
  for (auto _ : State) {
    if (!Builder.Build(Text, Lines)) State.SkipWithError("the text was refused");
    Drawing.DrawTheGame();
    benchmark::DoNotOptimize(Game.MetaFile.Operations().data());
  }
  State.counters["cols"] = Game.Settings.Cols;
  State.SetItemsProcessed(State.iterations());
}
BENCHMARK(LostLettersBuildAndDraw)
    ->ArgsProduct({{2000}, {2, 10, 40}})
    ->ArgNames({"chars", "lines"});

}  // namespace
