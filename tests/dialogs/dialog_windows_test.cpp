// Every dialog's window and controls, and the pictures of the create preview
// and of the picture import.
#include <gtest/gtest.h>

#include "dialogs/button_setting_dialog.h"
#include "dialogs/color_setting_dialogs.h"
#include "dialogs/created_dialog.h"
#include "dialogs/database_info_dialog.h"
#include "dialogs/image_preview_dialog.h"
#include "dialogs/picture_import_dialog.h"
#include "dialogs_support.h"
#include "support/golden.h"

namespace vorlune {
namespace {

using testing::LayoutText;
using testing::OwnPainting;

// A wide picture: a red left half and a blue right half.
RgbImage Wide() {
  RgbImage image(640, 320, Rgb{255, 0, 0});
  for (int y = 0; y < 320; ++y)
    for (int x = 320; x < 640; ++x) image.set(x, y, Rgb{0, 0, 255});
  return image;
}

// Titles, sizes, close buttons, texts, places and default buttons.
TEST(Dialogs, WindowsAndControlsMatchTheirGoldens) {
  CButtonSettingDlg button;
  CColorSettingDlg color;
  CColor3SettingDlg color3;
  CTextColorDlg text;
  CDatabaseInfoDlg info;
  CImagePreviewDlg preview;
  CCreatedDlg created;
  PictureImportDialog import(Wide(), PictureImportOptions{});
  const std::pair<const char*, QWidget*> dialogs[] = {
      {"button", &button},      {"color", &color},     {"color3", &color3},   {"text color", &text},
      {"database info", &info}, {"preview", &preview}, {"created", &created}, {"picture import", &import}};
  for (const auto& [name, dialog] : dialogs)
    EXPECT_GOLDEN(std::string("layout ") + name, testing::AsBytes(LayoutText(*dialog)));
}

TEST(ImagePreviewDialog, PaintsTheRenderedLayoutOnAGreyGround) {
  SkinLayout layout = NewSkinLayout();
  layout.part(1).x = 10;
  layout.part(1).y = 20;
  layout.part(1).colors = {9, 10, kNoColor};
  CImagePreviewDlg dialog;
  dialog.SetPreviewLayout(layout);
  EXPECT_GOLDEN("paint preview", OwnPainting(dialog));
}

// A run of the import dialog over its choices: the fitted original and the
// reduced result side by side, redrawn on every change; the classic
// reduction gives 24 bits and leaves no dithering to choose.
TEST(PictureImportDialog, ShowsTheOriginalAndTheResultForEveryChoice) {
  PictureImportDialog dialog(Wide(), PictureImportOptions{});
  EXPECT_GOLDEN("paint import cover", OwnPainting(dialog));
  EXPECT_EQ(dialog.Imported().bitsPerPixel, 8u);
  dialog.FitBox()->setCurrentIndex(1);
  EXPECT_EQ(dialog.Options().fit, FitMode::Contain);
  EXPECT_GOLDEN("paint import contain", OwnPainting(dialog));
  dialog.ReductionBox()->setCurrentIndex(1);
  EXPECT_EQ(dialog.Options().reduction, ReductionKind::Classic);
  EXPECT_EQ(dialog.Imported().bitsPerPixel, 24u);
  EXPECT_FALSE(dialog.DitherBox()->isEnabled());
  EXPECT_GOLDEN("paint import contain classic", OwnPainting(dialog));
  dialog.ReductionBox()->setCurrentIndex(0);
  dialog.DitherBox()->setChecked(false);
  EXPECT_FALSE(dialog.Options().dither);
  EXPECT_TRUE(dialog.DitherBox()->isEnabled());
  EXPECT_GOLDEN("paint import contain fine plain", OwnPainting(dialog));
}

}  // namespace
}  // namespace vorlune
