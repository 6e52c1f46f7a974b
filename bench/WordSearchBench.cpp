// Word search builds as whole puzzles: clear, place every word, fill the blanks.
#include <benchmark/benchmark.h>

#include <random>

#include "base/RandomGenerator.h"
#include "games/wordsearch/WordSearchPlacer.h"

namespace {

using vornic::TVornicGame;
using vornic::WordSearchPlacer;

std::vector<std::string> RandomWords(int Count, int MinLength, int MaxLength, unsigned Seed) {
  std::mt19937 Engine(Seed);
  std::uniform_int_distribution<int> Length(MinLength, MaxLength), Letter('A', 'Z');
  std::vector<std::string> Words;
  for (int i = 0; i < Count; ++i) {
    std::string Word;
    for (int n = Length(Engine); n > 0; --n) Word.push_back(static_cast<char>(Letter(Engine)));
    Words.push_back(Word);
  }
  return Words;
}

void BuildPuzzles(benchmark::State& State) {
  const int Cols = static_cast<int>(State.range(0));
  const int Rows = static_cast<int>(State.range(1));
  const int Count = static_cast<int>(State.range(2));
  const int MaxLength = static_cast<int>(State.range(3));
  TVornicGame Game;
  Game.Init("VornicGame", nullptr);
  Game.SetSize(Cols, Rows);
  Game.ClearGrid();
  Game.Letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  WordSearchPlacer Placer(Game);
  vornic::RandomGenerator::Seed(42);
  unsigned Seed = 0;
  std::int64_t Placed = 0, Tried = 0;
  for (auto _ : State) {
    State.PauseTiming();
    const auto Words = RandomWords(Count, 3, MaxLength, Seed++);
    State.ResumeTiming();
    Game.ClearGrid();
    for (const std::string& Word : Words) Placed += Placer.EnterWordBytes(Word, false);
    Game.FillBlanks();
    Tried += Count;
    benchmark::DoNotOptimize(Game.Grid.data());
  }
  State.counters["puzzles_per_s"] =
      benchmark::Counter(static_cast<double>(State.iterations()), benchmark::Counter::kIsRate);
  State.counters["placed_share"] = static_cast<double>(Placed) / static_cast<double>(Tried);
}

BENCHMARK(BuildPuzzles)
    ->Args({15, 10, 8, 8})
    ->Args({30, 30, 60, 10})
    ->Args({50, 50, 150, 12})
    ->ArgNames({"cols", "rows", "words", "maxlen"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
