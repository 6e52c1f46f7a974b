// Word search builds as whole puzzles: clear, place every word, fill the blanks.
#include <benchmark/benchmark.h>

#include <fstream>
#include <random>
#include <set>

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

// An empty word search of Cols x Rows that fills from the 26 capitals.
void StartGame(TVornicGame& Game, int Cols, int Rows) {
  Game.Init("VornicGame", nullptr);
  Game.SetSize(Cols, Rows);
  Game.ClearGrid();
  Game.Letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
}

void BuildPuzzles(benchmark::State& State) {
  const int Cols = static_cast<int>(State.range(0));
  const int Rows = static_cast<int>(State.range(1));
  const int Count = static_cast<int>(State.range(2));
  const int MaxLength = static_cast<int>(State.range(3));
  TVornicGame Game;
  StartGame(Game, Cols, Rows);
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

// The real words of words.txt: no word of it lies inside another or inside another's reverse,
// so any draw of them can be hidden without a second reading.
const std::vector<std::string>& RealWords() {
  static const std::vector<std::string> Words = [] {
    std::vector<std::string> Read;
    std::ifstream File(VORNIC_BENCH_WORDS);
    for (std::string Line; std::getline(File, Line);)
      if (!Line.empty()) Read.push_back(Line);
    return Read;
  }();
  return Words;
}

std::vector<std::string> DrawRealWords(int Count, int MaxLength, unsigned Seed) {
  std::vector<std::string> Pool;
  for (const std::string& Word : RealWords())
    if (static_cast<int>(Word.size()) <= MaxLength) Pool.push_back(Word);
  std::mt19937 Engine(Seed);
  std::uniform_int_distribution<std::size_t> Pick(0, Pool.size() - 1);
  std::set<std::string> Seen;
  std::vector<std::string> Words;
  while (static_cast<int>(Words.size()) < Count)
    if (const std::string& Word = Pool[Pick(Engine)]; Seen.insert(Word).second)
      Words.push_back(Word);
  return Words;
}

// Whole puzzles as Shuffle and Fill Blanks make them, from real words, with the counts the bar
// asks for: the share of words placed, and the words that can be read a second time as the
// fill's own full scan of the grid finds them. The word lists are drawn before the timing, so
// that no pausing of the clock is measured.
void BuildRealWordPuzzles(benchmark::State& State) {
  const int Cols = static_cast<int>(State.range(0));
  const int Rows = static_cast<int>(State.range(1));
  const int Count = static_cast<int>(State.range(2));
  const int MaxLength = static_cast<int>(State.range(3));
  std::vector<std::vector<std::string>> Lists;
  for (unsigned Seed = 0; Seed < 256; ++Seed)
    Lists.push_back(DrawRealWords(Count, MaxLength, Seed));
  TVornicGame Game;
  StartGame(Game, Cols, Rows);
  WordSearchPlacer Placer(Game);
  vornic::RandomGenerator::Seed(42);
  std::size_t Next = 0;
  std::int64_t Placed = 0, Tried = 0, Repeated = 0, WithRepeats = 0;
  for (auto _ : State) {
    Placer.ListBox1 = Lists[Next++ % Lists.size()];
    Placer.Reord();
    const int Repeating = Placer.FillBlanks();
    Placed += static_cast<std::int64_t>(Game.Words.size());
    Tried += Count;
    Repeated += Repeating;
    WithRepeats += Repeating > 0;
  }
  State.counters["puzzles_per_s"] =
      benchmark::Counter(static_cast<double>(State.iterations()), benchmark::Counter::kIsRate);
  State.counters["placed_share"] = static_cast<double>(Placed) / static_cast<double>(Tried);
  State.counters["repeated_words"] = static_cast<double>(Repeated);
  State.counters["puzzles_with_repeats"] = static_cast<double>(WithRepeats);
}

// A list far too long for its grid, as the command-line tool places it: 100,000 words of 3 to
// 12 random letters on 50 x 50. Nearly all find no place; each must fail quickly, so the whole
// list takes seconds. Reports how many were placed.
void PlaceHugeList(benchmark::State& State) {
  const std::vector<std::string> Words = RandomWords(100000, 3, 12, 7);
  TVornicGame Game;
  StartGame(Game, 50, 50);
  WordSearchPlacer Placer(Game);
  vornic::RandomGenerator::Seed(42);
  std::vector<std::string> Refusals;
  for (auto _ : State) {
    Refusals.clear();
    Placer.PlaceEditedList(Words, &Refusals);
  }
  State.counters["placed"] = static_cast<double>(Placer.ListBox1.size());
  State.counters["refused"] = static_cast<double>(Refusals.size());
}

BENCHMARK(PlaceHugeList)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK(BuildRealWordPuzzles)
    ->Args({15, 10, 8, 8})
    ->Args({30, 30, 60, 10})
    ->Args({50, 50, 150, 12})
    ->ArgNames({"cols", "rows", "words", "maxlen"})
    ->Unit(benchmark::kMicrosecond);

BENCHMARK(BuildPuzzles)
    ->Args({15, 10, 8, 8})
    ->Args({30, 30, 60, 10})
    ->Args({50, 50, 150, 12})
    ->ArgNames({"cols", "rows", "words", "maxlen"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
