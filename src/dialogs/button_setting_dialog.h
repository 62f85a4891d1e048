#pragma once

#include <QCheckBox>

#include "dialogs/picker_dialog.h"

namespace vorlune {

// The button setting dialog ("ボタン設定") for the button kinds: either a
// button with image, with an off and an on colour chosen on two picker rows,
// or a button without image, which has no colours at all.
class ButtonSettingDialog : public PickerDialog {
  Q_OBJECT

 public:
  explicit ButtonSettingDialog(QWidget* parent = nullptr);

  // A first index that is not negative means a button with image. The
  // indexes are kept as given; defaults come only with a click on "with image".
  void SetColors(PartKind kind, const ColorTriple& colors);
  // Without image the button has no colours: -1 for all three.
  ColorTriple Colors() const;

  QCheckBox* WithImageBox() const { return withImageBox_; }
  QCheckBox* WithoutImageBox() const { return withoutImageBox_; }

 protected:
  bool PickerActive() const override { return withImage_; }
  void UpdateControls() override;

 private:
  void ChooseWithImage();
  void ChooseWithoutImage();

  bool withImage_ = false;
  QCheckBox* withImageBox_;
  QCheckBox* withoutImageBox_;
};

}  // namespace vorlune
