#pragma once

#include <functional>
#include <vector>

#include "skin/mask_picture.h"

namespace vorlune::glyph {

// Outlines for the drawn masks. Coordinates are pixels of the picture, with
// pixel (i, j) covering [i, i+1) x [j, j+1); a region says whether a point of
// the plane is inked. Regions are rasterised by sampling each pixel on a fine
// grid, so shapes are described once and come out clean at the box size.
struct Point {
  double x;
  double y;
};
using Path = std::vector<Point>;
using Region = std::function<bool(double x, double y)>;

Region Union(std::vector<Region> parts);
Region Minus(Region inked, Region cut);
Region Intersect(Region a, Region b);
Region Shifted(Region r, double dx, double dy);

// Axis-aligned box from (x0, y0) to (x1, y1).
Region Box(double x0, double y0, double x1, double y1);
// Box with corners cut at 45 degrees by `clip` pixels: the corners named in
// `corners` (kTopLeft | kTopRight | ...), all four by default.
inline constexpr unsigned kTopLeft = 1, kTopRight = 2, kBottomRight = 4, kBottomLeft = 8, kAllCorners = 15;
Region ClippedBox(double x0, double y0, double x1, double y1, double clip, unsigned corners = kAllCorners);
// The region turned half a turn about the centre of a w x h picture.
Region Turned(Region r, double w, double h);
Region Ellipse(double cx, double cy, double rx, double ry);
// |dx/rx|^n + |dy/ry|^n <= 1: between an ellipse (n = 2) and a box (large n).
Region SuperEllipse(double cx, double cy, double rx, double ry, double n);
// Closed polygon, even-odd rule.
Region Polygon(Path corners);
// Points swept by an elliptical pen of half-axes (rx, ry) along the path; the
// ends are cut square to the path, the joins are round. A wide flat pen gives
// thick uprights and thin horizontals, as a broad nib does.
Region Stroke(Path path, double rx, double ry);
// Same, with round ends.
Region RoundStroke(Path path, double rx, double ry);

// Points along an elliptical arc; angles in degrees, 0 to the right, 90 up.
Path Arc(double cx, double cy, double rx, double ry, double fromDeg, double toDeg, int steps = 48);
// Points along a superellipse arc (exponent n; 2 is the ellipse): rounder
// than a box, squarer than an ellipse, as the bowls of heavy figures are.
Path SuperArc(double cx, double cy, double rx, double ry, double n, double fromDeg, double toDeg,
              int steps = 64);
// Concatenation of paths (the joins are shared points).
Path Join(std::vector<Path> parts);

// Sets value to every pixel of [x0, x1) x [y0, y1) whose area is at least
// `coverage` inside the region. Pixels outside the box are never touched.
void Paint(MaskPicture& mask, const Region& region, int x0, int y0, int x1, int y1, std::uint8_t value = 1,
           double coverage = 0.5);

}  // namespace vorlune::glyph
