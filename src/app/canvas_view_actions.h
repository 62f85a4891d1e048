#pragma once

#include <QObject>

class QAction;
class QMenu;

namespace vorlune {

class CanvasView;

// The View menu's entries for the canvas, in a block of their own: the zoom
// steps with their keys (Ctrl+= and Ctrl++, Ctrl+-, Ctrl+0, Ctrl+9), the pixel
// grid and the real colours. They act from anywhere in the canvas's window.
class CanvasViewActions : public QObject {
  Q_OBJECT

 public:
  enum Entry { ZoomIn, ZoomOut, DefaultZoom, FitZoom, PixelGrid, RealColours, kEntries };

  CanvasViewActions(QMenu& viewMenu, CanvasView& canvas);
  QAction* Action(Entry entry) const { return actions_[entry]; }

 private:
  QAction* actions_[kEntries] = {};
};

}  // namespace vorlune
