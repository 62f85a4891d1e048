// Zoom steps, and mouse positions to skin pixels at every step and scale.
#include "layout/canvas_zoom.h"

#include <gtest/gtest.h>

#include <tuple>

#include "layout/skin_layout.h"

namespace vorlune {
namespace {

TEST(CanvasZoom, Steps) {
  // clang-format off
  const std::pair<double, int> defaults[] = {
      {1, 1}, {1.0000001, 1}, {1.25, 2}, {1.5, 2}, {2.0000000000000004, 2}, {5, 6}, {40, 16}, {0, 1}};
  const std::pair<int, int> steps[] = {
      {ZoomIn(4), 6}, {ZoomIn(16), 16}, {ZoomOut(6), 4}, {ZoomOut(1), 1}, {FitZoom(1920, 959), 2},
      {FitZoom(3840, 5000), 12}, {FitZoom(100, 900), 1}, {CanvasOrigin(1000, 2, 99), 180},
      {CanvasOrigin(1000, 4, 999), -280}};
  // clang-format on
  for (const auto& [scale, zoom] : defaults) EXPECT_EQ(DefaultZoom(scale), zoom) << scale;
  for (const auto& [got, zoom] : steps) EXPECT_EQ(got, zoom);
}

TEST(CanvasZoom, MousePositionToSkinPixel) {
  // scale, zoom, origin, device position (handed over divided by the scale), skin pixel
  const std::tuple<double, int, int, double, int> rows[] = {
      {1, 1, 0, 319.99, 319},   {1, 1, 10, 9.5, -1},   {1.25, 2, 0, 2, 1},
      {1.5, 3, -30, 29.99, 19}, {1.5, 6, 7, 607, 100}, {1.5, 6, 7, 6.99, -1},
      {1.75, 1, 0, 61, 61},     {2, 8, 3, 2563, 320},  {2, 16, -320, 15.5, 20}};
  for (const auto& [scale, zoom, origin, device, skin] : rows)
    EXPECT_EQ(SkinPixelAt({scale, zoom, origin, 0}, device / scale, 0).x, skin) << device;
  // Every device pixel of every skin pixel's block, at every step and scale.
  for (const double scale : {1.0, 1.25, 1.5, 1.75, 2.0})
    for (const int zoom : kZoomSteps) {
      const CanvasMapping m{scale, zoom, 13, -zoom * 5 - 3};
      for (int p = -1; p <= kCanvasSize; ++p) {
        const DeviceRect block = SkinAreaDeviceRect(m, p, p, 1, 1);
        ASSERT_EQ(block, (DeviceRect{13 + p * zoom, p * zoom - zoom * 5 - 3, zoom, zoom}));
        for (int d = 0; d < zoom; ++d)
          ASSERT_EQ(SkinPixelAt(m, (block.x + d) / scale, (block.y + d) / scale), (CanvasPoint{p, p}))
              << scale;
      }
    }
}

TEST(CanvasZoom, ZoomKeepsThePixelUnderTheMouse) {
  const int w = 1000, h = 700;  // device pixels; the skin's centre in the view's, the mouse around it
  for (const int from : {4, 6, 8, 12, 16}) {
    const CanvasMapping before{1.5, from, -(160 * from - w / 2), -(160 * from - h / 2)};
    for (const int to : {4, 6, 8, 12, 16})
      for (const double x : {266.7, 333.0, 399.9}) {
        const ScrollPosition s = ScrollForZoom(before, to, x, x * 0.6, w, h);
        const CanvasMapping after{1.5, to, CanvasOrigin(w, to, s.x), CanvasOrigin(h, to, s.y)};
        EXPECT_EQ(SkinPixelAt(after, x, x * 0.6), SkinPixelAt(before, x, x * 0.6)) << from << " " << to;
        EXPECT_TRUE(from != to || s == (ScrollPosition{-before.originX, -before.originY}));
      }
  }
}

}  // namespace
}  // namespace vorlune
