#include "skin/digit_typeface.h"

// Typeface 3: a light serif book face. A flat broad pen gives 3-pixel stems
// and 1-pixel hairlines; stroke ends finish in small balls or bracketed serifs.
namespace vorlune {

using namespace glyph;

namespace {

constexpr double kPenX = 1.45;
constexpr double kPenY = 0.62;
constexpr double kMidX = 15.5;

Region Pen(Path p) {
  return Stroke(std::move(p), kPenX, kPenY);
}
Region Hair(Path p) {
  return Stroke(std::move(p), 0.62, 0.62);
}
Region Ball(double x, double y, double r = 2.0) {
  return Ellipse(x, y, r, r * 1.1);
}
// A foot serif: a flat bar with a slight bracket on each side of the stem.
Region Foot(double x0, double x1, double stem0, double stem1) {
  return Union({Box(x0, 32.6, x1, 34), Polygon({{stem0 - 2, 32.8}, {stem0, 30.5}, {stem0, 32.8}}),
                Polygon({{stem1 + 2, 32.8}, {stem1, 30.5}, {stem1, 32.8}})});
}

Region Zero() {
  return Pen(Arc(kMidX, 18, 8.8, 15.3, 90, 450, 96));
}

Region One() {
  return Union({Box(14.2, 2.6, 17.2, 33),
                Polygon({{17.4, 2.2}, {14, 2.2}, {8.6, 6.6}, {9.0, 7.6}, {14, 5.6}}),
                Foot(9.7, 21.7, 14.2, 17.2)});
}

Region Two() {
  return Union({Pen(Join({Arc(kMidX, 10, 8.2, 7.4, 160, -30), {{17.5, 20}, {6.6, 32.8}}})), Ball(9.6, 8.8),
                Box(6.6, 31.8, 25.6, 34), Box(24.4, 28.6, 25.6, 34)});
}

Region Three() {
  const double mid = 16.6;
  return Union({Pen(Join({Arc(kMidX - 0.5, 9.7, 7.1, 7.1, 155, -90), {{11.5, mid}}})),
                Pen(Join({{{11.5, mid}}, Arc(kMidX, 24.9, 8.7, 8.3, 90, -155)})), Ball(9.2, 7.9),
                Ball(8.4, 29.4)});
}

Region Four() {
  return Union({Box(18.6, 2.4, 21.6, 33), Hair({{19.2, 2.8}, {5.2, 24.6}}), Box(4.6, 23.6, 26.4, 25.2),
                Foot(14.4, 25.8, 18.6, 21.6)});
}

Region Five() {
  const double bowl = 23.8;
  return Union({Box(8.6, 2.4, 25, 4.6), Hair({{9.0, 3.0}, {8.6, 17.4}}),
                Pen(Arc(kMidX + 0.3, bowl, 8.6, 9.4, 140, -150)), Ball(8.6, 29.6)});
}

Region Six() {
  const double bowl = 24.1;
  return Union({Pen(Arc(kMidX, bowl, 8.5, 9.1, 90, 450, 96)),
                Pen(Join({Arc(kMidX + 2.6, 17.5, 10.6, 15, 62, 180), {{kMidX - 8.5, bowl}}})),
                Ball(21.8, 5.6, 1.9)});
}

Region Seven() {
  return Union({Box(5.4, 2.4, 26, 4.4), Polygon({{5.4, 2.4}, {6.8, 2.4}, {6.8, 8.2}, {5.4, 8.2}}),
                Pen({{25.2, 4}, {19, 16}, {14.6, 33.4}})});
}

Region Eight() {
  return Union({Pen(Arc(kMidX, 9.9, 7.0, 7.4, 90, 450, 96)), Pen(Arc(kMidX, 25.1, 8.5, 8.3, 90, 450, 96))});
}

Region Colon() {
  return Union({Ellipse(15.5, 10.5, 2.5, 2.5), Ellipse(15.5, 27.5, 2.5, 2.5)});
}

}  // namespace

DigitTypeface BookSerifFigures() {
  DigitTypeface face;
  face.glyphs = {
      Zero(), One(), Two(), Three(), Four(), Five(), Six(), Seven(), Eight(), Turned(Six(), 31, 36), Colon()};
  face.inkBoxes.fill({4, 2, 27, 34});
  face.inkBoxes[10] = {13, 8, 18, 30};
  return face;
}

}  // namespace vorlune
