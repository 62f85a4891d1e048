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

constexpr PickerDialogTemplate kTemplate{136,
                                         QT_TRANSLATE_NOOP("Dialogs", "ボタン設定"),
                                         QSize(231, 135),
                                         kRows,
                                         QPoint(320, 10),
                                         QRect(160, 105, 50, 14)};

// Cyan off, red on: what a button gets when it first becomes one with image.
constexpr ColorTriple kWithImageDefaults{14, 9, kNoColor};

QCheckBox* AddCheckBox(QWidget* parent, const char* text, int id, QRect units) {
  auto* box = new QCheckBox(DialogText(text), parent);
  box->setObjectName(QStringLiteral("control%1").arg(id));
  const QRect rect = DialogUnitRect(units.x(), units.y(), units.width(), units.height());
  box->setGeometry(rect.x(), rect.y(), std::max(rect.width(), box->sizeHint().width()),
                   std::max(rect.height(), box->sizeHint().height()));
  box->setFocusPolicy(Qt::ClickFocus);  // no tab stop
  return box;
}

}  // namespace

CButtonSettingDlg::CButtonSettingDlg(QWidget* parent)
    : PickerDialog(kTemplate, parent),
      m_btnWithImage(AddCheckBox(this, QT_TRANSLATE_NOOP("Dialogs", "画像付きボタンを配置"), kWithImageId,
                                 QRect(15, 15, 79, 10))),
      m_btnWithoutImage(AddCheckBox(this, QT_TRANSLATE_NOOP("Dialogs", "画像なしボタンを配置"),
                                    kWithoutImageId, QRect(15, 90, 78, 10))) {
  connect(m_btnWithImage, &QCheckBox::clicked, this, [this] { OnWithImage(); });
  connect(m_btnWithoutImage, &QCheckBox::clicked, this, [this] { OnWithoutImage(); });
}

void CButtonSettingDlg::SetColors(std::int32_t kind, PickerIndex first, PickerIndex second,
                                  PickerIndex third) {
  m_nKind = kind;
  m_color = {first, second, third};
  m_bWithImage = first >= 0 ? 1 : 0;
}

void CButtonSettingDlg::GetColors(PickerIndex& first, PickerIndex& second, PickerIndex& third) const {
  if (m_bWithImage != 0) {
    first = m_color[0];
    second = m_color[1];
    third = m_color[2];
  } else {
    first = second = third = kNoColor;
  }
}

void CButtonSettingDlg::OnInitDialog() {
  m_btnWithImage->setChecked(m_bWithImage != 0);
  m_btnWithoutImage->setChecked(m_bWithImage == 0);
}

void CButtonSettingDlg::OnWithImage() {
  m_bWithImage = 1;
  // Colours held from before (a switch to without image and back) are kept.
  if (m_color[0] < 0) {
    m_color = kWithImageDefaults;
    RepaintPreviews();
  }
  m_btnWithoutImage->setChecked(false);
  m_btnWithImage->setChecked(true);
}

void CButtonSettingDlg::OnWithoutImage() {
  m_bWithImage = 0;
  m_btnWithImage->setChecked(false);
  m_btnWithoutImage->setChecked(true);
}

}  // namespace vorlune
