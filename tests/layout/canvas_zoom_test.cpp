// Zoom steps, and mouse positions to skin pixels at every step and scale.
#include "layout/canvas_zoom.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "layout/skin_layout.h"

namespace vorlune {
namespace {

constexpr double kScales[] = {1, 1.25, 1.5, 2};

TEST(CanvasZoom, Steps) {
  for (const auto& [scale, zoom] : {std::pair{1.0, 1},
                                    {1.0000001, 1},
                                    {1.25, 2},
                                    {1.5, 2},
                                    {2.0000000000000004, 2},
                                    {2.5, 3},
                                    {5.0, 6},
                                    {40.0, 16},
                                    {0.0, 1}})
    EXPECT_EQ(DefaultZoom(scale), zoom) << scale;
  for (const auto& [got, zoom] : {std::pair{ZoomIn(4), 6},
                                  {ZoomIn(16), 16},
                                  {ZoomOut(6), 4},
                                  {ZoomOut(1), 1},
                                  {FitZoom(1920, 959), 2},
                                  {FitZoom(3840, 5000), 12},
                                  {FitZoom(100, 900), 1}})
    EXPECT_EQ(got, zoom);
}

// Positions as the toolkit hands them over: device pixels divided by the scale.
TEST(CanvasZoom, MousePositionToSkinPixel) {
  struct Row {
    double scale;
    int zoom, origin;
    double device;
    int skin;
  };
  for (const Row& r : {Row{1, 1, 0, 319.99, 319},
                       {1, 1, 10, 9.5, -1},
                       {1.25, 2, 0, 1, 0},
                       {1.25, 2, 0, 2, 1},
                       {1.25, 4, 0, 1.9875, 0},
                       {1.5, 3, -30, 29.99, 19},
                       {1.5, 6, 7, 607, 100},
                       {1.5, 6, 7, 6.99, -1},
                       {2, 8, 3, 2563, 320},
                       {2, 16, -320, 15.5, 20}})
    EXPECT_EQ(SkinPixelAt({r.scale, r.zoom, r.origin, 0}, r.device / r.scale, 0).x, r.skin) << r.device;
  // Every device pixel of a skin pixel's block, at every step and scale.
  for (const double scale : kScales) {
    for (const int zoom : kZoomSteps) {
      const CanvasMapping m{scale, zoom, 13, -zoom * 5 - 3};
      for (int p = -1; p <= kCanvasSize; ++p) {
        const DeviceRect block = SkinAreaDeviceRect(m, p, p, 1, 1);
        ASSERT_EQ(block, (DeviceRect{13 + p * zoom, p * zoom - zoom * 5 - 3, zoom, zoom}));
        for (int d = 0; d < zoom; ++d) {
          const CanvasPoint at = SkinPixelAt(m, (block.x + d) / scale, (block.y + d) / scale);
          ASSERT_EQ(at, (CanvasPoint{p, p})) << scale << " " << zoom << " " << d;
        }
      }
    }
  }
}

TEST(CanvasZoom, ZoomKeepsThePixelUnderTheMouse) {
  const int w = 1000, h = 700;  // device pixels
  for (const int from : kZoomSteps) {
    for (const int to : kZoomSteps) {
      if (kCanvasSize * std::min(from, to) < w) continue;  // a smaller skin is centred
      // The skin's centre in the view's centre; the mouse around it.
      const CanvasMapping before{1.5, from, CanvasOrigin(w, from, 160 * from - w / 2),
                                 CanvasOrigin(h, from, 160 * from - h / 2)};
      for (const double x : {266.7, 333.0, 399.9}) {
        const ScrollPosition s = ScrollForZoom(before, to, x, x * 0.6, w, h);
        const CanvasMapping after{1.5, to, CanvasOrigin(w, to, s.x), CanvasOrigin(h, to, s.y)};
        EXPECT_EQ(SkinPixelAt(after, x, x * 0.6), SkinPixelAt(before, x, x * 0.6))
            << from << " " << to << " " << x;
      }
    }
  }
}

}  // namespace
}  // namespace vorlune
