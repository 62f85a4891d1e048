#include "dialogs/color_setting_dialogs.h"

#include <array>

namespace vorlune {

namespace {

constexpr QPoint kPartPicture(300, 10);

constexpr std::array<PickerRow, 2> kColorRows{{
    {QT_TRANSLATE_NOOP("Dialogs", "オフ状態色"), QRect(20, 30, 34, 8), QPoint(80, 60)},
    {QT_TRANSLATE_NOOP("Dialogs", "オン状態色"), QRect(20, 55, 34, 8), QPoint(80, 100)},
}};
constexpr PickerDialogTemplate kColorTemplate{166,
                                              QT_TRANSLATE_NOOP("Dialogs", "色設定"),
                                              QSize(219, 125),
                                              kColorRows,
                                              kPartPicture,
                                              QRect(150, 95, 50, 14)};

constexpr std::array<PickerRow, 3> kColor3Rows{{
    {QT_TRANSLATE_NOOP("Dialogs", "オフ状態色"), QRect(20, 30, 34, 8), QPoint(80, 60)},
    {QT_TRANSLATE_NOOP("Dialogs", "オン状態色"), QRect(20, 55, 34, 8), QPoint(80, 97)},
    {QT_TRANSLATE_NOOP("Dialogs", "最大状態色"), QRect(20, 80, 35, 8), QPoint(80, 134)},
}};
constexpr PickerDialogTemplate kColor3Template{167,
                                               QT_TRANSLATE_NOOP("Dialogs", "色設定"),
                                               QSize(219, 175),
                                               kColor3Rows,
                                               kPartPicture,
                                               QRect(150, 140, 50, 14)};

constexpr std::array<PickerRow, 1> kTextColorRows{{
    {QT_TRANSLATE_NOOP("Dialogs", "文字色"), QRect(20, 30, 22, 8), QPoint(80, 60)},
}};
constexpr PickerDialogTemplate kTextColorTemplate{168,
                                                  QT_TRANSLATE_NOOP("Dialogs", "文字色設定"),
                                                  QSize(219, 99),
                                                  kTextColorRows,
                                                  kPartPicture,
                                                  QRect(150, 70, 50, 14)};

}  // namespace

ColorSettingDialog::ColorSettingDialog(const PickerDialogTemplate& dialogTemplate, ColorTriple defaults,
                                       QWidget* parent)
    : PickerDialog(dialogTemplate, parent), defaults_(defaults) {}

void ColorSettingDialog::SetColors(std::int32_t kind, PickerIndex first, PickerIndex second,
                                   PickerIndex third) {
  m_nKind = kind;
  m_color = first >= 0 ? ColorTriple{first, second, third} : defaults_;
}

void ColorSettingDialog::GetColors(PickerIndex& first, PickerIndex& second, PickerIndex& third) const {
  first = m_color[0];
  second = m_color[1];
  third = m_color[2];
}

CColorSettingDlg::CColorSettingDlg(QWidget* parent)
    : ColorSettingDialog(kColorTemplate, ColorTriple{6, 14, kNoColor}, parent) {}

CColor3SettingDlg::CColor3SettingDlg(QWidget* parent)
    : ColorSettingDialog(kColor3Template, ColorTriple{6, 14, 9}, parent) {}

CTextColorDlg::CTextColorDlg(QWidget* parent)
    : ColorSettingDialog(kTextColorTemplate, ColorTriple{14, kNoColor, kNoColor}, parent) {}

}  // namespace vorlune
