// A class set: twenty 20 x 20 word searches of 20 words laid out as a worksheet with answer keys
// (40 pages), and the same written as one PDF.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "base/RandomGenerator.h"
#include "document/TVornicGame.h"
#include "games/wordsearch/WordSearchPlacer.h"
#include "worksheet/WorksheetLayout.h"
#if __has_include("render/WorksheetOutput.h")
#include "render/WorksheetOutput.h"
#define VORNIC_BENCH_RENDER 1
#endif

namespace {

using namespace vornic;

struct ClassSet {
  std::vector<std::unique_ptr<TVornicGame>> Owned;
  std::vector<const TVornicGame*> Games;
  ClassSet() {
    RandomGenerator::Seed(20);
    std::vector<std::string> Words;
    for (int i = 0; i < 20; ++i)
      Words.push_back(std::string("WORD") + static_cast<char>('A' + i) +
                      static_cast<char>('A' + i % 7));
    for (int i = 0; i < 20; ++i) {
      Owned.push_back(std::make_unique<TVornicGame>());
      TVornicGame& Game = *Owned.back();
      Game.Init("VornicGame", nullptr);
      Game.SetSize(20, 20);
      Game.ClearGrid();
      Game.Letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
      WordSearchPlacer Placer(Game);
      Placer.PlaceEditedList(Words);
      Placer.FillBlanks();
      Game.FileName = "puzzle" + std::to_string(i) + ".gm";
      Games.push_back(&Game);
    }
  }
};

void LayOutTwentyPuzzles(benchmark::State& State) {
  ClassSet Set;
  for (auto _ : State) benchmark::DoNotOptimize(LayOutWorksheet(Set.Games, {}).data());
}
BENCHMARK(LayOutTwentyPuzzles)->Unit(benchmark::kMillisecond);

#ifdef VORNIC_BENCH_RENDER
void WriteTwentyPuzzlePdf(benchmark::State& State) {
  ClassSet Set;
  std::size_t Bytes = 0;
  for (auto _ : State) {
    const std::string Pdf = render::WorksheetPdfBytes(LayOutWorksheet(Set.Games, {}), "class");
    Bytes = Pdf.size();
    benchmark::DoNotOptimize(Pdf.data());
  }
  State.counters["bytes"] = static_cast<double>(Bytes);
}
BENCHMARK(WriteTwentyPuzzlePdf)->Unit(benchmark::kMillisecond);
#endif

}  // namespace
