#include "dialogs/button_setting_dialog.h"

#include <array>

#include "dialogs/dialog_setup.h"
#include "layout/part_colors.h"

namespace vorlune {

namespace {

constexpr std::array<PickerRow, 2> kRows{{
    {QT_TRANSLATE_NOOP("Dialogs", "オフ状態色"), 0, 15},
    {QT_TRANSLATE_NOOP("Dialogs", "オン状態色"), 2, 18},
}};

constexpr PickerDialogContents kContents{
    QT_TRANSLATE_NOOP("Dialogs", "ボタン設定"), QMargins(26, 10, 37, 24), 26, 34, 5, kRows, 3, 404};

QCheckBox* NewCheckBox(QWidget* parent, const char* text, const char* name) {
  auto* box = new QCheckBox(DialogText(text), parent);
  box->setObjectName(QLatin1String(name));
  return box;
}

}  // namespace

ButtonSettingDialog::ButtonSettingDialog(QWidget* parent)
    : PickerDialog(kContents, parent),
      withImageBox_(NewCheckBox(this, QT_TRANSLATE_NOOP("Dialogs", "画像付きボタンを配置"), "withImage")),
      withoutImageBox_(
          NewCheckBox(this, QT_TRANSLATE_NOOP("Dialogs", "画像なしボタンを配置"), "withoutImage")) {
  HeaderSlot()->addSpacing(12);
  HeaderSlot()->addWidget(withImageBox_);
  HeaderSlot()->addStretch();
  FooterSlot()->addSpacing(15);
  FooterSlot()->addWidget(withoutImageBox_, 0, Qt::AlignLeft);
  // Top to bottom, as they are shown.
  setTabOrder(withImageBox_, Row(0));
  setTabOrder(Row(0), Row(1));
  setTabOrder(Row(1), withoutImageBox_);
  setTabOrder(withoutImageBox_, OkButton());
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
  // Without image the strips take no colour, so Tab passes them by.
  for (int row = 0; row < 2; ++row) Row(row)->setFocusPolicy(withImage_ ? Qt::TabFocus : Qt::NoFocus);
}

void ButtonSettingDialog::ChooseWithImage() {
  withImage_ = true;
  // Colours held from before (a switch to without image and back) are kept.
  if (colors_[0] < 0) {
    colors_ = DefaultColors(DialogFamily::Button);
    ShowColors();
  }
  UpdateControls();
}

void ButtonSettingDialog::ChooseWithoutImage() {
  withImage_ = false;
  UpdateControls();
}

}  // namespace vorlune
