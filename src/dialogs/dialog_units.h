#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>

namespace vorlune {

// Dialog templates are laid out in dialog units; the canvas, the indicator, the
// picker rows and the pictures are in pixels. A 9-point dialog font has base
// units of 7 x 12 pixels, so one unit is 7/4 pixel across and 3/2 pixel down.
inline int DialogUnitsToPixelsX(int x) {
  return x * 7 / 4;
}
inline int DialogUnitsToPixelsY(int y) {
  return y * 3 / 2;
}
inline QPoint DialogUnitPoint(int x, int y) {
  return {DialogUnitsToPixelsX(x), DialogUnitsToPixelsY(y)};
}
inline QRect DialogUnitRect(int x, int y, int w, int h) {
  return {DialogUnitsToPixelsX(x), DialogUnitsToPixelsY(y), DialogUnitsToPixelsX(w), DialogUnitsToPixelsY(h)};
}

// "ＭＳ Ｐゴシック" 9 point where it exists, else a metric-compatible Japanese face.
QFont DialogFont();

}  // namespace vorlune
