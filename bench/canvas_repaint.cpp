// One repaint of a maximised canvas (2400 x 1600 device pixels) at zoom 4 while
// a part follows the mouse: the zoomed skin with its pixel grid, and the help;
// then the whole canvas view's paint of the same, at display scale 1.5.
// Target: at most 4 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>

#include "app/canvas_view.h"
#include "app/zoomed_canvas.h"
#include "every_family_skin.h"

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

// The view's own paint event, rendered whole, with a lifted part refused beside another.
void BM_CanvasViewRepaintAtZoom4(benchmark::State& state) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_SCALE_FACTOR", "1.5");
  static int argc = 1;
  static char name[] = "canvas_repaint";
  static char* argv[] = {name, nullptr};
  static QApplication application(argc, argv);
  SkinLayout layout = bench::EveryFamilySkin();
  layout.backgroundLoaded = true;
  SkinDocument document;
  document.LoadLayout(layout, {});
  document.LeftButtonDown({10, 290});  // Play lifted
  CanvasView canvas(document);
  canvas.resize(1600, 1067);
  canvas.SetZoom(4);
  canvas.MoveTo(canvas.ViewRect({40, 270, 41, 271}).center());
  if (!canvas.Help() || canvas.Help()->refusal.reason == RefusalReason::None)
    state.SkipWithError("no refused part shown");
  QImage device(canvas.size() * 1.5, QImage::Format_RGB32);
  device.setDevicePixelRatio(1.5);
  for (auto _ : state) {
    canvas.render(&device);
    benchmark::DoNotOptimize(device.constBits());
  }
}
BENCHMARK(BM_CanvasViewRepaintAtZoom4)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorlune
