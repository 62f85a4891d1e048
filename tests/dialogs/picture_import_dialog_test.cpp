#include "dialogs/picture_import_dialog.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "dialogs/modal_dialog.h"
#include "dialogs_support.h"

namespace vorlune {
namespace {

// A wide picture: a red left half and a blue right half.
RgbImage Wide() {
  RgbImage image(640, 320, Rgb{255, 0, 0});
  for (int y = 0; y < 320; ++y)
    for (int x = 320; x < 640; ++x) image.set(x, y, Rgb{0, 0, 255});
  return image;
}

QColor At(const QImage& shot, QPoint origin, int x, int y) {
  return shot.pixelColor(origin + QPoint(x, y));
}

TEST(PictureImportDialog, ShowsTheOriginalAndTheResultForEveryChoice) {
  PictureImportDialog dialog(Wide(), PictureImportOptions{});
  testing::ShowAndSettle(dialog);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("画像の取り込み"));
  QImage shot = testing::Shot(dialog);
  // Cover: the middle of the picture, red on the left, blue on the right, on both sides.
  for (QPoint origin : {PictureImportDialog::kOriginalAt, PictureImportDialog::kResultAt}) {
    EXPECT_EQ(At(shot, origin, 20, 160), QColor(255, 0, 0));
    EXPECT_EQ(At(shot, origin, 300, 160), QColor(0, 0, 255));
  }
  EXPECT_EQ(dialog.Imported().bitsPerPixel, 8u);

  // Contain: white bars above and below, in the result too.
  dialog.FitBox()->setCurrentIndex(1);
  testing::Settle();
  shot = testing::Shot(dialog);
  EXPECT_EQ(dialog.Options().fit, FitMode::Contain);
  EXPECT_EQ(At(shot, PictureImportDialog::kResultAt, 160, 10), QColor(255, 255, 255));
  EXPECT_EQ(At(shot, PictureImportDialog::kResultAt, 20, 160), QColor(255, 0, 0));

  // Classic: the 24-bit reduction, and no dithering to choose.
  dialog.ReductionBox()->setCurrentIndex(1);
  EXPECT_EQ(dialog.Options().reduction, ReductionKind::Classic);
  EXPECT_EQ(dialog.Imported().bitsPerPixel, 24u);
  EXPECT_FALSE(dialog.DitherBox()->isEnabled());
  dialog.ReductionBox()->setCurrentIndex(0);
  dialog.DitherBox()->setChecked(false);
  EXPECT_FALSE(dialog.Options().dither);
  EXPECT_TRUE(dialog.DitherBox()->isEnabled());
}

TEST(PictureImportDialog, OkAndCancelEndTheDialog) {
  for (const auto& [text, expected] : {std::pair{"ＯＫ", kIdOk}, {"ｷｬﾝｾﾙ", kIdCancel}}) {
    PictureImportDialog dialog(Wide(), PictureImportOptions{});
    QTimer::singleShot(0, &dialog, [&dialog, text = text] {
      for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
        if (b->text() == QString::fromUtf8(text)) QTest::mouseClick(b, Qt::LeftButton);
      }
    });
    EXPECT_EQ(dialog.DoModal(), expected) << text;
  }
}

}  // namespace
}  // namespace vorlune
