#include "canvas_view.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QScrollBar>
#include <cmath>

#include "canvas_painter.h"
#include "canvas_view_flash.h"
#include "part_names.h"
#include "qt_pictures.h"
#include "zoomed_canvas.h"

namespace vorlune {

namespace {

QRect ToQRect(const SkinRect& area) {
  return {area.left, area.top, area.right - area.left, area.bottom - area.top};
}

}  // namespace

CanvasView::CanvasView(SkinDocument& document, QWidget* parent)
    : QWidget(parent),
      document_(document),
      background_(BackgroundImage(document.Layout())),
      horizontal_(new QScrollBar(Qt::Horizontal, this)),
      vertical_(new QScrollBar(Qt::Vertical, this)) {
  setObjectName(QStringLiteral("canvas"));
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  for (QScrollBar* bar : {horizontal_, vertical_}) {
    bar->hide();
    connect(bar, &QScrollBar::valueChanged, this, [this] { update(); });
  }
  LoadRememberedView();
  subscription_ = document_.Subscribe([this](const DocumentChange& change) { ShowChange(change); });
  flashTimer_.setInterval(kFlashPhaseMs);
  connect(&flashTimer_, &QTimer::timeout, this, &CanvasView::FlashStep);
}

CanvasView::~CanvasView() {
  document_.Unsubscribe(subscription_);
}

void CanvasView::ShowChange(const DocumentChange& change) {
  if (change.Has(DocumentChange::Background)) background_ = BackgroundImage(document_.Layout());
  if (change.Has(DocumentChange::Placement)) {
    if (!document_.Placing()) SetHelp(std::nullopt);
    emit statusChanged();
  }
  // The real colours change with any part's colours, not only where the areas say.
  if (realColours_ && change.Has(DocumentChange::Placed)) update();
  for (const SkinRect& area : change.areas) {
    emit skinAreaUpdated(ToQRect(area));
    update(ViewRect(area).adjusted(-1, -1, 1, 1));
  }
}

QRect CanvasView::HelpViewRect(const std::optional<PlacementHelp>& help) const {
  if (!help) return {};
  const PartKind k = document_.Placement().currentKind;
  if (!help->guides.empty() || !IsPartKind(k)) return rect();
  const PartKindInfo& info = KindInfo(k);
  return ViewRect({help->position.x, help->position.y, help->position.x + info.width,
                   help->position.y + info.height})
      .adjusted(-2, -2, 2, 2);
}

void CanvasView::SetHelp(std::optional<PlacementHelp> help) {
  if (!help && !help_) return;
  update(HelpViewRect(help_));
  help_ = std::move(help);
  update(HelpViewRect(help_));
  emit statusChanged();
}

QString CanvasView::RefusalLine() const {
  if (!help_) return {};
  const Refusal& refusal = help_->refusal;
  switch (refusal.reason) {
    case RefusalReason::None:
    case RefusalReason::NoBackground:  // the document's own line says it
      return {};
    case RefusalReason::GroupPlaced:
      return tr("%1が配置済みです").arg(PartKindName(refusal.other));
    case RefusalReason::Outside:
      return tr("画面からはみ出します");
    case RefusalReason::Touches:
      return tr("%1と接しています").arg(PartKindName(refusal.other));
  }
  return {};
}

void CanvasView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const CanvasMapping mapping = Mapping();
  const double scale = mapping.scale;
  // From here on the painter counts device pixels.
  painter.setTransform(QTransform::fromScale(1 / scale, 1 / scale));
  const QRect area(static_cast<int>(std::floor(event->rect().x() * scale)),
                   static_cast<int>(std::floor(event->rect().y() * scale)),
                   static_cast<int>(std::ceil(event->rect().width() * scale)) + 2,
                   static_cast<int>(std::ceil(event->rect().height() * scale)) + 2);
  const QRect skinRect = ToQRect(SkinAreaDeviceRect(mapping, 0, 0, kCanvasSize, kCanvasSize));
  const int frame = DeviceLength(kCanvasFrameWidth, scale);
  const QRect framed = skinRect.adjusted(-frame, -frame, frame, frame);
  const QRect viewport(QPoint(0, 0), ViewportDeviceSize());
  // The view paints all it shows (no erasing first): the ground around the
  // frame and in the corner between the scroll bars...
  painter.setClipRegion(QRegion(area).subtracted(framed.intersected(viewport)));
  painter.fillRect(area, palette().window());
  // ...then nothing of the skin under the scroll bars or that corner, and of
  // the frame its four bands only: the skin covers what lies inside them.
  painter.setClipRect(viewport);
  for (const QRect& band : {QRect(framed.left(), framed.top(), framed.width(), frame),
                            QRect(framed.left(), skinRect.bottom() + 1, framed.width(), frame),
                            QRect(framed.left(), skinRect.top(), frame, skinRect.height()),
                            QRect(skinRect.right() + 1, skinRect.top(), frame, skinRect.height())})
    painter.fillRect(band, QColor(128, 128, 128));

  const SkinLayout& layout = document_.Layout();
  PlacementState placement = document_.Placement();
  const bool helped = help_ && IsPartKind(placement.currentKind) && layout.backgroundLoaded;
  // The help's position is where the part is shown, clamped on the skin.
  if (helped) placement.preview = kNoPosition;
  QImage skin;
  if (realColours_ && layout.backgroundLoaded) {
    skin = RealColourSkin(layout).convertToFormat(QImage::Format_RGB32);
    if (IsPartKind(placement.currentKind) && placement.preview.x >= 1 && placement.preview.y >= 1)
      CombineByExclusiveOr(skin, CanvasBitmapImage(placement.currentKind), placement.preview.x,
                           placement.preview.y);
  } else {
    skin = SkinImage(layout, placement, background_);
  }
  if (helped)
    CombineByExclusiveOr(skin, CanvasBitmapImage(placement.currentKind), help_->position.x,
                         help_->position.y);
  PaintZoomedSkin(painter, skin, mapping, area, grid_ && zoom_ >= kPixelGridZoom);
  if (realColours_) PaintPartOutlines(painter, mapping, layout);
  if (helped) PaintPlacementHelp(painter, mapping, placement.currentKind, *help_);
  PaintFlash(painter);
}

void CanvasView::PressAt(QPointF at, Qt::MouseButton button) {
  if (button == Qt::LeftButton) {
    // The click goes where the help showed the part, snapped or not.
    if (help_ && document_.Placing() && rect().contains(at.toPoint())) {
      MoveTo(at, QGuiApplication::keyboardModifiers());
      if (help_) {
        emit replied(
            document_.LeftButtonDown({help_->click.x - kCanvasOrigin, help_->click.y - kCanvasOrigin}));
        return;
      }
    }
    emit replied(document_.LeftButtonDown(SkinPointAt(at)));
  }
  if (button == Qt::RightButton) emit replied(document_.RightButtonDown(SkinPointAt(at)));
}

void CanvasView::MoveTo(QPointF at, Qt::KeyboardModifiers modifiers) {
  const SkinPoint pixel = SkinPointAt(at);
  const bool inside = rect().contains(at.toPoint());
  cursor_ = inside && pixel.x >= 0 && pixel.y >= 0 && pixel.x < kCanvasSize && pixel.y < kCanvasSize
                ? std::optional(pixel)
                : std::nullopt;
  if (!inside || !document_.Placing()) {
    SetHelp(std::nullopt);
    document_.MouseMove(pixel);
    emit statusChanged();
    return;
  }
  const PlacementHelpOptions options{snapping_ && !modifiers.testFlag(Qt::AltModifier),
                                     LogicalToSkinLength(kSnapScreenPixels, devicePixelRatioF(), zoom_)};
  PlacementHelp help = ComputePlacementHelp(document_.Layout(), document_.Placement().currentKind,
                                            {pixel.x, pixel.y}, options);
  const ClientPoint click = help.click;
  SetHelp(std::move(help));
  document_.MouseMove({click.x - kCanvasOrigin, click.y - kCanvasOrigin});
}

void CanvasView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton || (event->button() == Qt::LeftButton && spaceHeld_)) {
    panFrom_ = event->position();
    setCursor(Qt::ClosedHandCursor);
    return;
  }
  PressAt(event->position(), event->button());
}

void CanvasView::mouseReleaseEvent(QMouseEvent* event) {
  if (!panFrom_ || (event->button() != Qt::MiddleButton && event->button() != Qt::LeftButton)) return;
  panFrom_.reset();
  if (spaceHeld_) {
    setCursor(Qt::OpenHandCursor);
  } else {
    unsetCursor();
  }
}

void CanvasView::mouseMoveEvent(QMouseEvent* event) {
  if (panFrom_) {
    const QPointF moved = (event->position() - *panFrom_) * devicePixelRatioF();
    panFrom_ = event->position();
    horizontal_->setValue(horizontal_->value() - static_cast<int>(std::lround(moved.x())));
    vertical_->setValue(vertical_->value() - static_cast<int>(std::lround(moved.y())));
    return;
  }
  MoveTo(event->position(), event->modifiers());
}

void CanvasView::leaveEvent(QEvent*) {
  cursor_.reset();
  emit statusChanged();
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

bool CanvasView::PanKey(QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  // While placing, Space puts the part down; away from the canvas it presses buttons.
  if (key->key() != Qt::Key_Space || document_.Placing() || !underMouse()) return false;
  if (key->isAutoRepeat()) return true;
  spaceHeld_ = event->type() == QEvent::KeyPress;
  if (spaceHeld_) {
    setCursor(Qt::OpenHandCursor);
  } else {
    panFrom_.reset();
    unsetCursor();
  }
  return true;
}

bool CanvasView::PlacementKey(QKeyEvent* event) {
  if (!document_.Placing()) return false;
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if ((modifiers & ~Qt::ShiftModifier) != Qt::NoModifier) return false;  // the shortcuts' keys
  const int step =
      modifiers.testFlag(Qt::ShiftModifier) ? SkinDocument::kShiftKeyStep : SkinDocument::kKeyStep;
  // The keys move the document's preview on their own steps, without
  // snapping, and show the same help as the mouse for where it stands.
  SetHelp(std::nullopt);
  const auto move = [this](int dx, int dy) {
    document_.KeyMove(dx, dy);
    const PlacementState& placement = document_.Placement();
    if (document_.Placing() && IsPartKind(placement.currentKind) && placement.preview != kNoPosition)
      SetHelp(KeyPlacementHelp(document_.Layout(), placement.currentKind, placement.preview));
    return true;
  };
  switch (event->key()) {
    case Qt::Key_Left:
      return move(-step, 0);
    case Qt::Key_Right:
      return move(step, 0);
    case Qt::Key_Up:
      return move(0, -step);
    case Qt::Key_Down:
      return move(0, step);
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
