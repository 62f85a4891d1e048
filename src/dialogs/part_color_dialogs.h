#pragma once

#include "dialogs/picker_dialog.h"

namespace vorlune {

// A colour dialog for the parts that are not buttons: one picker row per
// colour, from the first entry on; entries without a row pass through.
class PartColorDialog : public PickerDialog {
  Q_OBJECT

 public:
  // A negative first index brings the dialog's defaults for all three entries,
  // so a part that leaves with OK always has its first colour.
  void SetColors(PartKind kind, const ColorTriple& colors);
  ColorTriple Colors() const { return colors_; }

 protected:
  PartColorDialog(const PickerDialogContents& contents, DialogFamily family, QWidget* parent);

 private:
  DialogFamily family_;
};

// "色設定": off and on colour of the volume meters and equalisers.
class TwoColorDialog : public PartColorDialog {
  Q_OBJECT

 public:
  explicit TwoColorDialog(QWidget* parent = nullptr);
};

// "色設定": off, on and maximum colour of the level meters.
class ThreeColorDialog : public PartColorDialog {
  Q_OBJECT

 public:
  explicit ThreeColorDialog(QWidget* parent = nullptr);
};

// "文字色設定": the text colour of the time, track and title displays.
class TextColorDialog : public PartColorDialog {
  Q_OBJECT

 public:
  explicit TextColorDialog(QWidget* parent = nullptr);
};

}  // namespace vorlune
