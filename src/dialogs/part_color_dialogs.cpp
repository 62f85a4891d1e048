#include "dialogs/part_color_dialogs.h"

#include <array>

namespace vorlune {

namespace {

constexpr QPoint kPartPicture(300, 10);

constexpr std::array<PickerRow, 2> kColorRows{{
    {QT_TRANSLATE_NOOP("Dialogs", "オフ状態色"), QRect(20, 30, 34, 8), QPoint(80, 60)},
    {QT_TRANSLATE_NOOP("Dialogs", "オン状態色"), QRect(20, 55, 34, 8), QPoint(80, 100)},
}};
constexpr PickerDialogContents kColorContents{QT_TRANSLATE_NOOP("Dialogs", "色設定"), QSize(219, 125),
                                              kColorRows, kPartPicture, QRect(150, 95, 50, 14)};

constexpr std::array<PickerRow, 3> kColor3Rows{{
    {QT_TRANSLATE_NOOP("Dialogs", "オフ状態色"), QRect(20, 30, 34, 8), QPoint(80, 60)},
    {QT_TRANSLATE_NOOP("Dialogs", "オン状態色"), QRect(20, 55, 34, 8), QPoint(80, 97)},
    {QT_TRANSLATE_NOOP("Dialogs", "最大状態色"), QRect(20, 80, 35, 8), QPoint(80, 134)},
}};
constexpr PickerDialogContents kColor3Contents{QT_TRANSLATE_NOOP("Dialogs", "色設定"), QSize(219, 175),
                                               kColor3Rows, kPartPicture, QRect(150, 140, 50, 14)};

constexpr std::array<PickerRow, 1> kTextColorRows{{
    {QT_TRANSLATE_NOOP("Dialogs", "文字色"), QRect(20, 30, 22, 8), QPoint(80, 60)},
}};
constexpr PickerDialogContents kTextColorContents{QT_TRANSLATE_NOOP("Dialogs", "文字色設定"), QSize(219, 99),
                                                  kTextColorRows, kPartPicture, QRect(150, 70, 50, 14)};

}  // namespace

PartColorDialog::PartColorDialog(const PickerDialogContents& contents, ColorTriple defaults, QWidget* parent)
    : PickerDialog(contents, parent), defaults_(defaults) {}

void PartColorDialog::SetColors(PartKind kind, const ColorTriple& colors) {
  kind_ = kind;
  colors_ = colors[0] >= 0 ? colors : defaults_;
}

TwoColorDialog::TwoColorDialog(QWidget* parent)
    : PartColorDialog(kColorContents, ColorTriple{6, 14, kNoColor}, parent) {}

ThreeColorDialog::ThreeColorDialog(QWidget* parent)
    : PartColorDialog(kColor3Contents, ColorTriple{6, 14, 9}, parent) {}

TextColorDialog::TextColorDialog(QWidget* parent)
    : PartColorDialog(kTextColorContents, ColorTriple{14, kNoColor, kNoColor}, parent) {}

}  // namespace vorlune
