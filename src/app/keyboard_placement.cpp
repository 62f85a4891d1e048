#include <QKeyEvent>

#include "layout/placement_rules.h"
#include "skin_editor_dlg.h"

namespace vorlune {

namespace {

// The snapping step of the preview, and the larger one with Shift.
constexpr int kKeyStep = 2;
constexpr int kShiftKeyStep = 10;

// The client point under which the preview of kind k stands at `at`.
ClientPoint PointOver(PartKind k, CanvasPoint at) {
  return {at.x + kCanvasOrigin + KindInfo(k).width / 2, at.y + kCanvasOrigin + KindInfo(k).height / 2};
}

}  // namespace

void CSkinEditorDlg::InstallKeyboardPlacement() {
  // On every control, so that the keys reach the placement whatever has the focus.
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) child->installEventFilter(this);
}

bool CSkinEditorDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && PlacementKey(static_cast<QKeyEvent*>(event))) return true;
  return QDialog::eventFilter(watched, event);
}

bool CSkinEditorDlg::PlacementKey(QKeyEvent* event) {
  const PartKind k = m_placement.currentKind;
  if (!IsPartKind(k)) return false;
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if ((modifiers & ~Qt::ShiftModifier) != Qt::NoModifier) return false;  // the shortcuts' keys
  const int step = modifiers.testFlag(Qt::ShiftModifier) ? kShiftKeyStep : kKeyStep;

  // The keys work from where the preview stands, or from the canvas centre.
  const bool shown = m_placement.preview != kNoPosition;
  const ClientPoint from =
      shown ? PointOver(k, m_placement.preview)
            : ClientPoint{kCanvasOrigin + kCanvasSize / 2, kCanvasOrigin + kCanvasSize / 2};
  int dx = 0;
  int dy = 0;
  switch (event->key()) {
    case Qt::Key_Left:
      dx = -step;
      break;
    case Qt::Key_Right:
      dx = step;
      break;
    case Qt::Key_Up:
      dy = -step;
      break;
    case Qt::Key_Down:
      dy = step;
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      OnMouseMove(from);
      OnLButtonDown(from);
      return true;
    case Qt::Key_Escape:
      OnRButtonDown(from);
      return true;
    default:
      return false;
  }
  const ClientPoint to = shown ? ClientPoint{from.x + dx, from.y + dy} : from;
  // The preview stops at the canvas edge instead of vanishing.
  if (PreviewPosition(k, to)) OnMouseMove(to);
  return true;
}

}  // namespace vorlune
