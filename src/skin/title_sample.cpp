#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string_view>

#include "skin/glyph_outline.h"
#include "skin/mask_picture.h"

// The title displays show the player's name in a plain monoline sans-serif,
// drawn from centre lines and fitted to each size's ink box.
namespace vorlune {

using namespace glyph;

namespace {

// Letters are designed in units: baseline 0, x-height 500, capitals 700,
// descender -210, y upwards. Each letter is a set of centre lines.
constexpr double kCap = 700;
constexpr double kDescender = -210;

struct Letter {
  double advance;
  std::vector<Path> strokes;
  std::vector<Point> dots;  // round dots, e.g. over the i
};

Path ArcU(double cx, double cy, double rx, double ry, double fromDeg, double toDeg) {
  Path p;
  constexpr int kSteps = 40;
  for (int i = 0; i <= kSteps; ++i) {
    const double a = (fromDeg + (toDeg - fromDeg) * i / kSteps) * std::numbers::pi / 180.0;
    p.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
  }
  return p;
}

std::vector<Letter> Harmoniquest() {
  const Path o = ArcU(250, 250, 195, 250, 0, 360);
  return {
      {640, {{{60, 0}, {60, 700}}, {{520, 0}, {520, 700}}, {{60, 360}, {520, 360}}}, {}},
      {535, {o, {{445, 500}, {445, 0}}}, {}},                                        // a
      {300, {{{55, 0}, {55, 500}}, Join({ArcU(225, 300, 170, 200, 180, 70)})}, {}},  // r
      {790,
       {{{55, 0}, {55, 500}},
        Join({{{55, 330}}, ArcU(220, 330, 165, 170, 180, 0), {{385, 0}}}),
        Join({{{385, 330}}, ArcU(550, 330, 165, 170, 180, 0), {{715, 0}}})},
       {}},            // m
      {530, {o}, {}},  // o
      {540,
       {{{55, 0}, {55, 500}}, Join({{{55, 300}}, ArcU(255, 300, 200, 200, 180, 0), {{455, 0}}})},
       {}},                                             // n
      {150, {{{55, 0}, {55, 500}}}, {{55, 665}}},       // i
      {535, {o, {{445, 500}, {445, kDescender}}}, {}},  // q
      {540,
       {{{55, 500}, {55, 200}},
        Join({ArcU(255, 200, 200, 200, 180, 360), {{455, 500}}}),
        {{455, 200}, {455, 0}}},
       {}},                                                                                        // u
      {530, {Join({{{55, 250}}, {{445, 250}}, ArcU(250, 250, 195, 250, 0, 318)})}, {}},            // e
      {460, {Join({ArcU(210, 375, 160, 125, 20, 270), ArcU(210, 125, 175, 125, 90, -160)})}, {}},  // s
      {320, {{{140, 660}, {140, 0}}, {{20, 500}, {290, 500}}}, {}},                                // t
  };
}

// Pixel metrics of one size: ink box (exclusive ends), pen width and the rows
// of the centre lines of capitals, x-height, baseline and descender. Whole
// rows keep every horizontal stroke exactly two pixels thick.
struct TitleMetrics {
  int x0, y0, x1, y1;
  double stroke;
  double cap, xHeight, baseline, descender;
};

constexpr double kLetterGap = 95;  // units added to every advance

double RowOf(const TitleMetrics& m, double y) {
  if (y >= 500) return m.xHeight - (y - 500) * (m.xHeight - m.cap) / (kCap - 500);
  if (y >= 0) return m.baseline - y * (m.baseline - m.xHeight) / 500;
  return m.baseline + y * (m.descender - m.baseline) / kDescender;
}

MaskPicture DrawnTitle(PartKind k, const TitleMetrics& m) {
  const auto letters = Harmoniquest();
  double minX = 1e9, maxX = -1e9, pen = 0;
  for (const auto& letter : letters) {
    for (const auto& path : letter.strokes)
      for (const auto& p : path) minX = std::min(minX, pen + p.x), maxX = std::max(maxX, pen + p.x);
    pen += letter.advance + kLetterGap;
  }
  const double half = m.stroke / 2;
  const double sx = std::min((m.baseline - m.xHeight) / 500 * 1.1, (m.x1 - m.x0 - m.stroke) / (maxX - minX));
  const double left = m.x0 + half - minX * sx;

  std::vector<Region> ink;
  pen = 0;
  for (const auto& letter : letters) {
    for (const auto& path : letter.strokes) {
      Path px;
      for (const auto& p : path) px.push_back({left + (pen + p.x) * sx, RowOf(m, p.y)});
      // Straight uprights and bars sit on pixel edges, so a 2-pixel pen
      // covers exactly two columns or rows.
      const bool upright = std::all_of(path.begin(), path.end(), [&](Point p) { return p.x == path[0].x; });
      const bool level = std::all_of(path.begin(), path.end(), [&](Point p) { return p.y == path[0].y; });
      for (auto& p : px) {
        if (upright) p.x = std::round(px[0].x);
        if (level) p.y = std::round(px[0].y);
      }
      ink.push_back(Stroke(std::move(px), half, half));
    }
    for (const auto& d : letter.dots)
      ink.push_back(Box(std::round(left + (pen + d.x) * sx) - half, std::round(RowOf(m, d.y)) - half,
                        std::round(left + (pen + d.x) * sx) + half, std::round(RowOf(m, d.y)) + half));
    pen += letter.advance + kLetterGap;
  }
  MaskPicture mask(240, KindInfo(k).height);
  Paint(mask, Union(std::move(ink)), m.x0, m.y0, m.x1, m.y1);
  return mask;
}

// At 13 rows an outline cannot be rasterised cleanly, so the small sample is
// set from hand-made letters: capitals on rows 1..10, x-height rows 4..10,
// descender rows 11..13.
MaskPicture SmallTitle() {
  struct Glyph {
    int top;
    std::vector<const char*> rows;
  };
  const Glyph glyphs[] = {
      {1,
       {"#.....#", "#.....#", "#.....#", "#.....#", "#######", "#.....#", "#.....#", "#.....#", "#.....#",
        "#.....#"}},                                                                                    // H
      {4, {".###.", "....#", "....#", ".####", "#...#", "#...#", ".####"}},                             // a
      {4, {"#.##", "##..", "#...", "#...", "#...", "#...", "#..."}},                                    // r
      {4, {"###.##.", "#..#..#", "#..#..#", "#..#..#", "#..#..#", "#..#..#", "#..#..#"}},               // m
      {4, {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},                             // o
      {4, {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "#...#"}},                             // n
      {2, {"#", ".", "#", "#", "#", "#", "#", "#", "#"}},                                               // i
      {4, {".####", "#...#", "#...#", "#...#", "#...#", "#...#", ".####", "....#", "....#", "....#"}},  // q
      {4, {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".####"}},                             // u
      {4, {".###.", "#...#", "#...#", "#####", "#....", "#....", ".####"}},                             // e
      {4, {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},                             // s
      {2, {".#..", ".#..", "####", ".#..", ".#..", ".#..", ".#..", ".#..", "..##"}},                    // t
  };
  MaskPicture mask(240, 14);
  int x = 1;
  for (const auto& g : glyphs) {
    int width = 0;
    for (std::size_t r = 0; r < g.rows.size(); ++r) {
      const std::string_view row = g.rows[r];
      width = std::max(width, static_cast<int>(row.size()));
      for (std::size_t c = 0; c < row.size(); ++c)
        if (row[c] == '#') mask.set(x + static_cast<int>(c), g.top + static_cast<int>(r), 1);
    }
    x += width + 1;
  }
  return mask;
}

}  // namespace

MaskPicture TitleSampleMask(PartKind k) {
  switch (k) {
    case 27:
      return DrawnTitle(k, {3, 3, 145, 26, 2.0, 3, 10, 20, 26});
    case 28:
      return DrawnTitle(k, {2, 2, 116, 20, 2.0, 2, 7, 15, 20});
    case 29:
      return SmallTitle();
    default:
      throw std::out_of_range("title samples are kinds 27..29");
  }
}

}  // namespace vorlune
