#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

#include "document/skin_document.h"

class QKeyEvent;

namespace vorlune {

// The skin being edited, centred in the view inside its grey frame. It paints
// the document and turns the mouse and the placement keys into the
// document's placement events; what an event asks of the user (a message, a
// property dialog) goes out in `replied`.
class CanvasView : public QWidget {
  Q_OBJECT

 public:
  explicit CanvasView(SkinDocument& document, QWidget* parent = nullptr);
  ~CanvasView() override;

  // The skin pixel under a point of the view, and the view rectangle that
  // shows an area of the skin: the one place where the two meet.
  SkinPoint SkinPointAt(QPointF at) const;
  QRect ViewRect(const SkinRect& area) const;

  // The mouse elsewhere in the window, at a point of this view: a press
  // beside the canvas still ends placing, a move there hides the preview.
  void PressAt(QPointF at, Qt::MouseButton button);
  void MoveTo(QPointF at);
  // Arrow keys, Enter, Space and Escape while a part is being placed or
  // moved, whichever control has the focus; true when the key was taken.
  bool PlacementKey(QKeyEvent* event);

  // Draws attention to an area of the skin (canvas pixels): shown inverted
  // and outlined three times over about a second, then as before.
  void FlashArea(const QRect& skinArea);
  bool Flashing() const { return flashPhases_ > 0; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void replied(const vorlune::PlacementReply& reply);
  // Each area of the skin the view repaints after a change, in skin pixels.
  void skinAreaUpdated(const QRect& area);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void ShowChange(const DocumentChange& change);
  QPoint SkinOrigin() const;

  SkinDocument& document_;
  int subscription_ = 0;
  QImage background_;  // built once for each background

  QRect FlashRect() const;
  void FlashStep();
  QTimer flashTimer_;
  QRect flash_;          // in skin pixels
  int flashPhases_ = 0;  // left to show; an even number shows the area inverted
};

}  // namespace vorlune
