#pragma once

#include <array>

#include "layout/placement_state.h"

namespace vorlune {

// The canvas view draws every skin pixel as an exact N x N block of device
// pixels, N a whole number, whatever the display's scale. These are the sums
// behind that: which zoom to show, where a mouse position falls on the skin and
// which device pixels a skin pixel covers. No toolkit types: positions in
// logical (widget) pixels are doubles, device pixels are ints.

inline constexpr std::array<int, 8> kZoomSteps{1, 2, 3, 4, 6, 8, 12, 16};
// From this zoom on the view can draw a grid between the skin pixels.
inline constexpr int kPixelGridZoom = 4;

bool IsZoomStep(int zoom);

// The zoom shown at first on a display of scale s: the smallest step of at
// least s (1 at scale 1; 2 at 1.25, 1.5 and 2), so that a skin pixel never
// gets smaller than a logical pixel. A scale a hair above a whole number, as
// divisions of DPI values give, counts as that number.
int DefaultZoom(double scale);

// The next larger or smaller step; the last step stays where it is.
int ZoomIn(int zoom);
int ZoomOut(int zoom);

// The largest step at which the whole skin fits in a view of this many device
// pixels; the smallest step when none does.
int FitZoom(int deviceWidth, int deviceHeight);

// How the canvas lies in the widget that receives the mouse: the device pixel
// ratio, the zoom, and the widget's device pixel where skin pixel (0, 0)
// begins (negative when scrolled past it).
struct CanvasMapping {
  double scale = 1;
  int zoom = 1;
  int originX = 0;
  int originY = 0;
};

// The device pixel a logical coordinate lies in. Toolkits hand the mouse over
// as device pixels divided by the scale; multiplying back can land a hair
// below the pixel's edge, which is not taken for the pixel before.
int DevicePixelAt(double logical, double scale);

// The skin pixel under a mouse position in logical pixels: its device pixel,
// then divided by the zoom (rounding down, also left of and above the skin).
// The result may lie off the skin.
CanvasPoint SkinPixelAt(const CanvasMapping& mapping, double logicalX, double logicalY);

struct DeviceRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const DeviceRect&, const DeviceRect&) = default;
};

struct LogicalRect {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
};

// The device pixels of a width x height area of the skin starting at skin
// pixel (x, y): whole blocks of zoom x zoom, as the view should paint them.
DeviceRect SkinAreaDeviceRect(const CanvasMapping& mapping, int x, int y, int width, int height);
// The same area in logical pixels (device pixels divided by the scale).
LogicalRect SkinAreaLogicalRect(const CanvasMapping& mapping, int x, int y, int width, int height);

// A length in logical pixels (say, a snapping distance of 6 screen pixels) in
// skin pixels at this scale and zoom.
double LogicalToSkinLength(double logical, double scale, int zoom);

// Scrolling, one axis at a time, in device pixels: best with scroll bars that
// count device pixels, so that any zoom and scale stay exact.
// The farthest the skin scrolls in a view of `viewport` device pixels.
int MaxScroll(int viewport, int zoom);
// Where the skin begins in the view: centred when it fits (the scroll is then
// ignored), otherwise at minus the scroll, held in range.
int CanvasOrigin(int viewport, int zoom, int scroll);

struct ScrollPosition {
  int x = 0;
  int y = 0;
  friend bool operator==(const ScrollPosition&, const ScrollPosition&) = default;
};

// The scroll that keeps the skin pixel under the mouse under it when the zoom
// changes from before.zoom to newZoom (Ctrl+wheel), at the same spot within
// the pixel. Held in range, so near the skin's edges the pixel may move.
ScrollPosition ScrollForZoom(const CanvasMapping& before, int newZoom, double logicalX, double logicalY,
                             int viewportWidth, int viewportHeight);

}  // namespace vorlune
