#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <optional>

#include "document/skin_document.h"
#include "layout/canvas_zoom.h"
#include "layout/placement_help.h"

class QKeyEvent;
class QPainter;
class QScrollBar;

namespace vorlune {

// The skin being edited inside its grey frame: centred while it fits, with
// scroll bars once the zoom makes it larger than the view. Every skin pixel is
// an exact block of zoom x zoom device pixels at any display scale. It paints
// the document and turns the mouse and the placement keys into the document's
// placement events; what an event asks of the user (a message, a property
// dialog) goes out in `replied`. While a part follows the mouse it shows the
// placement help: where the part lands (snapped, clamped), and why not.
class CanvasView : public QWidget {
  Q_OBJECT

 public:
  explicit CanvasView(SkinDocument& document, QWidget* parent = nullptr);
  ~CanvasView() override;

  // The skin pixel under a point of the view, and the view rectangle that
  // shows an area of the skin: the one place where the two meet.
  SkinPoint SkinPointAt(QPointF at) const;
  QRect ViewRect(const SkinRect& area) const;
  CanvasMapping Mapping() const;

  // The mouse elsewhere in the window, at a point of this view: a press
  // beside the canvas still ends placing, a move there hides the preview.
  void PressAt(QPointF at, Qt::MouseButton button);
  void MoveTo(QPointF at, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // Arrow keys, Enter, Space and Escape while a part is being placed or
  // moved, whichever control has the focus; true when the key was taken.
  bool PlacementKey(QKeyEvent* event);
  // Space held over the canvas while no part is placed: a left drag pans.
  // True when the key press or release was taken.
  bool PanKey(QEvent* event);

  // The zoom N (one of kZoomSteps); each change is remembered for the next start.
  int Zoom() const { return zoom_; }
  void SetZoom(int zoom);
  void ZoomIn();
  void ZoomOut();
  void ZoomToDefault();
  void ZoomToFit();
  // The pixel grid (shown from kPixelGridZoom on) and the parts in their
  // real colours instead of the exclusive OR look; both remembered.
  bool GridShown() const { return grid_; }
  void ShowGrid(bool shown);
  bool RealColours() const { return realColours_; }
  void ShowRealColours(bool shown);

  // Snapping while a part follows the mouse (Alt held turns it off for the
  // moment); on unless turned off, as tests of exact positions do.
  void SetSnapping(bool on) { snapping_ = on; }

  // The skin pixel under the mouse, none while it is off the view.
  std::optional<SkinPoint> Cursor() const { return cursor_; }
  // The help for the part following the mouse, none while no part does.
  const std::optional<PlacementHelp>& Help() const { return help_; }
  // The indicator line's reason for a refused position, translated; empty when none.
  QString RefusalLine() const;

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
  void zoomChanged(int zoom);
  // The cursor, the help or the zoom changed: the status bar follows.
  void statusChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void ShowChange(const DocumentChange& change);
  // canvas_view_zoom.cpp: the zoom, the scroll bars and the remembered choices.
  void LoadRememberedView();
  static int DeviceLength(double logical, double scale);
  // Sizes the view's device area and the scroll bars for the zoom.
  void LayOutScrollBars();
  QSize ViewportDeviceSize() const;
  void SetZoomAbout(int zoom, std::optional<QPointF> at);
  void SetHelp(std::optional<PlacementHelp> help);
  QRect HelpViewRect(const std::optional<PlacementHelp>& help) const;

  SkinDocument& document_;
  int subscription_ = 0;
  QImage background_;  // built once for each background
  QScrollBar* horizontal_ = nullptr;
  QScrollBar* vertical_ = nullptr;
  int zoom_ = 1;
  bool grid_ = true;
  bool realColours_ = false;
  bool snapping_ = true;
  std::optional<SkinPoint> cursor_;
  std::optional<PlacementHelp> help_;
  bool spaceHeld_ = false;
  std::optional<QPointF> panFrom_;  // while the middle button (or Space) drags the skin

  QRect FlashRect() const;
  void PaintFlash(QPainter& painter) const;
  void FlashStep();
  QTimer flashTimer_;
  QRect flash_;          // in skin pixels
  int flashPhases_ = 0;  // left to show; an even number shows the area inverted
};

}  // namespace vorlune
