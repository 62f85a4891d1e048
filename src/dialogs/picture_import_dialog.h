#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <array>
#include <optional>

#include "dialogs/crop_focus_view.h"
#include "dialogs/picture_view.h"
#include "image/picture_import.h"

namespace vorlune {

// Import options of a picture that is not a 320 x 320 BMP (or of any picture
// with Shift+Image): fit, the cover crop's focus, contain's matte, reduction
// and dithering, with the original and the reduced result side by side at
// 1:1, redrawn on every change. OK takes the result shown; Cancel changes
// nothing.
class PictureImportDialog : public QDialog {
  Q_OBJECT

 public:
  PictureImportDialog(RgbImage original, const PictureImportOptions& options, QWidget* parent = nullptr);

  // The options shown. `dither` is the choice the fine reduction takes: it
  // stays while the classic reduction is shown, so that it can be remembered.
  const PictureImportOptions& Options() const { return options_; }
  // The import of the picture with the options shown.
  const ImportedBackground& Imported() const { return imported_; }

  QComboBox* FitBox() const { return fit_; }
  QComboBox* ReductionBox() const { return reduction_; }
  QCheckBox* DitherBox() const { return dither_; }
  QComboBox* MatteBox() const { return matte_; }
  CropFocusView* OriginalView() const { return originalView_; }

  // The matte box's entries: the 16 picker colours, then the edge colour.
  static constexpr int kEdgeMatte = 16;

 private:
  void ChooseMatte(int index);
  void Refresh();

  RgbImage original_;
  PictureImportOptions options_;
  std::array<std::optional<RgbImage>, 3> fitted_;  // per fit, made when first shown
  ImportedBackground imported_;
  Rgb edgeColour_;
  QImage wholeOriginal_;  // scaled into the preview, for the cover crop
  CropFocusView* originalView_;
  PictureView* resultView_;
  QComboBox* fit_ = nullptr;
  QComboBox* reduction_ = nullptr;
  QCheckBox* dither_ = nullptr;
  QComboBox* matte_ = nullptr;
};

// The picture the handheld shows for an imported background.
QImage ImportedBackgroundImage(const ImportedBackground& background);

}  // namespace vorlune
