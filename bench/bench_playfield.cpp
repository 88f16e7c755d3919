// Repaint costs of the playfield widget, offscreen: the whole field, and after one move.
#include <benchmark/benchmark.h>

#include "QtBenchmarkMain.h"

#include <QApplication>
#include <cstdlib>

#include "PlayfieldWidget.h"
#include "TestUtil.h"

using namespace tw;

namespace {

struct Scene : IGameView {
  test::TempDir Dir;
  PlayfieldWidget Widget;
  std::unique_ptr<TGame> Game;
  QRegion Dirty;
  QImage Target;  // what a backing store would receive

  Scene() {
    Dir.Write("texture/wall.bmp", EncodeBmp(test::SolidBitmap24(32, 32, MakeColor(90, 60, 40))));
    Dir.Write("texture/cross.bmp", EncodeBmp(test::SolidBitmap24(32, 32, MakeColor(200, 0, 0))));
    Dir.Write("texture/box.bmp", EncodeBmp(test::MakeBitmap24(32, 32, [](int x, int y) {
                return (x < 2 || y < 2) ? FloorColor : MakeColor(150, 90, 40);
              })));
    for (const char* n : {"wvL", "wvU", "wvR", "wvD"})
      Dir.Write(std::string("texture/") + n + ".bmp",
                EncodeBmp(test::MakeBitmap24(32, 32, [](int x, int) {
                  return x < 4 ? MaskMagenta : MakeColor(0, 0, 255);
                })));
    std::string map;
    int boxes = 0;
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 32; ++x) {
        char c = (x == 0 || y == 0 || x == 31 || y == 19) ? '1' : '0';
        if (y == 1 && x == 1) c = '3';
        if (y % 3 == 2 && x % 3 == 2 && boxes < 30) c = '2', ++boxes;
        map += c;
      }
      map += "\n";
    }
    Dir.Write("map/01.map", map);
    TGameServices s;
    s.View = this;
    Game = std::make_unique<TGame>(Dir.Dir(), s);
    Game->FImageTop = 0;
    Widget.SetGame(Game.get());
    Game->act_load_backgroundExecute();
    Game->CreateKeeper();
    Game->StartLevel();
    Target = QImage(kFrameWidth, kFrameHeight, QImage::Format_RGB32);
    Widget.render(&Target);
  }
  ~Scene() override {
    Widget.SetGame(nullptr);
    Game.reset();
  }
  void FrameChanged() override { Widget.FrameChanged(); }
  void InvalidateRect(const TRect& r) override {
    Dirty += QRect(r.Left, r.Top, r.Width, r.Height);
    Widget.InvalidateFigureRect(r);
  }
};

void BM_FullRepaint(benchmark::State& state) {
  Scene s;
  for (auto _ : state) s.Widget.render(&s.Target);
  state.counters["boxes"] = double(s.Game->FBoxes.size());
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMicrosecond);

void BM_MoveRepaint(benchmark::State& state) {
  Scene s;
  std::uint16_t keys[2] = {vkRight, vkLeft};
  std::size_t i = 0;
  double pixels = 0;
  for (auto _ : state) {
    s.Dirty = QRegion();
    std::uint16_t k = keys[i++ % 2];
    s.Game->FormKeyDown(k);
    s.Widget.render(&s.Target, s.Dirty.boundingRect().topLeft(), s.Dirty);
    for (const QRect& r : s.Dirty) pixels += double(r.width()) * r.height();
  }
  state.counters["px_per_move"] = pixels / double(state.iterations());
}
BENCHMARK(BM_MoveRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

TW_QT_BENCHMARK_MAIN()
