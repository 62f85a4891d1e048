// One repaint of a maximised canvas (2400 x 1600 device pixels) at zoom 4 while
// a part follows the mouse: the zoomed skin, the pixel grid and the help.
// Target: at most 4 ms.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>

#include "app/zoomed_canvas.h"

namespace vorlune {
namespace {

void BM_RepaintMaximisedAtZoom4(benchmark::State& state) {
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
    PaintZoomedSkin(painter, skin, mapping, device.rect());
    PaintPixelGrid(painter, mapping, device.rect());
    PaintPlacementHelp(painter, mapping, 2, help);
    benchmark::DoNotOptimize(device.constBits());
  }
}
BENCHMARK(BM_RepaintMaximisedAtZoom4)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorlune
