#include "dialogs/picker_dialog.h"

#include <QMouseEvent>
#include <QPainter>
#include <QShowEvent>

#include "dialogs/modal_dialog.h"
#include "dialogs/picker_palette.h"
#include "dialogs/qt_image.h"
#include "palette_strip.h"
#include "part_pictures.h"

namespace vorlune {

PickerDialog::PickerDialog(const PickerDialogContents& contents, QWidget* parent)
    : QDialog(parent), contents_(contents) {
  SetUpDialogWindow(*this, contents_.title, contents_.sizeUnits.width(), contents_.sizeUnits.height(), false);
  for (const PickerRow& row : contents_.rows) AddLabel(this, row.label, row.labelUnits);
  AddPushButton(this, "OK", contents_.okUnits, QDialog::Accepted, true);
}

void PickerDialog::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) UpdateControls();
  QDialog::showEvent(event);
}

void PickerDialog::RepaintPreviews() {
  QRegion previews;
  for (const PickerRow& row : contents_.rows) previews += PreviewRect(row);
  repaint(previews);
}

void PickerDialog::paintEvent(QPaintEvent* event) {
  (void)event;
  QPainter painter(this);
  for (std::size_t i = 0; i < contents_.rows.size(); ++i) {
    painter.fillRect(PreviewRect(contents_.rows[i]), PreviewColor(colors_[i]));
  }
  if (IsPartKind(kind_)) {
    painter.drawImage(contents_.partPicture, ToQImage(PartButtonPicture(kind_, ButtonPictureState::Down)),
                      QRect(0, 0, kButtonPictureWidth, kButtonPictureHeight));
  }
  static const QImage strip = ToQImage(PaletteStrip());
  for (const PickerRow& row : contents_.rows) painter.drawImage(row.strip, strip);
}

void PickerDialog::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && PickerActive()) {
    const std::optional<PickerHit> hit = HitPickerRows(contents_.rows, event->position().toPoint());
    if (hit && colors_[static_cast<std::size_t>(hit->row)] != hit->index) {
      colors_[static_cast<std::size_t>(hit->row)] = static_cast<PickerIndex>(hit->index);
      repaint(PreviewRect(contents_.rows[static_cast<std::size_t>(hit->row)]));
    }
  }
  QDialog::mousePressEvent(event);
}

}  // namespace vorlune
