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

PickerDialog::PickerDialog(const PickerDialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent), template_(dialogTemplate) {
  SetUpTemplateWindow(*this, template_.title, template_.sizeUnits.width(), template_.sizeUnits.height(),
                      false);
  for (const PickerRow& row : template_.rows) AddStaticText(this, row.label, row.labelUnits);
  AddPushButton(this, "OK", template_.okUnits, kIdOk, true);
}

int PickerDialog::DoModal() {
  return RunModal(*this);
}

void PickerDialog::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) OnInitDialog();
  QDialog::showEvent(event);
}

void PickerDialog::RepaintPreviews() {
  QRegion previews;
  for (const PickerRow& row : template_.rows) previews += PreviewRect(row);
  repaint(previews);
}

void PickerDialog::paintEvent(QPaintEvent* event) {
  (void)event;
  QPainter painter(this);
  for (std::size_t i = 0; i < template_.rows.size(); ++i) {
    painter.fillRect(PreviewRect(template_.rows[i]), ToQColor(PreviewPaletteRGB(m_color[i])));
  }
  if (IsPartKind(m_nKind)) {
    painter.drawImage(template_.partPicture, ToQImage(PartButtonPicture(m_nKind, ButtonPictureState::Down)),
                      QRect(0, 0, kButtonPictureWidth, kButtonPictureHeight));
  }
  static const QImage strip = ToQImage(PaletteStrip());
  for (const PickerRow& row : template_.rows) painter.drawImage(row.strip, strip);
}

void PickerDialog::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && PickerActive()) {
    const std::optional<PickerHit> hit = HitPickerRows(template_.rows, event->position().toPoint());
    if (hit && m_color[static_cast<std::size_t>(hit->row)] != hit->index) {
      m_color[static_cast<std::size_t>(hit->row)] = static_cast<PickerIndex>(hit->index);
      repaint(PreviewRect(template_.rows[static_cast<std::size_t>(hit->row)]));
    }
  }
  QDialog::mousePressEvent(event);
}

}  // namespace vorlune
