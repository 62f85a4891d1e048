#pragma once

#include <QRect>
#include <array>
#include <string_view>

#include "layout/part_kind.h"
#include "layout/placement_effects.h"

namespace vorlune {

// Control ids of the main editor window.
enum ControlId : int {
  IDC_CREATE = 1000,
  IDC_LOAD = 1001,
  IDC_FIRST_PART = 1002,  // part button of kind k: 1001 + k
  IDC_LAST_PART = 1031,
  IDC_IMAGE = 1032,
  IDC_PLACEMENT_TEXT = 1033,
  IDC_SAVE = 1034,
};

inline constexpr int PartButtonId(PartKind k) {
  return 1001 + k;
}

// The window in dialog units: 315 x 279.
inline constexpr int kMainWindowWidthDu = 315;
inline constexpr int kMainWindowHeightDu = 279;

// A push button or the edit of the window, in dialog units.
struct TemplateControl {
  int id;
  std::string_view text;  // UTF-8, the source of its translation
  int x, y, width, height;
};

inline constexpr std::array<TemplateControl, 4> kCommandButtons{{
    {IDC_CREATE, QT_TRANSLATE_NOOP("vorlune::CSkinEditorDlg", "作　成"), 110, 245, 35, 15},
    {IDC_LOAD, QT_TRANSLATE_NOOP("vorlune::CSkinEditorDlg", "読み込み"), 65, 255, 35, 15},
    {IDC_IMAGE, QT_TRANSLATE_NOOP("vorlune::CSkinEditorDlg", "画　像"), 20, 245, 35, 15},
    {IDC_SAVE, QT_TRANSLATE_NOOP("vorlune::CSkinEditorDlg", "保　存"), 65, 235, 35, 15},
}};
inline constexpr TemplateControl kPlacementTextEdit{IDC_PLACEMENT_TEXT, "", 190, 250, 115, 14};

// Top-left corner of kind k's part button in dialog units: four columns, eight
// rows, with the gaps of the grid after kinds 23 and 26.
struct DuPoint {
  int x, y;
};
DuPoint PartButtonPosition(PartKind k);

inline constexpr QRect ToQRect(ClientRect r) {
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// Client rectangles in pixels: the grey frame around the canvas, the canvas and
// the current-kind indicator.
inline constexpr QRect kCanvasFrameArea{15, 15, 330, 330};
inline constexpr QRect kCanvasArea = ToQRect(kCanvasRect);
inline constexpr QRect kIndicatorArea = ToQRect(kIndicatorRect);

}  // namespace vorlune
