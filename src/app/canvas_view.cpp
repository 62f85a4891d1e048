#include "canvas_view.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "canvas_painter.h"

namespace vorlune {

namespace {

constexpr int kFramedSize = kCanvasSize + 2 * kCanvasFrameWidth;

// A flash: three times inverted and back, 170 ms each.
constexpr int kFlashPhases = 6;
constexpr int kFlashPhaseMs = 170;
constexpr int kFlashOutline = 2;

QRect ToQRect(const SkinRect& area) {
  return {area.left, area.top, area.right - area.left, area.bottom - area.top};
}

}  // namespace

CanvasView::CanvasView(SkinDocument& document, QWidget* parent)
    : QWidget(parent), document_(document), background_(BackgroundImage(document.Layout())) {
  setObjectName(QStringLiteral("canvas"));
  setMouseTracking(true);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  subscription_ = document_.Subscribe([this](const DocumentChange& change) { ShowChange(change); });
  flashTimer_.setInterval(kFlashPhaseMs);
  connect(&flashTimer_, &QTimer::timeout, this, &CanvasView::FlashStep);
}

CanvasView::~CanvasView() {
  document_.Unsubscribe(subscription_);
}

QSize CanvasView::sizeHint() const {
  return {kFramedSize, kFramedSize};
}

QSize CanvasView::minimumSizeHint() const {
  return sizeHint();
}

QPoint CanvasView::SkinOrigin() const {
  return {(width() - kCanvasSize) / 2, (height() - kCanvasSize) / 2};
}

SkinPoint CanvasView::SkinPointAt(QPointF at) const {
  const QPointF skin = at - SkinOrigin();
  return {static_cast<int>(std::floor(skin.x())), static_cast<int>(std::floor(skin.y()))};
}

QRect CanvasView::ViewRect(const SkinRect& area) const {
  return ToQRect(area).translated(SkinOrigin());
}

void CanvasView::ShowChange(const DocumentChange& change) {
  if (change.Has(DocumentChange::Background)) background_ = BackgroundImage(document_.Layout());
  for (const SkinRect& area : change.areas) {
    emit skinAreaUpdated(ToQRect(area));
    update(ViewRect(area));
  }
}

void CanvasView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintCanvas(painter, SkinOrigin(), SkinImage(document_.Layout(), document_.Placement(), background_));
  if (flashPhases_ > 0 && flashPhases_ % 2 == 0) {
    const QRect area = FlashRect().adjusted(kFlashOutline, kFlashOutline, -kFlashOutline, -kFlashOutline);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.fillRect(area, Qt::white);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(QPen(palette().color(QPalette::Highlight), kFlashOutline));
    painter.drawRect(area.adjusted(-1, -1, 0, 0));
  }
}

void CanvasView::FlashArea(const QRect& skinArea) {
  if (flashPhases_ > 0) update(FlashRect());
  flash_ = skinArea;
  flashPhases_ = kFlashPhases;
  update(FlashRect());
  flashTimer_.start();
}

void CanvasView::FlashStep() {
  if (--flashPhases_ <= 0) flashTimer_.stop();
  update(FlashRect());
}

QRect CanvasView::FlashRect() const {
  const QRect area = ViewRect({flash_.left(), flash_.top(), flash_.right() + 1, flash_.bottom() + 1});
  return area.adjusted(-kFlashOutline, -kFlashOutline, kFlashOutline, kFlashOutline);
}

void CanvasView::PressAt(QPointF at, Qt::MouseButton button) {
  if (button == Qt::LeftButton) emit replied(document_.LeftButtonDown(SkinPointAt(at)));
  if (button == Qt::RightButton) emit replied(document_.RightButtonDown(SkinPointAt(at)));
}

void CanvasView::MoveTo(QPointF at) {
  document_.MouseMove(SkinPointAt(at));
}

void CanvasView::mousePressEvent(QMouseEvent* event) {
  PressAt(event->position(), event->button());
}

void CanvasView::mouseMoveEvent(QMouseEvent* event) {
  MoveTo(event->position());
}

void CanvasView::contextMenuEvent(QContextMenuEvent* event) {
  // The right button on the skin belongs to part editing; elsewhere the
  // window's menu opens.
  const bool onSkin = ViewRect(kWholeSkin).contains(event->pos());
  if (event->reason() == QContextMenuEvent::Mouse && onSkin) {
    event->accept();
    return;
  }
  event->ignore();
}

bool CanvasView::PlacementKey(QKeyEvent* event) {
  if (!document_.Placing()) return false;
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if ((modifiers & ~Qt::ShiftModifier) != Qt::NoModifier) return false;  // the shortcuts' keys
  const int step =
      modifiers.testFlag(Qt::ShiftModifier) ? SkinDocument::kShiftKeyStep : SkinDocument::kKeyStep;
  switch (event->key()) {
    case Qt::Key_Left:
      document_.KeyMove(-step, 0);
      return true;
    case Qt::Key_Right:
      document_.KeyMove(step, 0);
      return true;
    case Qt::Key_Up:
      document_.KeyMove(0, -step);
      return true;
    case Qt::Key_Down:
      document_.KeyMove(0, step);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      emit replied(document_.KeyPutDown());
      return true;
    case Qt::Key_Escape:
      document_.KeyLetGo();
      return true;
    default:
      return false;
  }
}

}  // namespace vorlune
