// One repaint of a maximised canvas (2400 x 1600 device pixels) at zoom 4 while
// a part follows the mouse: the zoomed skin with its pixel grid, and the help.
// Target: at most 4 ms.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>

#include "app/zoomed_canvas.h"

namespace vorlune {
namespace {

enum Parts { kSkin = 1, kGrid = 2, kHelp = 4, kAll = 7 };

void Repaint(benchmark::State& state, int parts) {
  QImage skin(kCanvasSize, kCanvasSize, QImage::Format_RGB32);
  for (int y = 0; y < kCanvasSize; ++y)
    for (int x = 0; x < kCanvasSize; ++x) skin.setPixel(x, y, qRgb(x, y, (x * y) & 255));
  QImage device(2400, 1600, QImage::Format_RGB32);
  const CanvasMapping mapping{1.5, 4, (2400 - 1280) / 2, (1600 - 1280) / 2};
  PlacementHelp help;
  help.position = {150, 160};
  help.refusal = {RefusalReason::Touches, 1};
  help.guides = {{GuideOrientation::Vertical, 150, 0, 320}};
  for (auto _ : state) {
    QPainter painter(&device);
    if (parts & kSkin) PaintZoomedSkin(painter, skin, mapping, device.rect(), (parts & kGrid) != 0);
    if (parts & kHelp) PaintPlacementHelp(painter, mapping, 2, help);
    benchmark::DoNotOptimize(device.constBits());
  }
}

void BM_RepaintMaximisedAtZoom4(benchmark::State& state) {
  Repaint(state, kAll);
}
BENCHMARK(BM_RepaintMaximisedAtZoom4)->Unit(benchmark::kMillisecond);
// Its parts on their own, to see where the time goes.
void BM_ZoomedSkinOnly(benchmark::State& state) {
  Repaint(state, kSkin);
}
BENCHMARK(BM_ZoomedSkinOnly)->Unit(benchmark::kMillisecond);
void BM_ZoomedSkinWithGrid(benchmark::State& state) {
  Repaint(state, kSkin | kGrid);
}
BENCHMARK(BM_ZoomedSkinWithGrid)->Unit(benchmark::kMillisecond);
void BM_PlacementHelpOnly(benchmark::State& state) {
  Repaint(state, kHelp);
}
BENCHMARK(BM_PlacementHelpOnly)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorlune
