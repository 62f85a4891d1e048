#include "dialogs/picture_import_dialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "dialogs/contrast_texts.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/qt_image.h"
#include "image/average_edge_colour.h"
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

// A small square of the colour, for the matte box.
QIcon Swatch(Rgb c) {
  QPixmap swatch(12, 12);
  swatch.fill(QColor(c.r, c.g, c.b));
  QPainter painter(&swatch);
  painter.setPen(QColor(0x80, 0x80, 0x80));
  painter.drawRect(0, 0, 11, 11);
  return QIcon(swatch);
}

// Contain's bars, where the matte shows.
std::vector<QRect> MatteBars(const RgbImage& original) {
  const ContainArea a = ContainedArea(original.width, original.height);
  const int side = kBackgroundSide;
  std::vector<QRect> bars;
  if (a.height < side) {
    bars.emplace_back(0, 0, side, a.y);
    bars.emplace_back(0, a.y + a.height, side, side - a.y - a.height);
  } else if (a.width < side) {
    bars.emplace_back(0, 0, a.x, side);
    bars.emplace_back(a.x + a.width, 0, side - a.x - a.width, side);
  }
  std::erase_if(bars, [](const QRect& r) { return r.isEmpty(); });
  return bars;
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
      edgeColour_(AverageEdgeColour(original_)),
      originalView_(new CropFocusView(this)),
      resultView_(
          new PictureView(QSize(kBackgroundSide, kBackgroundSide), this, PixelZoom::NotBelowLogical)) {
  SetUpDialogWindow(*this, tr("画像の取り込み"), true);
  originalView_->setObjectName(QStringLiteral("original"));
  fit_ = NewChoices(this, "fit",
                    {tr("はみ出す部分を切り取る"), tr("全体を収める（余白あり）"), tr("縦横を引き伸ばす")});
  reduction_ =
      NewChoices(this, "reduction", {tr("精細（画像に合わせた色）"), tr("従来（24bit BMP と同じ）")});
  dither_ = new QCheckBox(tr("ディザ（誤差拡散）"), this);
  dither_->setObjectName(QStringLiteral("dither"));
  matte_ = NewChoices(this, "matte", {});
  matte_->setIconSize(QSize(12, 12));  // the box no taller than the others
  for (int i = 0; i < 16; ++i) matte_->addItem(Swatch(kPickerColors[std::size_t(i)]), PickerColorName(i));
  matte_->addItem(Swatch(edgeColour_), tr("画像の縁の平均色") + ' ' + ColorValueText(edgeColour_));
  fit_->setCurrentIndex(static_cast<int>(options_.fit));
  reduction_->setCurrentIndex(options_.reduction == ReductionKind::Fine ? 0 : 1);
  dither_->setChecked(options_.dither);
  // A matte that is no picker colour (the default is white) shows as white.
  const auto picker = std::find(kPickerColors.begin(), kPickerColors.end(), options_.matte);
  const int matte = options_.matteFromEdges         ? kEdgeMatte
                    : picker != kPickerColors.end() ? int(picker - kPickerColors.begin())
                                                    : 15;
  ChooseMatte(matte);
  matte_->setCurrentIndex(matte);
  // At least a pixel across even for a picture of a 1:1000 shape.
  const QSize whole = QSize(original_.width, original_.height)
                          .scaled(QSize(kBackgroundSide, kBackgroundSide), Qt::KeepAspectRatio)
                          .expandedTo(QSize(1, 1));
  wholeOriginal_ = ToQImage(original_).scaled(whole, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

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
  auto* matteRow = new QHBoxLayout;
  matteRow->addWidget(NewLabelFor(matte_, tr("余白の色：")));
  matteRow->addWidget(matte_, 1);
  grid->addLayout(matteRow, 3, 3);
  grid->addWidget(NewLabelFor(reduction_, tr("減色：")), 5, 0);
  grid->addWidget(reduction_, 5, 1, Qt::AlignLeft);
  grid->addWidget(dither_, 5, 3);
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(18);
  buttons->addStretch();
  QPushButton* ok = NewDialogButton(*this, tr("ＯＫ"), QDialog::Accepted, true);
  QPushButton* cancel = NewDialogButton(*this, tr("ｷｬﾝｾﾙ"), QDialog::Rejected, false);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  // Reading order: the preview, then each choice beside its neighbour.
  const std::array<QWidget*, 7> order{originalView_, fit_, matte_, reduction_, dither_, ok, cancel};
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
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
  connect(matte_, &QComboBox::currentIndexChanged, this, [this](int index) {
    ChooseMatte(index);
    Refresh();
  });
  connect(originalView_, &CropFocusView::focusChosen, this, [this](FitFocus focus) {
    options_.focus = focus;
    fitted_[std::size_t(FitMode::Cover)].reset();
    Refresh();
  });
  Refresh();
}

void PictureImportDialog::ChooseMatte(int index) {
  options_.matteFromEdges = index == kEdgeMatte;
  options_.matte = options_.matteFromEdges ? edgeColour_ : kPickerColors[std::size_t(index)];
  fitted_[std::size_t(FitMode::Contain)].reset();
}

void PictureImportDialog::Refresh() {
  // Fitting a large picture and reducing it take a moment.
  QApplication::setOverrideCursor(Qt::WaitCursor);
  std::optional<RgbImage>& fitted = fitted_[static_cast<std::size_t>(options_.fit)];
  if (!fitted) fitted = FitPicture(original_, options_.fit, options_.matte, options_.focus);
  imported_ = ReduceFittedPicture(*fitted, options_.reduction, options_.dither);
  if (options_.fit == FitMode::Cover)
    originalView_->ShowCrop(wholeOriginal_, QSize(original_.width, original_.height), options_.focus);
  else
    originalView_->ShowFitted(ToQImage(*fitted),
                              options_.fit == FitMode::Contain ? MatteBars(original_) : std::vector<QRect>{});
  resultView_->SetPicture(ImportedBackgroundImage(imported_));
  matte_->setEnabled(options_.fit == FitMode::Contain);
  // Error diffusion belongs to the fine reduction only: the box shows it off
  // under the classic one, and the choice comes back with the fine one.
  const bool fine = options_.reduction == ReductionKind::Fine;
  const QSignalBlocker quiet(dither_);
  dither_->setEnabled(fine);
  dither_->setChecked(fine && options_.dither);
  QApplication::restoreOverrideCursor();
}

}  // namespace vorlune
