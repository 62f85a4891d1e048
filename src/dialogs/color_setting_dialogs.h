#pragma once

#include "dialogs/picker_dialog.h"

namespace vorlune {

// A colour setting dialog for the parts that are not buttons: one picker row
// per colour, from the first entry on; entries without a row pass through.
class ColorSettingDialog : public PickerDialog {
 public:
  // A negative first index brings the dialog's defaults for all three entries,
  // so a part that leaves with OK always has its first colour.
  void SetColors(std::int32_t kind, PickerIndex first, PickerIndex second, PickerIndex third);
  void GetColors(PickerIndex& first, PickerIndex& second, PickerIndex& third) const;

 protected:
  ColorSettingDialog(const PickerDialogTemplate& dialogTemplate, ColorTriple defaults, QWidget* parent);

 private:
  ColorTriple defaults_;
};

// Template 166, "色設定": off and on colour of the volume meters and equalisers.
class CColorSettingDlg : public ColorSettingDialog {
 public:
  explicit CColorSettingDlg(QWidget* parent = nullptr);
};

// Template 167, "色設定": off, on and maximum colour of the level meters.
class CColor3SettingDlg : public ColorSettingDialog {
 public:
  explicit CColor3SettingDlg(QWidget* parent = nullptr);
};

// Template 168, "文字色設定": the text colour of the time, track and title displays.
class CTextColorDlg : public ColorSettingDialog {
 public:
  explicit CTextColorDlg(QWidget* parent = nullptr);
};

}  // namespace vorlune
