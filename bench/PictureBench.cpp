// The picture of the largest grid (50 x 50, 805 x 805 units) is recorded anew on every keystroke
// and exported on demand: recording, EMF and WMF bytes, and the Qt playback to an image.
#include <benchmark/benchmark.h>

#include "document/TVornicGame.h"
#if __has_include("render/PictureImage.h")
#include "render/GuiApplication.h"
#include "render/PictureExport.h"
#include "render/PictureImage.h"
#define VORNIC_BENCH_RENDER 1
#endif

namespace {

using vornic::TVornicGame;

// A full grid (50 x 50 unless told) with letters in every cell, and its picture recorded once.
struct FullGrid {
  TVornicGame Game;
  explicit FullGrid(int Side = 50) {
    Game.MetaFile.Create(vornic::PictureCreator, "VornicGame");
    Game.SetSize(Side, Side);
    Game.Grid.clear();
    for (int i = 0; i < Side * Side; ++i) Game.Grid += static_cast<char>('A' + i % 26);
    Game.ResizeImage();
    Game.DrawGrid(true);
  }
};

void DrawGrid50(benchmark::State& State) {
  FullGrid Grid;
  for (auto _ : State) {
    Grid.Game.DrawGrid(true);
    benchmark::DoNotOptimize(Grid.Game.MetaFile.Operations().data());
  }
  State.counters["operations"] = static_cast<double>(Grid.Game.MetaFile.Operations().size());
}
BENCHMARK(DrawGrid50)->Unit(benchmark::kMicrosecond);

void EmfBytes50(benchmark::State& State) {
  FullGrid Grid;
  std::size_t Size = 0;
  for (auto _ : State) {
    const auto Bytes = Grid.Game.MetaFile.EmfBytes();
    Size = Bytes.size();
    benchmark::DoNotOptimize(Bytes.data());
  }
  State.counters["bytes"] = static_cast<double>(Size);
}
BENCHMARK(EmfBytes50)->Unit(benchmark::kMicrosecond);

// The bar: a keystroke's full redraw plus the EMF bytes within 1 ms.
void RedrawAndEmf50(benchmark::State& State) {
  FullGrid Grid;
  for (auto _ : State) {
    Grid.Game.DrawGrid(true);
    const auto Bytes = Grid.Game.MetaFile.EmfBytes();
    benchmark::DoNotOptimize(Bytes.data());
  }
}
BENCHMARK(RedrawAndEmf50)->Unit(benchmark::kMicrosecond);

void WmfBytes50(benchmark::State& State) {
  FullGrid Grid;
  std::size_t Size = 0;
  for (auto _ : State) {
    const auto Bytes = Grid.Game.MetaFile.WmfBytes();
    Size = Bytes.size();
    benchmark::DoNotOptimize(Bytes.data());
  }
  State.counters["bytes"] = static_cast<double>(Size);
}
BENCHMARK(WmfBytes50)->Unit(benchmark::kMicrosecond);

#ifdef VORNIC_BENCH_RENDER
void ImagePlayback50(benchmark::State& State) {
  vornic::render::EnsureGuiApplication();
  FullGrid Grid;
  const double Scale = static_cast<double>(State.range(0));
  for (auto _ : State) {
    const QImage Image = vornic::render::RenderImage(Grid.Game.MetaFile, Scale);
    benchmark::DoNotOptimize(Image.constBits());
  }
}
BENCHMARK(ImagePlayback50)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

void PngBytes50(benchmark::State& State) {
  vornic::render::EnsureGuiApplication();
  FullGrid Grid;
  std::size_t Size = 0;
  for (auto _ : State) {
    const std::string Bytes = vornic::render::PngBytes(Grid.Game.MetaFile);
    Size = Bytes.size();
    benchmark::DoNotOptimize(Bytes.data());
  }
  State.counters["bytes"] = static_cast<double>(Size);
}
BENCHMARK(PngBytes50)->Unit(benchmark::kMillisecond);

// The largest grid a picture may show (255 x 255, 4085 x 4085 units, just within the area
// limit): drawing and each export, whose cost grows with the cells, must stay within seconds.
// Argument: 0 EMF, 1 SVG, 2 PDF, 3 PNG.
void ExportLargestGrid(benchmark::State& State) {
  vornic::render::EnsureGuiApplication();
  FullGrid Grid(255);
  std::size_t Size = 0;
  for (auto _ : State) {
    Grid.Game.DrawGrid(true);
    const vornic::TDrawMetaFile& Picture = Grid.Game.MetaFile;
    switch (State.range(0)) {
      case 0:
        Size = Picture.EmfBytes().size();
        break;
      case 1:
        Size = vornic::render::SvgBytes(Picture).size();
        break;
      case 2:
        Size = vornic::render::PdfBytes(Picture).size();
        break;
      default:
        Size = vornic::render::PngBytes(Picture).size();
        break;
    }
  }
  State.counters["bytes"] = static_cast<double>(Size);
}
BENCHMARK(ExportLargestGrid)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(1);
#endif

}  // namespace
