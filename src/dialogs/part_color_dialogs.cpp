#include "dialogs/part_color_dialogs.h"

#include <array>

#include "layout/part_colors.h"

namespace vorlune {

namespace {

// The three colour dialogs share their frame and differ in their rows.
constexpr PickerDialogContents ColorContents(const char* title, std::span<const PickerRow> rows, int okGap,
                                             int bottomMargin) {
  return {title, QMargins(35, 10, 34, bottomMargin), 0, 5, 7, rows, okGap, 383};
}

constexpr std::array<PickerRow, 2> kTwoColorRows{{
    {QT_TRANSLATE_NOOP("Dialogs", "オフ状態色"), 0, 15},
    {QT_TRANSLATE_NOOP("Dialogs", "オン状態色"), 2, 18},
}};
constexpr PickerDialogContents kTwoColorContents =
    ColorContents(QT_TRANSLATE_NOOP("Dialogs", "色設定"), kTwoColorRows, 22, 24);

constexpr std::array<PickerRow, 3> kThreeColorRows{{
    {QT_TRANSLATE_NOOP("Dialogs", "オフ状態色"), 0, 15},
    {QT_TRANSLATE_NOOP("Dialogs", "オン状態色"), 2, 15},
    {QT_TRANSLATE_NOOP("Dialogs", "最大状態色"), 3, 14},
}};
constexpr PickerDialogContents kThreeColorContents =
    ColorContents(QT_TRANSLATE_NOOP("Dialogs", "色設定"), kThreeColorRows, 56, 31);

constexpr std::array<PickerRow, 1> kTextColorRows{{
    {QT_TRANSLATE_NOOP("Dialogs", "文字色"), 0, 15},
}};
constexpr PickerDialogContents kTextColorContents =
    ColorContents(QT_TRANSLATE_NOOP("Dialogs", "文字色設定"), kTextColorRows, 25, 22);

}  // namespace

PartColorDialog::PartColorDialog(const PickerDialogContents& contents, DialogFamily family, QWidget* parent)
    : PickerDialog(contents, parent), family_(family) {}

void PartColorDialog::SetColors(PartKind kind, const ColorTriple& colors) {
  kind_ = kind;
  colors_ = colors[0] >= 0 ? colors : DefaultColors(family_);
}

TwoColorDialog::TwoColorDialog(QWidget* parent)
    : PartColorDialog(kTwoColorContents, DialogFamily::TwoColor, parent) {}

ThreeColorDialog::ThreeColorDialog(QWidget* parent)
    : PartColorDialog(kThreeColorContents, DialogFamily::ThreeColor, parent) {}

TextColorDialog::TextColorDialog(QWidget* parent)
    : PartColorDialog(kTextColorContents, DialogFamily::TextColor, parent) {}

}  // namespace vorlune
