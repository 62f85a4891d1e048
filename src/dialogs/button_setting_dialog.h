#pragma once

#include <QCheckBox>

#include "dialogs/picker_dialog.h"

namespace vorlune {

// The button setting dialog (template 136, "ボタン設定") for the button kinds:
// either a button with image, with an off and an on colour chosen on two
// picker rows, or a button without image, which has no colours at all.
class CButtonSettingDlg : public PickerDialog {
 public:
  static constexpr int kWithImageId = 1034;
  static constexpr int kWithoutImageId = 1035;

  explicit CButtonSettingDlg(QWidget* parent = nullptr);

  // A first index that is not negative means a button with image. The
  // indexes are kept as given; defaults come only with a click on "with image".
  void SetColors(std::int32_t kind, PickerIndex first, PickerIndex second, PickerIndex third);
  // Without image the button has no colours: -1 for all three.
  void GetColors(PickerIndex& first, PickerIndex& second, PickerIndex& third) const;

  QCheckBox* WithImageBox() const { return m_btnWithImage; }
  QCheckBox* WithoutImageBox() const { return m_btnWithoutImage; }

 protected:
  bool PickerActive() const override { return m_bWithImage != 0; }
  void OnInitDialog() override;

 private:
  void OnWithImage();
  void OnWithoutImage();

  std::uint8_t m_bWithImage = 0;
  QCheckBox* m_btnWithImage;
  QCheckBox* m_btnWithoutImage;
};

}  // namespace vorlune
