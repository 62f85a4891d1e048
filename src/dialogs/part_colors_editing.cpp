#include "dialogs/part_colors_editing.h"

#include "dialogs/button_setting_dialog.h"
#include "dialogs/color_setting_dialogs.h"
#include "dialogs/modal_dialog.h"

namespace vorlune {

namespace {

template <class Dialog>
bool Edit(PartKind kind, ColorTriple& colors, QWidget* parent) {
  Dialog dialog(parent);
  dialog.SetColors(kind, colors[0], colors[1], colors[2]);
  if (dialog.DoModal() != kIdOk) return false;
  dialog.GetColors(colors[0], colors[1], colors[2]);
  return true;
}

}  // namespace

bool EditPartColors(PartKind kind, ColorTriple& colors, QWidget* parent) {
  if (!IsPartKind(kind)) return false;
  switch (DialogFamilyOf(kind)) {
    case DialogFamily::Button:
      return Edit<CButtonSettingDlg>(kind, colors, parent);
    case DialogFamily::TwoColor:
      return Edit<CColorSettingDlg>(kind, colors, parent);
    case DialogFamily::ThreeColor:
      return Edit<CColor3SettingDlg>(kind, colors, parent);
    case DialogFamily::TextColor:
      return Edit<CTextColorDlg>(kind, colors, parent);
  }
  return false;
}

}  // namespace vorlune
