#include "dialogs/part_colors_editing.h"

#include "dialogs/button_setting_dialog.h"
#include "dialogs/part_color_dialogs.h"

namespace vorlune {

namespace {

template <class Dialog>
bool Edit(PartKind kind, ColorTriple& colors, QWidget* parent,
          const std::optional<std::array<ContrastMark, 16>>& marks) {
  Dialog dialog(parent);
  dialog.SetColors(kind, colors);
  dialog.SetContrastMarks(marks);
  if (dialog.exec() != QDialog::Accepted) return false;
  colors = dialog.Colors();
  return true;
}

}  // namespace

bool EditPartColors(PartKind kind, ColorTriple& colors, QWidget* parent,
                    const std::optional<std::array<ContrastMark, 16>>& marks) {
  if (!IsPartKind(kind)) return false;
  switch (DialogFamilyOf(kind)) {
    case DialogFamily::Button:
      return Edit<ButtonSettingDialog>(kind, colors, parent, marks);
    case DialogFamily::TwoColor:
      return Edit<TwoColorDialog>(kind, colors, parent, marks);
    case DialogFamily::ThreeColor:
      return Edit<ThreeColorDialog>(kind, colors, parent, marks);
    case DialogFamily::TextColor:
      return Edit<TextColorDialog>(kind, colors, parent, marks);
  }
  return false;
}

}  // namespace vorlune
