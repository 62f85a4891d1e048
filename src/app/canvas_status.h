#pragma once

#include <QObject>

class QLabel;
class QStatusBar;

namespace vorlune {

class CanvasView;
class SkinDocument;

// The status bar's readout of the canvas: the skin pixel under the cursor,
// the position and size of the part being placed, and the zoom.
class CanvasStatus : public QObject {
  Q_OBJECT

 public:
  CanvasStatus(CanvasView& canvas, const SkinDocument& document, QStatusBar& bar);

  QString Text() const;  // all three, for tests and accessibility

 private:
  void Show();

  CanvasView& canvas_;
  const SkinDocument& document_;
  QLabel* cursor_;
  QLabel* part_;
  QLabel* zoom_;
};

}  // namespace vorlune
