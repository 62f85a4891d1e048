#include "dialogs/button_setting_dialog.h"

#include <array>

#include "dialogs/dialog_units.h"
#include "dialogs/modal_dialog.h"

namespace vorlune {

namespace {

constexpr std::array<PickerRow, 2> kRows{{
    {QT_TRANSLATE_NOOP("Dialogs", "オフ状態色"), QRect(30, 30, 34, 8), QPoint(100, 60)},
    {QT_TRANSLATE_NOOP("Dialogs", "オン状態色"), QRect(30, 55, 34, 8), QPoint(100, 100)},
}};

constexpr PickerDialogContents kContents{QT_TRANSLATE_NOOP("Dialogs", "ボタン設定"), QSize(231, 135), kRows,
                                         QPoint(320, 10), QRect(160, 105, 50, 14)};

// Cyan off, red on: what a button gets when it first becomes one with image.
constexpr ColorTriple kWithImageDefaults{14, 9, kNoColor};

QCheckBox* AddCheckBox(QWidget* parent, const char* text, const char* name, QRect units) {
  auto* box = new QCheckBox(DialogText(text), parent);
  box->setObjectName(QLatin1String(name));
  const QRect rect = DialogUnitRect(units.x(), units.y(), units.width(), units.height());
  box->setGeometry(rect.x(), rect.y(), std::max(rect.width(), box->sizeHint().width()),
                   std::max(rect.height(), box->sizeHint().height()));
  box->setFocusPolicy(Qt::ClickFocus);  // no tab stop
  return box;
}

}  // namespace

ButtonSettingDialog::ButtonSettingDialog(QWidget* parent)
    : PickerDialog(kContents, parent),
      withImageBox_(AddCheckBox(this, QT_TRANSLATE_NOOP("Dialogs", "画像付きボタンを配置"), "withImage",
                                QRect(15, 15, 79, 10))),
      withoutImageBox_(AddCheckBox(this, QT_TRANSLATE_NOOP("Dialogs", "画像なしボタンを配置"), "withoutImage",
                                   QRect(15, 90, 78, 10))) {
  connect(withImageBox_, &QCheckBox::clicked, this, [this] { ChooseWithImage(); });
  connect(withoutImageBox_, &QCheckBox::clicked, this, [this] { ChooseWithoutImage(); });
}

void ButtonSettingDialog::SetColors(PartKind kind, const ColorTriple& colors) {
  kind_ = kind;
  colors_ = colors;
  withImage_ = colors[0] >= 0;
}

ColorTriple ButtonSettingDialog::Colors() const {
  return withImage_ ? colors_ : ColorTriple{kNoColor, kNoColor, kNoColor};
}

void ButtonSettingDialog::UpdateControls() {
  withImageBox_->setChecked(withImage_);
  withoutImageBox_->setChecked(!withImage_);
}

void ButtonSettingDialog::ChooseWithImage() {
  withImage_ = true;
  // Colours held from before (a switch to without image and back) are kept.
  if (colors_[0] < 0) {
    colors_ = kWithImageDefaults;
    RepaintPreviews();
  }
  withoutImageBox_->setChecked(false);
  withImageBox_->setChecked(true);
}

void ButtonSettingDialog::ChooseWithoutImage() {
  withImage_ = false;
  withImageBox_->setChecked(false);
  withoutImageBox_->setChecked(true);
}

}  // namespace vorlune
