// Word maze and labyrinth builds: speed and how often a build reaches its goal (every word laid;
// a full labyrinth grid) on fixed, seeded inputs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <random>

#include "base/RandomGenerator.h"
#include "document/TVornicGame.h"
#include "games/labyrinth/LabyrinthBuilder.h"
#include "games/maze/MazeBuilder.h"
#include "games/maze/MazeSizes.h"

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

void LabyrinthBuilds(benchmark::State& State) {
  const int Cols = static_cast<int>(State.range(0));
  const int Rows = static_cast<int>(State.range(1));
  const int Length = static_cast<int>(State.range(2));
  TVornicGame Game;
  Game.Init("WordLabirint", nullptr);
  Game.SetSize(Cols, Rows);
  LabyrinthBuilder Builder;
  std::int64_t Full = 0, NoPath = 0;
  double Worst = 0;
  unsigned Seed = 0;
  for (auto _ : State) {
    State.PauseTiming();
    std::mt19937 Engine(Seed);
    const std::string Text = RandomLetters(Engine, Length);
    vornic::RandomGenerator::Seed(Seed++);
    State.ResumeTiming();
    const double Start = CpuMs();
    const LabyrinthBuilder::Result Outcome = Builder.BuildLabyrinth(Text, Game);
    Worst = std::max(Worst, CpuMs() - Start);
    Full += Outcome == LabyrinthBuilder::Result::Full;
    NoPath += Outcome == LabyrinthBuilder::Result::NoMainPath;
  }
  const auto Runs = static_cast<double>(State.iterations());
  State.counters["builds_per_s"] = benchmark::Counter(Runs, benchmark::Counter::kIsRate);
  State.counters["full_share"] = static_cast<double>(Full) / Runs;
  State.counters["no_path_share"] = static_cast<double>(NoPath) / Runs;
  State.counters["worst_cpu_ms"] = Worst;
}

BENCHMARK(LabyrinthBuilds)
    ->ArgsProduct({{15}, {10}, {20, 60, 150}})
    ->ArgsProduct({{30}, {30}, {20, 60, 150}})
    ->ArgsProduct({{50}, {50}, {20, 60, 150}})
    ->ArgNames({"cols", "rows", "letters"})
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

}  // namespace
