// Word maze and labyrinth builds: speed and how often a build reaches its goal (every word laid;
// a full labyrinth grid) on fixed, seeded inputs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <random>
#include <utility>
#include <vector>

#include "base/RandomGenerator.h"
#include "document/TVornicGame.h"
#include "games/labyrinth/LabyrinthBuilder.h"
#include "games/maze/MazeBuilder.h"
#include "games/maze/MazeSizes.h"
#include "games/maze/MazeTwistedPath.h"

namespace {

using vornic::LabyrinthBuilder;
using vornic::MazeBuilder;
using vornic::MazeSize;
using vornic::TVornicGame;

// Processor time of this process in milliseconds: the machine is shared, so wall time would
// count other people's work.
double CpuMs() {
  return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

std::string RandomLetters(std::mt19937& Engine, int Length) {
  std::uniform_int_distribution<int> Letter('A', 'Z');
  std::string Text;
  for (int i = 0; i < Length; ++i) Text.push_back(static_cast<char>(Letter(Engine)));
  return Text;
}

// A phrase and words of 3 to 8 letters that together hold exactly Total letters.
struct MazeSample {
  std::string Phrase;
  std::vector<std::string> Words;
};
MazeSample MakeMazeSample(int Total, unsigned Seed) {
  std::mt19937 Engine(Seed);
  std::uniform_int_distribution<int> Length(3, 8);
  MazeSample Sample{"WORD MAZE", {}};
  int Left = Total - static_cast<int>(Sample.Phrase.size());
  while (Left > 0) {
    int Next = Length(Engine);
    if (Left - Next < 3) Next = Left;  // the last word takes the rest
    Sample.Words.push_back(RandomLetters(Engine, Next));
    Left -= Next;
  }
  return Sample;
}

void MazeBuilds(benchmark::State& State) {
  const int Total = static_cast<int>(State.range(0));
  const MazeSize Size = *vornic::NearestToSquare(vornic::OfferedSizes(Total));
  TVornicGame Game;
  Game.Init("WordMaze", nullptr);
  Game.SetSize(Size.W, Size.H);
  MazeBuilder Builder;
  std::int64_t Built = 0, Attempts = 0;
  double Worst = 0;
  unsigned Seed = 0;
  for (auto _ : State) {
    State.PauseTiming();
    const MazeSample Sample = MakeMazeSample(Total, Seed);
    vornic::RandomGenerator::Seed(Seed++);
    State.ResumeTiming();
    const double Start = CpuMs();
    Built += Builder.BuildMaze(Sample.Words, Sample.Phrase, Size.W, Size.H, Game);
    Worst = std::max(Worst, CpuMs() - Start);
    Attempts += Builder.Attempts();
  }
  const auto Runs = static_cast<double>(State.iterations());
  State.counters["builds_per_s"] = benchmark::Counter(Runs, benchmark::Counter::kIsRate);
  State.counters["success_share"] = static_cast<double>(Built) / Runs;
  State.counters["attempts_mean"] = static_cast<double>(Attempts) / Runs;
  State.counters["worst_cpu_ms"] = Worst;
  State.SetLabel(vornic::FormatSize(Size));
}

BENCHMARK(MazeBuilds)->Arg(30)->Arg(100)->Iterations(200)->Unit(benchmark::kMillisecond);
BENCHMARK(MazeBuilds)->Arg(400)->Iterations(40)->Unit(benchmark::kMillisecond);
BENCHMARK(MazeBuilds)->Arg(900)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(MazeBuilds)->Arg(2500)->Iterations(3)->Unit(benchmark::kMillisecond);

void AddTurns(const TVornicGame& Game, vornic::TurnTally& Tally) {
  for (std::size_t i = 1; i < Game.Words.size(); ++i) {
    const vornic::SplitWordEntry Entry = vornic::SplitEntry(Game.Words[i]);
    vornic::CountTurns(vornic::DecodePath(Entry.After, Entry.Item.size()), Tally);
  }
}

double Median(std::vector<double> Values) {
  std::sort(Values.begin(), Values.end());
  const std::size_t Half = Values.size() / 2;
  return Values.size() % 2 == 1 ? Values[Half] : (Values[Half - 1] + Values[Half]) / 2;
}

// One size of the window's list, W x H letters filled exactly. WalkBudget 0 lays every maze
// along the twisted path. Reports the share of builds that succeed, how many the walk built,
// processor time per build (median and worst) and how often each way's words turn.
void MazeSizeBuilds(benchmark::State& State, std::uint64_t WalkBudget) {
  const MazeSize Size{static_cast<int>(State.range(0)), static_cast<int>(State.range(1))};
  TVornicGame Game;
  Game.Init("WordMaze", nullptr);
  Game.SetSize(Size.W, Size.H);
  MazeBuilder Builder;
  Builder.WalkBudget = WalkBudget;
  std::int64_t Built = 0, Walked = 0;
  vornic::TurnTally WalkTurns, PathTurns;
  std::vector<double> Times;
  unsigned Seed = 0;
  for (auto _ : State) {
    State.PauseTiming();
    const MazeSample Sample = MakeMazeSample(Size.W * Size.H, Seed);
    vornic::RandomGenerator::Seed(Seed++);
    State.ResumeTiming();
    const double Start = CpuMs();
    const bool Ok = Builder.BuildMaze(Sample.Words, Sample.Phrase, Size.W, Size.H, Game);
    Times.push_back(CpuMs() - Start);
    State.PauseTiming();
    Built += Ok;
    const bool ByWalk = Builder.LastMethod() == MazeBuilder::Method::Walk;
    Walked += ByWalk;
    if (Ok) AddTurns(Game, ByWalk ? WalkTurns : PathTurns);
    State.ResumeTiming();
  }
  const auto Runs = static_cast<double>(State.iterations());
  State.counters["success_share"] = static_cast<double>(Built) / Runs;
  State.counters["walk_share"] = static_cast<double>(Walked) / Runs;
  State.counters["median_cpu_ms"] = Median(Times);
  State.counters["worst_cpu_ms"] = *std::max_element(Times.begin(), Times.end());
  if (WalkTurns.Inner > 0) State.counters["walk_turn_share"] = WalkTurns.Share();
  if (PathTurns.Inner > 0) State.counters["path_turn_share"] = PathTurns.Share();
  State.SetLabel(vornic::FormatSize(Size));
}

// Sizes across the window's whole range: squares from 3 x 3 to 50 x 50 and the narrowest and
// most lopsided grids. Every build must succeed within half a second.
void OfferedSizeArgs(benchmark::internal::Benchmark* Bench) {
  for (int Side :
       {3, 4, 5, 6, 8, 10, 12, 15, 18, 20, 22, 25, 28, 30, 32, 35, 38, 40, 42, 45, 48, 50})
    Bench->Args({Side, Side});
  for (const auto& [W, H] : std::vector<std::pair<int, int>>{
           {3, 50}, {50, 3}, {7, 43}, {12, 37}, {25, 50}, {50, 25}, {49, 50}})
    Bench->Args({W, H});
  Bench->ArgNames({"w", "h"});
}

BENCHMARK_CAPTURE(MazeSizeBuilds, offered, MazeBuilder::WalkWorkBudget)
    ->Apply(OfferedSizeArgs)
    ->Iterations(12)
    ->Unit(benchmark::kMillisecond);
// The twisted path alone, for its speed and its words' turns beside the walk's.
BENCHMARK_CAPTURE(MazeSizeBuilds, twisted_path_only, std::uint64_t{0})
    ->Apply(OfferedSizeArgs)
    ->Iterations(12)
    ->Unit(benchmark::kMillisecond);

void LabyrinthBuilds(benchmark::State& State) {
  const int Cols = static_cast<int>(State.range(0));
  const int Rows = static_cast<int>(State.range(1));
  const int Length = static_cast<int>(State.range(2));
  TVornicGame Game;
  Game.Init("WordLabirint", nullptr);
  Game.SetSize(Cols, Rows);
  LabyrinthBuilder Builder;
  std::int64_t Full = 0, NoPath = 0;
  std::vector<double> Times;
  double Blank = 0;
  unsigned Seed = 0;
  for (auto _ : State) {
    State.PauseTiming();
    std::mt19937 Engine(Seed);
    const std::string Text = RandomLetters(Engine, Length);
    vornic::RandomGenerator::Seed(Seed++);
    State.ResumeTiming();
    const double Start = CpuMs();
    const LabyrinthBuilder::Result Outcome = Builder.BuildLabyrinth(Text, Game);
    Times.push_back(CpuMs() - Start);
    Full += Outcome == LabyrinthBuilder::Result::Full;
    NoPath += Outcome == LabyrinthBuilder::Result::NoMainPath;
    if (Outcome != LabyrinthBuilder::Result::NoMainPath)
      Blank += static_cast<double>(std::count(Game.Grid.begin(), Game.Grid.end(), '\x19')) /
               static_cast<double>(Game.Grid.size());
  }
  const auto Runs = static_cast<double>(State.iterations());
  State.counters["builds_per_s"] = benchmark::Counter(Runs, benchmark::Counter::kIsRate);
  State.counters["full_share"] = static_cast<double>(Full) / Runs;
  State.counters["no_path_share"] = static_cast<double>(NoPath) / Runs;
  // Of the grids with a main path, the share of cells left blank (the best try's).
  State.counters["blank_share"] =
      Runs > static_cast<double>(NoPath) ? Blank / (Runs - static_cast<double>(NoPath)) : 0.0;
  State.counters["median_cpu_ms"] = Median(Times);
  State.counters["worst_cpu_ms"] = *std::max_element(Times.begin(), Times.end());
}

// Up to the largest text each grid holds, two fifths of its cells: every build must lay its main
// path within half a second.
BENCHMARK(LabyrinthBuilds)
    ->ArgsProduct({{15}, {10}, {20, 60}})
    ->ArgsProduct({{15}, {15}, {90}})
    ->ArgsProduct({{30}, {30}, {20, 60, 150, 360}})
    ->ArgsProduct({{50}, {50}, {20, 60, 150, 400, 1000}})
    ->ArgsProduct({{3}, {50}, {60}})
    ->ArgNames({"cols", "rows", "letters"})
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

}  // namespace
