#include "dialogs/picture_import_dialog.h"

#include <QApplication>
#include <QPainter>

#include "dialogs/dialog_units.h"
#include "dialogs/modal_dialog.h"
#include "dialogs/qt_image.h"
#include "image/bmp_fields.h"

namespace vorlune {

namespace {

QComboBox* AddChoices(QWidget* parent, const QStringList& items, QRect units) {
  auto* box = new QComboBox(parent);
  box->addItems(items);
  box->setGeometry(DialogUnitRect(units.x(), units.y(), units.width(), units.height()));
  return box;
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
    : QDialog(parent), original_(std::move(original)), options_(options) {
  SetUpDialogWindow(*this, tr("画像の取り込み").toUtf8().constData(), 402, 330, true);
  AddLabel(this, tr("元の画像（320×320 に合わせたもの）").toUtf8().constData(), QRect(8, 10, 190, 10));
  AddLabel(this, tr("取り込み後（214色以下）").toUtf8().constData(), QRect(202, 10, 190, 10));

  AddLabel(this, tr("合わせ方：").toUtf8().constData(), QRect(8, 258, 50, 10));
  fit_ =
      AddChoices(this, {tr("はみ出す部分を切り取る"), tr("全体を収める（余白あり）"), tr("縦横を引き伸ばす")},
                 QRect(60, 256, 120, 14));
  fit_->setObjectName(QStringLiteral("fit"));
  AddLabel(this, tr("減色：").toUtf8().constData(), QRect(8, 278, 50, 10));
  reduction_ = AddChoices(this, {tr("精細（画像に合わせた色）"), tr("従来（24bit BMP と同じ）")},
                          QRect(60, 276, 120, 14));
  reduction_->setObjectName(QStringLiteral("reduction"));
  dither_ = new QCheckBox(tr("ディザ（誤差拡散）"), this);
  dither_->setGeometry(DialogUnitRect(202, 276, 120, 14));
  dither_->setObjectName(QStringLiteral("dither"));

  fit_->setCurrentIndex(static_cast<int>(options_.fit));
  reduction_->setCurrentIndex(options_.reduction == ReductionKind::Fine ? 0 : 1);
  dither_->setChecked(options_.dither);
  AddPushButton(this, tr("ＯＫ").toUtf8().constData(), QRect(280, 306, 50, 14), QDialog::Accepted, true);
  AddPushButton(this, tr("ｷｬﾝｾﾙ").toUtf8().constData(), QRect(340, 306, 50, 14), QDialog::Rejected, false);

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
  originalView_ = ToQImage(*fitted);
  resultView_ = ImportedBackgroundImage(imported_);
  // Error diffusion belongs to the fine reduction only.
  dither_->setEnabled(options_.reduction == ReductionKind::Fine);
  QApplication::restoreOverrideCursor();
  update();
}

void PictureImportDialog::paintEvent(QPaintEvent* event) {
  (void)event;
  QPainter painter(this);
  painter.drawImage(kOriginalAt, originalView_);
  painter.drawImage(kResultAt, resultView_);
}

}  // namespace vorlune
