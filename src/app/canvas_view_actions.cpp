#include "canvas_view_actions.h"

#include <QAction>
#include <QMenu>

#include "canvas_view.h"

namespace vorlune {

CanvasViewActions::CanvasViewActions(QMenu& viewMenu, CanvasView& canvas) : QObject(&canvas) {
  const struct {
    const char* name;
    const char* text;
    QList<QKeySequence> keys;
  } entries[kEntries] = {
      {"zoomInAction",
       QT_TR_NOOP("拡大(&I)"),
       {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)}},
      {"zoomOutAction", QT_TR_NOOP("縮小(&O)"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)}},
      {"defaultZoomAction", QT_TR_NOOP("標準の倍率(&D)"), {QKeySequence(Qt::CTRL | Qt::Key_0)}},
      {"fitZoomAction", QT_TR_NOOP("ウィンドウに合わせる(&W)"), {QKeySequence(Qt::CTRL | Qt::Key_9)}},
      {"pixelGridAction", QT_TR_NOOP("ピクセルグリッド(&G)"), {}},
      {"realColoursAction", QT_TR_NOOP("実際の色で表示"), {}},
  };
  QWidget* window = canvas.window();
  viewMenu.addSeparator();
  for (int e = 0; e < kEntries; ++e) {
    auto* action = new QAction(tr(entries[e].text), window);
    action->setObjectName(QString::fromLatin1(entries[e].name));
    action->setShortcuts(entries[e].keys);
    window->addAction(action);
    viewMenu.addAction(action);
    actions_[e] = action;
    if (e == FitZoom) viewMenu.addSeparator();
  }
  connect(actions_[ZoomIn], &QAction::triggered, &canvas, &CanvasView::ZoomIn);
  connect(actions_[ZoomOut], &QAction::triggered, &canvas, &CanvasView::ZoomOut);
  connect(actions_[DefaultZoom], &QAction::triggered, &canvas, &CanvasView::ZoomToDefault);
  connect(actions_[FitZoom], &QAction::triggered, &canvas, &CanvasView::ZoomToFit);
  actions_[PixelGrid]->setCheckable(true);
  actions_[PixelGrid]->setChecked(canvas.GridShown());
  connect(actions_[PixelGrid], &QAction::toggled, &canvas, &CanvasView::ShowGrid);
  actions_[RealColours]->setCheckable(true);
  actions_[RealColours]->setChecked(canvas.RealColours());
  connect(actions_[RealColours], &QAction::toggled, &canvas, &CanvasView::ShowRealColours);
}

}  // namespace vorlune
