#include "skin/glyph_outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vorlune::glyph {

namespace {

// Squared distance from p to segment ab, and whether p's foot lies inside it.
struct Foot {
  double distance2;
  bool within;
};

Foot FootOnSegment(Point p, Point a, Point b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0.0;
  const bool within = t >= 0.0 && t <= 1.0;
  t = std::clamp(t, 0.0, 1.0);
  const double ex = a.x + t * dx - p.x;
  const double ey = a.y + t * dy - p.y;
  return {ex * ex + ey * ey, within};
}

// The pen becomes a unit circle once the plane is scaled by 1/rx, 1/ry.
Region PenStroke(Path path, double rx, double ry, bool roundEnds) {
  // Points outside the path's bounds widened by the pen are rejected at once:
  // the outlines are sampled many times per pixel.
  double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
  for (auto& p : path) {
    x0 = std::min(x0, p.x - rx), y0 = std::min(y0, p.y - ry);
    x1 = std::max(x1, p.x + rx), y1 = std::max(y1, p.y + ry);
    p = {p.x / rx, p.y / ry};
  }
  return [path = std::move(path), rx, ry, roundEnds, x0, y0, x1, y1](double x, double y) {
    if (x < x0 || x > x1 || y < y0 || y > y1) return false;
    const Point p{x / rx, y / ry};
    const std::size_t n = path.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
      const Foot f = FootOnSegment(p, path[i], path[i + 1]);
      if (f.distance2 > 1.0) continue;
      if (f.within) return true;
      // Beyond a segment's end: inked only at a join, or at a round end.
      const bool atStart =
          (p.x - path[i].x) * (path[i + 1].x - path[i].x) + (p.y - path[i].y) * (path[i + 1].y - path[i].y) <
          0;
      const bool pathEnd = atStart ? i == 0 : i + 2 == n;
      if (!pathEnd || roundEnds) return true;
    }
    return n == 1 && std::hypot(p.x - path[0].x, p.y - path[0].y) <= 1.0;
  };
}

}  // namespace

Region Union(std::vector<Region> parts) {
  return [parts = std::move(parts)](double x, double y) {
    return std::any_of(parts.begin(), parts.end(), [&](const Region& r) { return r(x, y); });
  };
}

Region Minus(Region inked, Region cut) {
  return [inked = std::move(inked), cut = std::move(cut)](double x, double y) {
    return inked(x, y) && !cut(x, y);
  };
}

Region Intersect(Region a, Region b) {
  return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && b(x, y); };
}

Region Shifted(Region r, double dx, double dy) {
  return [r = std::move(r), dx, dy](double x, double y) { return r(x - dx, y - dy); };
}

Region Box(double x0, double y0, double x1, double y1) {
  return [=](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; };
}

Region ClippedBox(double x0, double y0, double x1, double y1, double clip, unsigned corners) {
  return [=](double x, double y) {
    if (x < x0 || x >= x1 || y < y0 || y >= y1) return false;
    const bool left = x - x0 < x1 - x;
    const bool top = y - y0 < y1 - y;
    const unsigned corner = top ? (left ? kTopLeft : kTopRight) : (left ? kBottomLeft : kBottomRight);
    if ((corners & corner) == 0) return true;
    const double dx = std::min(x - x0, x1 - x);
    const double dy = std::min(y - y0, y1 - y);
    return dx + dy >= clip;
  };
}

Region Turned(Region r, double w, double h) {
  return [r = std::move(r), w, h](double x, double y) { return r(w - x, h - y); };
}

Region Ellipse(double cx, double cy, double rx, double ry) {
  return [=](double x, double y) {
    const double u = (x - cx) / rx;
    const double v = (y - cy) / ry;
    return u * u + v * v <= 1.0;
  };
}

Region SuperEllipse(double cx, double cy, double rx, double ry, double n) {
  return [=](double x, double y) {
    return std::pow(std::abs((x - cx) / rx), n) + std::pow(std::abs((y - cy) / ry), n) <= 1.0;
  };
}

Region Polygon(Path corners) {
  double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
  for (const auto& p : corners) {
    x0 = std::min(x0, p.x), y0 = std::min(y0, p.y);
    x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
  }
  return [corners = std::move(corners), x0, y0, x1, y1](double x, double y) {
    if (x < x0 || x > x1 || y < y0 || y > y1) return false;
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
      const Point a = corners[i];
      const Point b = corners[j];
      if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside;
  };
}

Region Stroke(Path path, double rx, double ry) {
  return PenStroke(std::move(path), rx, ry, false);
}

Region RoundStroke(Path path, double rx, double ry) {
  return PenStroke(std::move(path), rx, ry, true);
}

Path Arc(double cx, double cy, double rx, double ry, double fromDeg, double toDeg, int steps) {
  Path points;
  for (int i = 0; i <= steps; ++i) {
    const double a = (fromDeg + (toDeg - fromDeg) * i / steps) * std::numbers::pi / 180.0;
    points.push_back({cx + rx * std::cos(a), cy - ry * std::sin(a)});
  }
  return points;
}

Path SuperArc(double cx, double cy, double rx, double ry, double n, double fromDeg, double toDeg, int steps) {
  Path points;
  for (int i = 0; i <= steps; ++i) {
    const double a = (fromDeg + (toDeg - fromDeg) * i / steps) * std::numbers::pi / 180.0;
    const double c = std::cos(a);
    const double s = std::sin(a);
    points.push_back({cx + rx * std::copysign(std::pow(std::abs(c), 2.0 / n), c),
                      cy - ry * std::copysign(std::pow(std::abs(s), 2.0 / n), s)});
  }
  return points;
}

Path Join(std::vector<Path> parts) {
  Path all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

void Paint(MaskPicture& mask, const Region& region, int x0, int y0, int x1, int y1, std::uint8_t value,
           double coverage) {
  constexpr int kGrid = 6;  // samples per pixel side
  const int needed = static_cast<int>(std::ceil(coverage * kGrid * kGrid - 1e-9));
  for (int y = std::max(y0, 0); y < std::min(y1, mask.height); ++y) {
    for (int x = std::max(x0, 0); x < std::min(x1, mask.width); ++x) {
      // Stop sampling as soon as the answer is known either way.
      int hits = 0;
      int misses = 0;
      for (int i = 0; i < kGrid * kGrid && hits < needed && misses <= kGrid * kGrid - needed; ++i) {
        const bool in = region(x + (i % kGrid + 0.5) / kGrid, y + (i / kGrid + 0.5) / kGrid);
        hits += in ? 1 : 0;
        misses += in ? 0 : 1;
      }
      if (hits >= needed) mask.set(x, y, value);
    }
  }
}

}  // namespace vorlune::glyph
