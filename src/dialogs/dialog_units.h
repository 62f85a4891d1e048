#pragma once

#include <QPoint>
#include <QRect>

#include "dialogs/dialog_font.h"

namespace vorlune {

// The editor's main window and About box are still placed in dialog units: a
// 9-point dialog font has base units of 7 x 12 pixels, so one unit is 7/4
// pixel across and 3/2 pixel down. The dialogs themselves use Qt layouts.
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

}  // namespace vorlune
