#include "layout/canvas_zoom.h"

#include <algorithm>
#include <cmath>

#include "layout/skin_layout.h"

namespace vorlune {
namespace {

// Real display scales differ from a whole number by 1/96 or more; floating
// error in their making is far below this.
constexpr double kScaleSlack = 1e-3;
// Far above the error of multiplying back a position divided by the scale, far
// below the finest fraction of a device pixel a pointer reports (1/65536).
constexpr double kPositionSlack = 1e-7;
// Keeps a wild position within int range.
constexpr double kFarthest = 1e9;

int FloorDiv(int a, int b) {
  const int q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// One axis of ScrollForZoom.
int ScrollKeeping(int device, int origin, int oldZoom, int newZoom, int viewport) {
  const int offset = device - origin;
  const int pixel = FloorDiv(offset, oldZoom);
  const int within = (offset - pixel * oldZoom) * newZoom / oldZoom;
  return std::clamp(pixel * newZoom + within - device, 0, MaxScroll(viewport, newZoom));
}

}  // namespace

bool IsZoomStep(int zoom) {
  return std::find(kZoomSteps.begin(), kZoomSteps.end(), zoom) != kZoomSteps.end();
}

int DefaultZoom(double scale) {
  if (!(scale > 1)) return kZoomSteps.front();  // also no scale at all (NaN)
  const double wanted = std::ceil(scale - kScaleSlack);
  for (const int step : kZoomSteps) {
    if (step >= wanted) return step;
  }
  return kZoomSteps.back();
}

int ZoomIn(int zoom) {
  for (const int step : kZoomSteps) {
    if (step > zoom) return step;
  }
  return kZoomSteps.back();
}

int ZoomOut(int zoom) {
  for (auto step = kZoomSteps.rbegin(); step != kZoomSteps.rend(); ++step) {
    if (*step < zoom) return *step;
  }
  return kZoomSteps.front();
}

int FitZoom(int deviceWidth, int deviceHeight) {
  const int room = std::min(deviceWidth, deviceHeight);
  int best = kZoomSteps.front();
  for (const int step : kZoomSteps) {
    if (kCanvasSize * step <= room) best = step;
  }
  return best;
}

int DevicePixelAt(double logical, double scale) {
  return static_cast<int>(std::floor(std::clamp(logical * scale + kPositionSlack, -kFarthest, kFarthest)));
}

CanvasPoint SkinPixelAt(const CanvasMapping& mapping, double logicalX, double logicalY) {
  return {FloorDiv(DevicePixelAt(logicalX, mapping.scale) - mapping.originX, mapping.zoom),
          FloorDiv(DevicePixelAt(logicalY, mapping.scale) - mapping.originY, mapping.zoom)};
}

DeviceRect SkinAreaDeviceRect(const CanvasMapping& mapping, int x, int y, int width, int height) {
  const int n = mapping.zoom;
  return {mapping.originX + x * n, mapping.originY + y * n, width * n, height * n};
}

LogicalRect SkinAreaLogicalRect(const CanvasMapping& mapping, int x, int y, int width, int height) {
  const DeviceRect device = SkinAreaDeviceRect(mapping, x, y, width, height);
  const double s = mapping.scale;
  return {device.x / s, device.y / s, device.width / s, device.height / s};
}

double LogicalToSkinLength(double logical, double scale, int zoom) {
  return logical * scale / zoom;
}

int MaxScroll(int viewport, int zoom) {
  return std::max(0, kCanvasSize * zoom - viewport);
}

int CanvasOrigin(int viewport, int zoom, int scroll) {
  const int extent = kCanvasSize * zoom;
  if (extent <= viewport) return (viewport - extent) / 2;
  return -std::clamp(scroll, 0, extent - viewport);
}

ScrollPosition ScrollForZoom(const CanvasMapping& before, int newZoom, double logicalX, double logicalY,
                             int viewportWidth, int viewportHeight) {
  return {ScrollKeeping(DevicePixelAt(logicalX, before.scale), before.originX, before.zoom, newZoom,
                        viewportWidth),
          ScrollKeeping(DevicePixelAt(logicalY, before.scale), before.originY, before.zoom, newZoom,
                        viewportHeight)};
}

}  // namespace vorlune
