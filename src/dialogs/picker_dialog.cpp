#include "dialogs/picker_dialog.h"

#include <QLabel>
#include <QMouseEvent>
#include <QShowEvent>
#include <QToolTip>
#include <algorithm>
#include <bitset>
#include <cmath>

#include "dialogs/contrast_texts.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/qt_image.h"
#include "part_pictures.h"

namespace vorlune {

namespace {

// A widget after a fixed indent, left-aligned in a row of its own.
void AddIndented(QVBoxLayout* column, int indent, QWidget* widget) {
  auto* row = new QHBoxLayout;
  row->addSpacing(indent);
  row->addWidget(widget);
  row->addStretch();
  column->addLayout(row);
}

}  // namespace

PickerDialog::PickerDialog(const PickerDialogContents& contents, QWidget* parent)
    : QDialog(parent),
      header_(new QVBoxLayout),
      footer_(new QVBoxLayout),
      partPicture_(new PictureView(QSize(kButtonPictureWidth, kButtonPictureHeight), this)),
      contrastSlot_(new QVBoxLayout),
      labelIndent_(contents.labelIndent) {
  SetUpDialogWindow(*this, DialogText(contents.title), false);
  auto* column = new QVBoxLayout(this);
  column->setSizeConstraint(QLayout::SetFixedSize);
  column->setContentsMargins(contents.margins);
  column->setSpacing(0);

  auto* top = new QHBoxLayout;
  top->setSpacing(0);
  header_->setSpacing(0);
  top->addLayout(header_);
  top->addStretch();
  top->addWidget(partPicture_, 0, Qt::AlignTop);
  top->addSpacing(contents.pictureRightGap);
  column->addLayout(top);

  for (const PickerRow& row : contents.rows) {
    column->addSpacing(row.gapAbove);
    auto* label = new QLabel(DialogText(row.label), this);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMinimumHeight(row.labelHeight);
    AddIndented(column, contents.labelIndent, label);
    auto* palette = new PaletteRow(this);
    palette->setAccessibleName(label->text());
    label->setBuddy(palette);
    const int index = static_cast<int>(rows_.size());
    connect(palette, &PaletteRow::colorChosen, this, [this, index](int color) { ChooseColor(index, color); });
    AddIndented(column, contents.rowIndent, palette);
    rows_.push_back(palette);
  }
  contrastSlot_->setSpacing(0);
  column->addLayout(contrastSlot_);
  footer_->setSpacing(0);
  column->addLayout(footer_);

  column->addSpacing(contents.okGap);
  ok_ = NewDialogButton(*this, QStringLiteral("OK"), QDialog::Accepted, true);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(ok_);
  column->addLayout(bottom);
  // The width the dialog has always had at the default font.
  column->addSpacerItem(
      new QSpacerItem(contents.width - contents.margins.left() - contents.margins.right(), 0));
  // Enter and Space answer OK until the user moves on.
  ok_->setFocus();
}

std::optional<PickerHit> PickerDialog::SwatchAt(QPoint point) const {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (const auto index = PaletteRow::SwatchAt(point - rows_[i]->pos()))
      return PickerHit{static_cast<int>(i), *index};
  }
  return std::nullopt;
}

QPoint PickerDialog::SwatchCenter(int row, int index) const {
  return Row(row)->pos() + PaletteRow::SwatchRect(index).center();
}

void PickerDialog::SetContrastMarks(const std::optional<std::array<ContrastMark, 16>>& marks) {
  marks_ = marks;
  std::bitset<16> passing;
  for (std::size_t i = 0; marks && i < passing.size(); ++i) passing[i] = (*marks)[i].passes;
  for (PaletteRow* row : rows_) row->SetMarkedSwatches(passing);
  if (marks && !contrastLine_) {
    contrastLine_ = new QLabel(this);
    contrastLine_->setObjectName(QStringLiteral("contrastLine"));
    contrastLine_->setTextFormat(Qt::PlainText);
    // Apart from the strip above, level with the rows' names.
    contrastLine_->setContentsMargins(labelIndent_, 8, 0, 0);
    contrastSlot_->addWidget(contrastLine_, 0, Qt::AlignLeft);
  }
  if (contrastLine_) contrastLine_->setVisible(marks.has_value());
  ShowContrastLine();
}

QString PickerDialog::SwatchToolTip(int index) const {
  return vorlune::SwatchToolTip(
      index, marks_ ? std::optional((*marks_)[static_cast<std::size_t>(index)]) : std::nullopt);
}

void PickerDialog::ShowContrastLine() {
  if (!contrastLine_ || !marks_) return;
  std::vector<ContrastLineRow> rows;
  for (std::size_t i = 0; i < rows_.size(); ++i) rows.push_back({rows_[i]->accessibleName(), colors_[i]});
  contrastLine_->setText(ContrastLineText(*marks_, rows));
}

void PickerDialog::ShowColors() {
  for (std::size_t i = 0; i < rows_.size(); ++i) rows_[i]->SetColor(colors_[i]);
  ShowContrastLine();
}

void PickerDialog::ChooseColor(int row, int index) {
  if (!PickerActive()) return;
  colors_[static_cast<std::size_t>(row)] = static_cast<PickerIndex>(index);
  Row(row)->SetColor(static_cast<PickerIndex>(index));
  ShowContrastLine();
}

void PickerDialog::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    // Drawn from the masks for the display's scale, as the part buttons are.
    QImage picture;
    if (IsPartKind(kind_)) {
      const int scale = std::max(1, static_cast<int>(std::ceil(devicePixelRatioF() - 1e-6)));
      picture = ToQImage(PartButtonPicture(kind_, ButtonPictureState::Down, scale));
      picture.setDevicePixelRatio(scale);
    }
    partPicture_->SetPicture(picture);
    ShowColors();
    UpdateControls();
  }
  QDialog::showEvent(event);
}

bool PickerDialog::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QDialog::event(event);
  // The rows let the mouse through (see PaletteRow), so their tooltips are the dialog's.
  const auto* help = static_cast<QHelpEvent*>(event);
  if (const auto hit = SwatchAt(help->pos())) {
    const QRect swatch = PaletteRow::SwatchRect(hit->index).translated(Row(hit->row)->pos());
    QToolTip::showText(help->globalPos(), SwatchToolTip(hit->index), this, swatch);
  } else {
    QToolTip::hideText();
  }
  return true;
}

void PickerDialog::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    if (const auto hit = SwatchAt(event->position().toPoint())) ChooseColor(hit->row, hit->index);
  }
  QDialog::mousePressEvent(event);
}

}  // namespace vorlune
