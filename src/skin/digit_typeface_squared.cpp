#include "skin/digit_typeface.h"

// Typeface 2: a squared sans-serif. Every figure is built from 5-pixel bars
// with rectangular counters; outer corners are clipped at 45 degrees.
namespace vorlune {

using namespace glyph;

namespace {

constexpr double kL0 = 3, kL1 = 8;    // left upright
constexpr double kR0 = 22, kR1 = 27;  // right upright
constexpr double kT0 = 2, kT1 = 7;    // top bar
constexpr double kM0 = 15, kM1 = 20;  // middle bar
constexpr double kB0 = 29, kB1 = 34;  // bottom bar
constexpr double kClip = 4;

Region Bar(double x0, double y0, double x1, double y1, unsigned corners = 0) {
  return ClippedBox(x0, y0, x1, y1, kClip, corners);
}

Region Zero() {
  return Minus(Bar(kL0, kT0, kR1, kB1, kAllCorners), ClippedBox(kL1, kT1, kR0, kB0, 1.5));
}

Region One() {
  return Union({Bar(10, kT0, 19, kT1, kTopLeft), Box(14, kT1, 19, kB1)});
}

Region Two() {
  return Union({Bar(kL0, kT0, kR1, kT1, kTopLeft | kTopRight), Box(kR0, kT1, kR1, kM0),
                Bar(kL0, kM0, kR1, kM1, kTopLeft | kBottomRight), Box(kL0, kM1, kL1, kB0),
                Bar(kL0, kB0, kR1, kB1, kBottomLeft)});
}

Region Three() {
  return Union({Bar(kL0, kT0, kR1, kT1, kTopLeft | kTopRight), Box(kR0, kT1, kR1, kB0), Box(9, kM0, kR0, kM1),
                Bar(kL0, kB0, kR1, kB1, kBottomLeft | kBottomRight)});
}

Region Four() {
  const double bar0 = 19, bar1 = 24;
  return Union({Bar(kL0, kT0, kL1, bar0, kTopLeft), Bar(kL0, bar0, kR1, bar1, kBottomLeft | kBottomRight),
                Bar(18, kT0, 23, kB1, kTopRight)});
}

Region Five() {
  return Union({Bar(kL0, kT0, kR1, kT1, kTopLeft | kTopRight), Box(kL0, kT1, kL1, kM0),
                Bar(kL0, kM0, kR1, kM1, kBottomLeft | kTopRight), Box(kR0, kM1, kR1, kB0),
                Bar(kL0, kB0, kR1, kB1, kBottomLeft | kBottomRight)});
}

Region Six() {
  return Union({Bar(kL0, kT0, kR1, kT1, kTopLeft | kTopRight), Box(kL0, kT1, kL1, kB0),
                Bar(kL1, kM0, kR1, kM1, kTopRight), Box(kR0, kM1, kR1, kB0),
                Bar(kL0, kB0, kR1, kB1, kBottomLeft | kBottomRight)});
}

Region Seven() {
  return Union({Bar(kL0, kT0, kR1, kT1, kTopLeft | kTopRight), Bar(kR0, kT1, kR1, kB1, kBottomRight)});
}

Region Eight() {
  return Minus(Bar(kL0, kT0, kR1, kB1, kAllCorners),
               Union({ClippedBox(kL1 + 1, kT1, kR0 - 1, kM0, 1.5), ClippedBox(kL1, kM1, kR0, kB0, 1.5),
                      Polygon({{kL0 - 1, kM0 - 1.5}, {kL0 + 1.5, (kM0 + kM1) / 2}, {kL0 - 1, kM1 + 1.5}}),
                      Polygon({{kR1 + 1, kM0 - 1.5}, {kR1 - 1.5, (kM0 + kM1) / 2}, {kR1 + 1, kM1 + 1.5}})}));
}

Region Colon() {
  return Union({ClippedBox(12, 9, 18, 15, 1.5), ClippedBox(12, 23, 18, 29, 1.5)});
}

}  // namespace

DigitTypeface SquaredFigures() {
  DigitTypeface face;
  face.glyphs = {
      Zero(), One(), Two(), Three(), Four(), Five(), Six(), Seven(), Eight(), Turned(Six(), 30, 36), Colon()};
  face.inkBoxes.fill({3, 2, 27, 34});
  face.inkBoxes[1] = {10, 2, 19, 34};
  face.inkBoxes[10] = {12, 9, 18, 29};
  return face;
}

}  // namespace vorlune
