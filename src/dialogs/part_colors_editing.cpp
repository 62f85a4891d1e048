#include "dialogs/part_colors_editing.h"

#include "dialogs/button_setting_dialog.h"
#include "dialogs/part_color_dialogs.h"

namespace vorlune {

namespace {

template <class Dialog>
bool Edit(PartKind kind, ColorTriple& colors, QWidget* parent) {
  Dialog dialog(parent);
  dialog.SetColors(kind, colors);
  if (dialog.exec() != QDialog::Accepted) return false;
  colors = dialog.Colors();
  return true;
}

}  // namespace

bool EditPartColors(PartKind kind, ColorTriple& colors, QWidget* parent) {
  if (!IsPartKind(kind)) return false;
  switch (DialogFamilyOf(kind)) {
    case DialogFamily::Button:
      return Edit<ButtonSettingDialog>(kind, colors, parent);
    case DialogFamily::TwoColor:
      return Edit<TwoColorDialog>(kind, colors, parent);
    case DialogFamily::ThreeColor:
      return Edit<ThreeColorDialog>(kind, colors, parent);
    case DialogFamily::TextColor:
      return Edit<TextColorDialog>(kind, colors, parent);
  }
  return false;
}

}  // namespace vorlune
