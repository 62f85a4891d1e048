// The zoom, the scroll bars and the remembered view choices of CanvasView.
#include <QScrollBar>
#include <QSettings>
#include <QWheelEvent>
#include <cmath>

#include "canvas_painter.h"
#include "canvas_view.h"

namespace vorlune {

namespace {

const QString kZoomKey = QStringLiteral("canvas/zoom");
const QString kGridKey = QStringLiteral("canvas/grid");
const QString kRealColoursKey = QStringLiteral("canvas/realColours");

}  // namespace

int CanvasView::DeviceLength(double logical, double scale) {
  return static_cast<int>(std::lround(logical * scale));
}

void CanvasView::LoadRememberedView() {
  const QSettings settings;
  const int remembered = settings.value(kZoomKey).toInt();
  zoom_ = IsZoomStep(remembered) ? remembered : DefaultZoom(devicePixelRatioF());
  grid_ = settings.value(kGridKey, true).toBool();
  realColours_ = settings.value(kRealColoursKey, false).toBool();
}

QSize CanvasView::sizeHint() const {
  // The skin at the display's own zoom, in its frame.
  const double scale = devicePixelRatioF();
  const int side =
      static_cast<int>(std::ceil(kCanvasSize * DefaultZoom(scale) / scale)) + 2 * kCanvasFrameWidth;
  return {side, side};
}

QSize CanvasView::minimumSizeHint() const {
  return sizeHint();
}

QSize CanvasView::ViewportDeviceSize() const {
  const double scale = devicePixelRatioF();
  const int width = this->width() - (vertical_->isVisible() ? vertical_->width() : 0);
  const int height = this->height() - (horizontal_->isVisible() ? horizontal_->height() : 0);
  return {DeviceLength(width, scale), DeviceLength(height, scale)};
}

void CanvasView::LayOutScrollBars() {
  const double scale = devicePixelRatioF();
  const int extent = kCanvasSize * zoom_;
  const int barWidth = vertical_->sizeHint().width(), barHeight = horizontal_->sizeHint().height();
  bool needsH = extent > DeviceLength(width(), scale), needsV = extent > DeviceLength(height(), scale);
  needsH = needsH || (needsV && extent > DeviceLength(width() - barWidth, scale));
  needsV = needsV || (needsH && extent > DeviceLength(height() - barHeight, scale));
  horizontal_->setVisible(needsH);
  vertical_->setVisible(needsV);
  horizontal_->setGeometry(0, height() - barHeight, width() - (needsV ? barWidth : 0), barHeight);
  vertical_->setGeometry(width() - barWidth, 0, barWidth, height() - (needsH ? barHeight : 0));
  const QSize view = ViewportDeviceSize();
  horizontal_->setRange(0, MaxScroll(view.width(), zoom_));
  vertical_->setRange(0, MaxScroll(view.height(), zoom_));
  horizontal_->setPageStep(view.width());
  vertical_->setPageStep(view.height());
  horizontal_->setSingleStep(zoom_ * 8);
  vertical_->setSingleStep(zoom_ * 8);
}

void CanvasView::resizeEvent(QResizeEvent*) {
  LayOutScrollBars();
}

CanvasMapping CanvasView::Mapping() const {
  const QSize view = ViewportDeviceSize();
  return {devicePixelRatioF(), zoom_, CanvasOrigin(view.width(), zoom_, horizontal_->value()),
          CanvasOrigin(view.height(), zoom_, vertical_->value())};
}

SkinPoint CanvasView::SkinPointAt(QPointF at) const {
  const CanvasPoint pixel = SkinPixelAt(Mapping(), at.x(), at.y());
  return {pixel.x, pixel.y};
}

QRect CanvasView::ViewRect(const SkinRect& area) const {
  const LogicalRect rect =
      SkinAreaLogicalRect(Mapping(), area.left, area.top, area.right - area.left, area.bottom - area.top);
  return QRectF(rect.x, rect.y, rect.width, rect.height).toAlignedRect();
}

void CanvasView::SetZoom(int zoom) {
  SetZoomAbout(zoom, std::nullopt);
}

void CanvasView::SetZoomAbout(int zoom, std::optional<QPointF> at) {
  if (!IsZoomStep(zoom)) return;
  QSettings().setValue(kZoomKey, zoom);
  if (zoom == zoom_) return;
  const CanvasMapping before = Mapping();
  const QSize view = ViewportDeviceSize();
  // Without a mouse position the view keeps its centre.
  const QPointF about = at.value_or(QPointF(view.width() / 2.0, view.height() / 2.0) / before.scale);
  zoom_ = zoom;
  LayOutScrollBars();
  const QSize after = ViewportDeviceSize();
  const ScrollPosition scroll =
      ScrollForZoom(before, zoom, about.x(), about.y(), after.width(), after.height());
  horizontal_->setValue(scroll.x);
  vertical_->setValue(scroll.y);
  help_.reset();
  update();
  emit zoomChanged(zoom_);
  emit statusChanged();
}

void CanvasView::ZoomIn() {
  SetZoom(vorlune::ZoomIn(zoom_));
}

void CanvasView::ZoomOut() {
  SetZoom(vorlune::ZoomOut(zoom_));
}

void CanvasView::ZoomToDefault() {
  SetZoom(DefaultZoom(devicePixelRatioF()));
}

void CanvasView::ZoomToFit() {
  const double scale = devicePixelRatioF();
  const int frame = 2 * DeviceLength(kCanvasFrameWidth, scale);
  SetZoom(FitZoom(DeviceLength(width(), scale) - frame, DeviceLength(height(), scale) - frame));
}

void CanvasView::ShowGrid(bool shown) {
  grid_ = shown;
  QSettings().setValue(kGridKey, shown);
  update();
}

void CanvasView::ShowRealColours(bool shown) {
  realColours_ = shown;
  QSettings().setValue(kRealColoursKey, shown);
  update();
}

void CanvasView::wheelEvent(QWheelEvent* event) {
  const int steps = event->angleDelta().y();
  if (event->modifiers().testFlag(Qt::ControlModifier)) {
    if (steps != 0)
      SetZoomAbout(steps > 0 ? vorlune::ZoomIn(zoom_) : vorlune::ZoomOut(zoom_), event->position());
    event->accept();
    return;
  }
  QScrollBar* bar = event->modifiers().testFlag(Qt::ShiftModifier) ? horizontal_ : vertical_;
  bar->setValue(bar->value() - steps / 120 * bar->singleStep() * 3);
  event->accept();
}

}  // namespace vorlune
