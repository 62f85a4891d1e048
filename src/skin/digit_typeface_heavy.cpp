#include "skin/digit_typeface.h"

// Typeface 1: a heavy, very bold sans-serif. A wide elliptical pen keeps the
// uprights thicker than the horizontals; bowls are superellipses, so the
// counters stay open at this weight.
namespace vorlune {

using namespace glyph;

namespace {

constexpr double kPenX = 4.3;   // uprights 8.6 px
constexpr double kPenY = 3.6;   // horizontals 7.2 px
constexpr double kRound = 2.6;  // superellipse exponent of the bowls

constexpr double kLeft = 2 + kPenX;
constexpr double kRight = 28 - kPenX;
constexpr double kTop = 2 + kPenY;
constexpr double kBottom = 34 - kPenY;
constexpr double kMidX = 15;

Region Pen(Path p) {
  return Stroke(std::move(p), kPenX, kPenY);
}

Region Zero() {
  return Pen(SuperArc(kMidX, 18, kMidX - kLeft, 18 - kTop, kRound, 90, 450, 96));
}

Region One() {
  const double stem = 18.5;
  return Union({Box(stem - kPenX, 2, stem + kPenX, 34),
                Polygon({{stem, 2}, {stem, 12.5}, {4, 16.5}, {4, 8.5}, {stem - kPenX, 2}})});
}

Region Two() {
  return Union({Pen(Join({SuperArc(kMidX, 11.2, kMidX - kLeft, 11.2 - kTop, kRound, 168, -20),
                          {{kLeft, kBottom - 1}}})),
                Box(2, kBottom - kPenY, 28, 34)});
}

Region Three() {
  const double mid = 17.2;
  const double upper = (mid + kTop) / 2;
  const double lower = (mid + kBottom) / 2;
  return Union(
      {Pen(Join({SuperArc(kMidX - 0.4, upper, kRight - 0.8 - kMidX + 0.4, upper - kTop, kRound, 165, -90),
                 {{11, mid}}})),
       Pen(Join({{{11, mid}}, SuperArc(kMidX, lower, kRight - kMidX, kBottom - lower, kRound, 90, -165)}))});
}

Region Four() {
  const double stem = 19.6;
  const double bar = 25.2;
  return Union(
      {Box(stem - kPenX, 2, stem + kPenX, 34), Box(2, bar - kPenY, 28, bar + kPenY),
       Polygon({{stem - kPenX, 2}, {stem - kPenX, 9.5}, {9.5, bar - kPenY}, {2, bar - kPenY}, {2, bar}})});
}

Region Five() {
  const double bowlTop = 14.6;
  const double bowl = (bowlTop + kBottom) / 2;
  return Union({Box(6, 2, 27, 2 + 2 * kPenY), Box(2.5, 2, 10.6, bowlTop + 4.4),
                Pen(SuperArc(kMidX + 0.6, bowl, kRight - kMidX - 0.6, bowl - bowlTop, kRound, 148, -162))});
}

Region Six() {
  const double bowlTop = 15.4;
  const double bowl = (bowlTop + kBottom) / 2;
  return Union({Pen(SuperArc(kMidX, bowl, kMidX - kLeft, bowl - bowlTop, kRound, 90, 450, 96)),
                Pen(Join({SuperArc(kMidX + 1.2, 18, kRight - kMidX - 1.2, 18 - kTop, kRound, 62, 180),
                          {{kLeft, bowl}}}))});
}

Region Seven() {
  return Union({Box(2, 2, 28, 2 + 2 * kPenY), Pen({{kRight, kTop + 2}, {kRight - 2, 12}, {11.5, 40}})});
}

Region Eight() {
  const double mid = 17.0;
  const double upper = (mid + kTop) / 2;
  const double lower = (mid + kBottom) / 2;
  return Union({Pen(SuperArc(kMidX, upper, kMidX - kLeft - 1.2, upper - kTop, kRound, 90, 450, 96)),
                Pen(SuperArc(kMidX, lower, kMidX - kLeft, kBottom - lower, kRound, 90, 450, 96))});
}

Region Colon() {
  return Union({SuperEllipse(15, 12, 4, 4, 3.5), SuperEllipse(15, 26, 4, 4, 3.5)});
}

}  // namespace

DigitTypeface HeavySansFigures() {
  DigitTypeface face;
  face.glyphs = {
      Zero(), One(), Two(), Three(), Four(), Five(), Six(), Seven(), Eight(), Turned(Six(), 30, 36), Colon()};
  face.inkBoxes.fill({2, 2, 28, 34});
  face.inkBoxes[1] = {4, 2, 28, 34};
  face.inkBoxes[10] = {11, 8, 19, 30};
  return face;
}

}  // namespace vorlune
