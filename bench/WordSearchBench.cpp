// Word search builds as whole puzzles: clear, place every word, fill the blanks.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <random>
#include <set>
#include <utility>

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

// Random-letter lists, drawn before the timing.
void BuildPuzzles(benchmark::State& State) {
  const int Cols = static_cast<int>(State.range(0));
  const int Rows = static_cast<int>(State.range(1));
  const int Count = static_cast<int>(State.range(2));
  const int MaxLength = static_cast<int>(State.range(3));
  std::vector<std::vector<std::string>> Lists;
  for (unsigned Seed = 0; Seed < 256; ++Seed)
    Lists.push_back(RandomWords(Count, 3, MaxLength, Seed));
  TVornicGame Game;
  StartGame(Game, Cols, Rows);
  WordSearchPlacer Placer(Game);
  vornic::RandomGenerator::Seed(42);
  std::size_t Next = 0;
  std::int64_t Placed = 0, Tried = 0;
  for (auto _ : State) {
    Game.ClearGrid();
    for (const std::string& Word : Lists[Next++ % Lists.size()])
      Placed += Placer.EnterWordBytes(Word, false);
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

// Count distinct words of at most MaxLength letters, drawn exactly as js/compare.js draws them
// (xorshift32 from the seed, the same arithmetic), so that both sides of the comparison build
// puzzles from the same lists.
std::vector<std::string> DrawRealWords(int Count, int MaxLength, std::uint32_t Seed) {
  std::vector<std::string> Pool;
  for (const std::string& Word : RealWords())
    if (static_cast<int>(Word.size()) <= MaxLength) Pool.push_back(Word);
  std::uint32_t Xor = Seed * 7919u + 1u;
  std::set<std::string> Seen;
  std::vector<std::string> Words;
  while (static_cast<int>(Words.size()) < Count) {
    Xor ^= Xor << 13;
    Xor ^= Xor >> 17;
    Xor ^= Xor << 5;
    const auto Pick = static_cast<std::size_t>(static_cast<double>(Xor) / 4294967296.0 *
                                               static_cast<double>(Pool.size()));
    if (Seen.insert(Pool[Pick]).second) Words.push_back(Pool[Pick]);
  }
  return Words;
}

// How many of Words can be read in more than one place of the grid along the eight directions,
// counted by brute force, independently of the placer's own index (as js/compare.js counts the
// npm grids).
int RepeatedWords(const std::string& Grid, int Cols, int Rows,
                  const std::vector<std::string>& Words) {
  int Repeated = 0;
  for (const std::string& Word : Words) {
    const int Length = static_cast<int>(Word.size());
    std::set<std::pair<int, int>> Places;
    for (int Y = 0; Y < Rows; ++Y)
      for (int X = 0; X < Cols; ++X) {
        if (Grid[static_cast<std::size_t>(Y * Cols + X)] != Word[0]) continue;
        for (int Dx = -1; Dx <= 1; ++Dx)
          for (int Dy = -1; Dy <= 1; ++Dy) {
            if (Dx == 0 && Dy == 0) continue;
            const int EndX = X + (Length - 1) * Dx, EndY = Y + (Length - 1) * Dy;
            if (EndX < 0 || EndY < 0 || EndX >= Cols || EndY >= Rows) continue;
            int k = 1;
            while (k < Length && Grid[static_cast<std::size_t>((Y + k * Dy) * Cols + X + k * Dx)] ==
                                     Word[static_cast<std::size_t>(k)])
              ++k;
            if (k < Length) continue;
            const int A = Y * Cols + X, B = EndY * Cols + EndX;
            Places.insert({std::min(A, B), std::max(A, B)});
          }
      }
    Repeated += Places.size() > 1;
  }
  return Repeated;
}

// How a whole puzzle is built from a list: the list path (the word list editor's OK, then Fill
// Blanks) or the one-word path (Enter after each word in the window, then Fill Blanks).
enum class Path { List, OneWord };

void BuildOne(WordSearchPlacer& Placer, const std::vector<std::string>& Words, Path How) {
  if (How == Path::List) {
    Placer.PlaceEditedList(Words);
  } else {
    Placer.DeleteAll();
    for (const std::string& Word : Words) static_cast<void>(Placer.EnterWordBytes(Word, true));
  }
  Placer.FillBlanks();
}

// Whole puzzles from real words, built through one of the two paths; the side of the comparison
// with the npm generators (compare-wordsearch.sh). The 256 lists are drawn before the timing;
// nothing else happens inside it. After it, one untimed pass over the same lists gives the share
// of words placed and the words per puzzle that can be read a second time.
void RealWordPuzzles(benchmark::State& State, Path How) {
  const int Cols = static_cast<int>(State.range(0));
  const int Rows = static_cast<int>(State.range(1));
  const int Count = static_cast<int>(State.range(2));
  const int MaxLength = static_cast<int>(State.range(3));
  std::vector<std::vector<std::string>> Lists;
  for (std::uint32_t Seed = 0; Seed < 256; ++Seed)
    Lists.push_back(DrawRealWords(Count, MaxLength, Seed));
  TVornicGame Game;
  StartGame(Game, Cols, Rows);
  WordSearchPlacer Placer(Game);
  vornic::RandomGenerator::Seed(42);
  std::size_t Next = 0;
  for (auto _ : State) {
    BuildOne(Placer, Lists[Next++ % Lists.size()], How);
    benchmark::DoNotOptimize(Game.Grid.data());
  }
  std::int64_t Placed = 0, Repeated = 0;
  for (const std::vector<std::string>& Words : Lists) {
    BuildOne(Placer, Words, How);
    Placed += static_cast<std::int64_t>(Game.Words.size());
    Repeated += RepeatedWords(Game.Grid, Cols, Rows, Words);
  }
  const auto Puzzles = static_cast<double>(Lists.size());
  State.counters["puzzles_per_s"] =
      benchmark::Counter(static_cast<double>(State.iterations()), benchmark::Counter::kIsRate);
  State.counters["placed_share"] = static_cast<double>(Placed) / (Puzzles * Count);
  State.counters["repeated_words"] = static_cast<double>(Repeated) / Puzzles;
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
  State.counters["placed"] = static_cast<double>(Placer.PlacedWords.size());
  State.counters["refused"] = static_cast<double>(Refusals.size());
}

BENCHMARK(PlaceHugeList)->Iterations(1)->Unit(benchmark::kMillisecond);

void RealWordArgs(benchmark::internal::Benchmark* Bench) {
  Bench->Args({15, 10, 8, 8})
      ->Args({30, 30, 60, 10})
      ->Args({50, 50, 150, 12})
      ->ArgNames({"cols", "rows", "words", "maxlen"})
      ->Unit(benchmark::kMicrosecond);
}
BENCHMARK_CAPTURE(RealWordPuzzles, list, Path::List)->Apply(RealWordArgs);
BENCHMARK_CAPTURE(RealWordPuzzles, one_word, Path::OneWord)->Apply(RealWordArgs);

BENCHMARK(BuildPuzzles)
    ->Args({15, 10, 8, 8})
    ->Args({30, 30, 60, 10})
    ->Args({50, 50, 150, 12})
    ->ArgNames({"cols", "rows", "words", "maxlen"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
