#include "dialogs/picture_import_dialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "dialogs/dialog_setup.h"
#include "dialogs/qt_image.h"
#include "image/bmp_fields.h"

namespace vorlune {

namespace {

QComboBox* NewChoices(QWidget* parent, const char* name, const QStringList& items) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QLatin1String(name));
  box->addItems(items);
  box->setMinimumWidth(210);
  return box;
}

// A label naming the control beside it, also for screen readers.
QLabel* NewLabelFor(QWidget* control, const QString& text) {
  auto* label = new QLabel(text, control->parentWidget());
  label->setBuddy(control);
  control->setAccessibleName(text);
  return label;
}

}  // namespace

QImage ImportedBackgroundImage(const ImportedBackground& background) {
  QImage image(kBackgroundSide, kBackgroundSide, QImage::Format_RGB32);
  const std::vector<std::uint8_t>& bmp = background.reducedBmp;
  for (int y = 0; y < kBackgroundSide; ++y) {
    for (int x = 0; x < kBackgroundSide; ++x) {
      const std::uint8_t index =
          bmp[kReducedHeaderSize + std::size_t(kBackgroundSide - 1 - y) * kBackgroundSide + std::size_t(x)];
      const std::uint8_t* entry = &bmp[kBmpHeadersSize + 4 * std::size_t(index)];
      image.setPixel(x, y, qRgb(entry[2], entry[1], entry[0]));
    }
  }
  return image;
}

PictureImportDialog::PictureImportDialog(RgbImage original, const PictureImportOptions& options,
                                         QWidget* parent)
    : QDialog(parent),
      original_(std::move(original)),
      options_(options),
      // Two side by side: exact blocks, but no larger than before on the screen.
      originalView_(
          new PictureView(QSize(kBackgroundSide, kBackgroundSide), this, PixelZoom::NotAboveLogical)),
      resultView_(
          new PictureView(QSize(kBackgroundSide, kBackgroundSide), this, PixelZoom::NotAboveLogical)) {
  SetUpDialogWindow(*this, tr("画像の取り込み"), true);
  fit_ = NewChoices(this, "fit",
                    {tr("はみ出す部分を切り取る"), tr("全体を収める（余白あり）"), tr("縦横を引き伸ばす")});
  reduction_ =
      NewChoices(this, "reduction", {tr("精細（画像に合わせた色）"), tr("従来（24bit BMP と同じ）")});
  dither_ = new QCheckBox(tr("ディザ（誤差拡散）"), this);
  dither_->setObjectName(QStringLiteral("dither"));
  fit_->setCurrentIndex(static_cast<int>(options_.fit));
  reduction_->setCurrentIndex(options_.reduction == ReductionKind::Fine ? 0 : 1);
  dither_->setChecked(options_.dither);

  // The two pictures side by side under their titles, the choices under them.
  auto* grid = new QGridLayout(this);
  grid->setSizeConstraint(QLayout::SetFixedSize);
  grid->setContentsMargins(14, 15, 29, 15);
  grid->setSpacing(0);
  grid->addWidget(new QLabel(tr("元の画像（320×320 に合わせたもの）"), this), 0, 0, 1, 2, Qt::AlignTop);
  grid->addWidget(new QLabel(tr("取り込み後（214色以下）"), this), 0, 3, Qt::AlignTop);
  grid->addWidget(originalView_, 1, 0, 1, 2);
  grid->addWidget(resultView_, 1, 3);
  grid->addWidget(NewLabelFor(fit_, tr("合わせ方：")), 3, 0);
  grid->addWidget(fit_, 3, 1, Qt::AlignLeft);
  grid->addWidget(NewLabelFor(reduction_, tr("減色：")), 5, 0);
  grid->addWidget(reduction_, 5, 1, Qt::AlignLeft);
  grid->addWidget(dither_, 5, 3);
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(18);
  buttons->addStretch();
  buttons->addWidget(NewDialogButton(*this, tr("ＯＫ"), QDialog::Accepted, true));
  buttons->addWidget(NewDialogButton(*this, tr("ｷｬﾝｾﾙ"), QDialog::Rejected, false));
  grid->addLayout(buttons, 7, 0, 1, 4);
  // The distances the dialog has always had at the default font.
  grid->setRowMinimumHeight(0, 21);
  grid->setRowMinimumHeight(2, 28);
  grid->setRowMinimumHeight(4, 8);
  grid->setRowMinimumHeight(6, 23);
  grid->setColumnMinimumWidth(0, 91);
  grid->setColumnMinimumWidth(2, 20);

  connect(fit_, &QComboBox::currentIndexChanged, this, [this](int index) {
    options_.fit = static_cast<FitMode>(index);
    Refresh();
  });
  connect(reduction_, &QComboBox::currentIndexChanged, this, [this](int index) {
    options_.reduction = index == 0 ? ReductionKind::Fine : ReductionKind::Classic;
    Refresh();
  });
  connect(dither_, &QCheckBox::toggled, this, [this](bool on) {
    options_.dither = on;
    Refresh();
  });
  Refresh();
}

void PictureImportDialog::Refresh() {
  // Fitting a large picture and reducing it take a moment.
  QApplication::setOverrideCursor(Qt::WaitCursor);
  std::optional<RgbImage>& fitted = fitted_[static_cast<std::size_t>(options_.fit)];
  if (!fitted) fitted = FitPicture(original_, options_.fit, options_.matte);
  imported_ = ReduceFittedPicture(*fitted, options_.reduction, options_.dither);
  originalView_->SetPicture(ToQImage(*fitted));
  resultView_->SetPicture(ImportedBackgroundImage(imported_));
  // Error diffusion belongs to the fine reduction only.
  dither_->setEnabled(options_.reduction == ReductionKind::Fine);
  QApplication::restoreOverrideCursor();
}

}  // namespace vorlune
