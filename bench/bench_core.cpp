// Costs of the core's hot paths: one key, one level start, the frame fill.
#include <benchmark/benchmark.h>

#include <cstring>

#include "Game.h"
#include "TestUtil.h"

using namespace tw;

namespace {

// A program folder with 32 x 32 textures and a full-size 32 x 20 map.
struct Folder {
  test::TempDir Dir;
  Folder() {
    Dir.Write("texture/wall.bmp", EncodeBmp(test::SolidBitmap24(32, 32, MakeColor(90, 60, 40))));
    Dir.Write("texture/cross.bmp", EncodeBmp(test::SolidBitmap24(32, 32, MakeColor(200, 0, 0))));
    Dir.Write("texture/box.bmp", EncodeBmp(test::SolidBitmap24(32, 32, MakeColor(150, 90, 40))));
    for (const char* n : {"wvL", "wvU", "wvR", "wvD"})
      Dir.Write(std::string("texture/") + n + ".bmp",
                EncodeBmp(test::SolidBitmap24(32, 32, MakeColor(0, 0, 255))));
    // Border walls; inside, 30 boxes with 30 targets and a long open row for the player.
    std::string map;
    int boxes = 0;
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 32; ++x) {
        char c = '0';
        if (x == 0 || y == 0 || x == 31 || y == 19)
          c = '1';
        else if (y == 1 && x == 1)
          c = '3';
        else if (y % 4 == 2 && x % 4 == 2 && boxes < 30)
          c = '2', ++boxes;
        else if (y % 4 == 3 && x % 4 == 2 && boxes <= 30)
          c = '4';
        map += c;
      }
      map += "\r\n";
    }
    Dir.Write("map/01.map", map);
  }
};

void BM_KeyStep(benchmark::State& state) {
  Folder f;
  TGame g(f.Dir.Dir(), {});
  g.CreateKeeper();
  g.StartLevel();
  // Walk right and left along the open row 1.
  std::uint16_t keys[2] = {vkRight, vkLeft};
  std::size_t i = 0;
  for (auto _ : state) {
    std::uint16_t k = keys[(i++ / 20) % 2];
    benchmark::DoNotOptimize(g.FormKeyDown(k));
    if (g.FMoves->Size() > (1u << 20)) g.FMoves = std::make_unique<TMemoryStream>();
  }
}
BENCHMARK(BM_KeyStep);

void BM_KeyPush(benchmark::State& state) {
  Folder f;
  // A corridor: the player pushes the box 28 cells to the right, then the level starts again.
  f.Dir.Write("map/02.map",
              "11111111111111111111111111111111\n"
              "13200000000000000000000000000001\n"
              "11111111111111111111111111111111\n");
  TGame g(f.Dir.Dir(), {});
  g.CreateKeeper();
  g.FLevel = 2;
  g.StartLevel();
  std::int64_t pushes = 0;
  for (auto _ : state) {
    std::uint16_t k = vkRight;
    const TKeyResult r = g.FormKeyDown(k);
    if (!r.Moved) {
      state.PauseTiming();
      g.StartLevel();
      state.ResumeTiming();
    } else {
      ++pushes;
    }
  }
  state.counters["push_share"] = double(pushes) / double(state.iterations());
}
BENCHMARK(BM_KeyPush);

void BM_LevelStart(benchmark::State& state) {
  Folder f;
  TGame g(f.Dir.Dir(), {});
  g.CreateKeeper();
  for (auto _ : state) {
    g.StartLevel();
    benchmark::DoNotOptimize(g.FFrameBits());
  }
  state.counters["boxes"] = double(g.FBoxes.size());
}
BENCHMARK(BM_LevelStart)->Unit(benchmark::kMicrosecond);

void BM_FrameFill(benchmark::State& state) {
  TFrameBuffer frame;
  for (auto _ : state) {
    frame.Fill(FloorColor);
    benchmark::DoNotOptimize(frame.Bits());
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(kFrameBytes));
}
BENCHMARK(BM_FrameFill)->Unit(benchmark::kMicrosecond);

void BM_Memset(benchmark::State& state) {
  std::vector<std::uint8_t> bytes(kFrameBytes);
  for (auto _ : state) {
    std::memset(bytes.data(), 0xB6, bytes.size());
    benchmark::DoNotOptimize(bytes.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(kFrameBytes));
}
BENCHMARK(BM_Memset)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
