// The import dialog's choices: the cover crop moved in the original's
// preview, contain's matte, and the dithering box under each reduction.
#include "dialogs/picture_import_dialog.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>
#include <functional>
#include <optional>

#include "dialogs_support.h"
#include "support/golden.h"

namespace vorlune {
namespace {

constexpr Rgb kRed{255, 0, 0}, kBlue{0, 0, 255};

// 640 x 320: a red left half and a blue right half; in the preview at half size, 80 rows down.
RgbImage Halves() {
  RgbImage image(640, 320, kRed);
  for (int y = 0; y < 320; ++y)
    for (int x = 320; x < 640; ++x) image.set(x, y, kBlue);
  return image;
}

Rgb ResultAt(const PictureImportDialog& dialog, int x, int y) {
  const QRgb c = ImportedBackgroundImage(dialog.Imported()).pixel(x, y);
  return {std::uint8_t(qRed(c)), std::uint8_t(qGreen(c)), std::uint8_t(qBlue(c))};
}

void Mouse(QWidget* view, QEvent::Type type, QPointF at) {
  QMouseEvent event(type, at, view->mapToGlobal(at), Qt::LeftButton,
                    type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(view, &event);
}

void Drag(QWidget* view, QPointF from, QPointF by) {
  Mouse(view, QEvent::MouseButtonPress, from);
  Mouse(view, QEvent::MouseMove, from + by / 2);
  Mouse(view, QEvent::MouseMove, from + by);
  Mouse(view, QEvent::MouseButtonRelease, from + by);
}

// A drag moves the kept square with the mouse as far as the picture goes, a
// key by one pixel of the result, a double-click back to the middle; the
// result follows. Contain ignores the focus and shows no frame.
TEST(PictureImportDialog, DragKeysAndDoubleClickMoveTheCoverCrop) {
  PictureImportDialog dialog(Halves(), PictureImportOptions{});
  CropFocusView* view = dialog.OriginalView();
  const QPointF middle(160, 160);
  const struct {
    const char* what;
    std::function<void()> act;
    double frameX, focusX;
    std::optional<Rgb> left, right;  // of the result, where it is not a blend
  } steps[] = {
      {"shown", [] {}, 80, 0.5, kRed, kBlue},
      {"dragged right",
       [&] {
         Drag(view, middle, {50, 30});
       },
       130, 0.5 + 100.0 / 640, kRed, kBlue},
      {"dragged beyond the edge",
       [&] {
         Drag(view, middle, {200, 0});
       },
       160, 0.75, kBlue, kBlue},
      {"left key", [&] { QTest::keyClick(view, Qt::Key_Left); }, 159.5, 0.75 - 1.0 / 640, {}, kBlue},
      {"up key, the square is as high as the picture",
       [&] { QTest::keyClick(view, Qt::Key_Up); },
       159.5,
       0.75 - 1.0 / 640,
       {},
       kBlue},
      {"dragged left",
       [&] {
         Drag(view, middle, {-300, 0});
       },
       0, 0.25, kRed, kRed},
      {"double-click", [&] { Mouse(view, QEvent::MouseButtonDblClick, middle); }, 80, 0.5, kRed, kBlue},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.what);
    step.act();
    EXPECT_EQ(view->KeptFrame(), QRectF(step.frameX, 80, 160, 160));
    EXPECT_DOUBLE_EQ(dialog.Options().focus.x, step.focusX);
    EXPECT_DOUBLE_EQ(dialog.Options().focus.y, 0.5);
    if (step.left) {
      EXPECT_EQ(ResultAt(dialog, 0, 160), *step.left);
    }
    if (step.right) {
      EXPECT_EQ(ResultAt(dialog, 319, 160), *step.right);
    }
    EXPECT_EQ(dialog.Imported().reducedBmp,
              ReduceFittedPicture(FitPicture(Halves(), FitMode::Cover, {}, dialog.Options().focus),
                                  ReductionKind::Fine, true)
                  .reducedBmp);
  }
  Drag(view, middle, {-300, 0});
  dialog.FitBox()->setCurrentIndex(1);
  EXPECT_TRUE(view->KeptFrame().isEmpty());
  Drag(view, middle, {100, 0});
  EXPECT_DOUBLE_EQ(dialog.Options().focus.x, 0.25);
  EXPECT_EQ(ResultAt(dialog, 0, 160), kRed);
  EXPECT_EQ(ResultAt(dialog, 319, 160), kBlue);
}

// The matte box counts under contain only; the dithering box is off under
// the classic reduction and comes back as it was with the fine one.
TEST(PictureImportDialog, MatteAndDitheringFollowTheFitAndTheReduction) {
  PictureImportDialog dialog(Halves(), PictureImportOptions{});
  const Rgb edge{128, 0, 128};  // half the edge red, half blue
  const struct {
    const char* what;
    std::function<void()> act;
    bool matteOn, ditherOn, ditherTicked, ditherWanted;
    Rgb bar;  // of the result, under contain
  } steps[] = {
      {"shown", [] {}, false, true, true, true, {}},
      {"contain", [&] { dialog.FitBox()->setCurrentIndex(1); }, true, true, true, true, {255, 255, 255}},
      {"green matte", [&] { dialog.MatteBox()->setCurrentIndex(2); }, true, true, true, true, {0, 128, 0}},
      {"classic", [&] { dialog.ReductionBox()->setCurrentIndex(1); }, true, false, false, true, {0, 128, 0}},
      {"fine again", [&] { dialog.ReductionBox()->setCurrentIndex(0); }, true, true, true, true, {0, 128, 0}},
      {"no dithering", [&] { dialog.DitherBox()->setChecked(false); }, true, true, false, false, {0, 128, 0}},
      {"classic", [&] { dialog.ReductionBox()->setCurrentIndex(1); }, true, false, false, false, {0, 128, 0}},
      {"fine again",
       [&] { dialog.ReductionBox()->setCurrentIndex(0); },
       true,
       true,
       false,
       false,
       {0, 128, 0}},
      {"edge colour", [&] { dialog.MatteBox()->setCurrentIndex(PictureImportDialog::kEdgeMatte); }, true,
       true, false, false, edge},
      {"stretch", [&] { dialog.FitBox()->setCurrentIndex(2); }, false, true, false, false, {}},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.what);
    step.act();
    EXPECT_EQ(dialog.MatteBox()->isEnabled(), step.matteOn);
    EXPECT_EQ(dialog.DitherBox()->isEnabled(), step.ditherOn);
    EXPECT_EQ(dialog.DitherBox()->isChecked(), step.ditherTicked);
    EXPECT_EQ(dialog.Options().dither, step.ditherWanted);
    if (step.matteOn) {
      EXPECT_EQ(ResultAt(dialog, 160, 10), step.bar);
    }
  }
  EXPECT_TRUE(dialog.Options().matteFromEdges);
  EXPECT_EQ(dialog.Options().matte, edge);
  PictureImportDialog remembered(Halves(), dialog.Options());
  EXPECT_EQ(remembered.MatteBox()->currentIndex(), PictureImportDialog::kEdgeMatte);
}

// The classic reduction gives 24 bits; contain's bars are framed in the
// original's preview only.
TEST(PictureImportDialog, PaintsTheContainBarsFramed) {
  PictureImportDialog dialog(Halves(), PictureImportOptions{});
  EXPECT_EQ(dialog.Imported().bitsPerPixel, 8u);
  dialog.FitBox()->setCurrentIndex(1);
  EXPECT_GOLDEN("paint import contain", testing::OwnPainting(dialog));
  dialog.ReductionBox()->setCurrentIndex(1);
  EXPECT_EQ(dialog.Imported().bitsPerPixel, 24u);
  EXPECT_GOLDEN("paint import contain classic", testing::OwnPainting(dialog));
}

}  // namespace
}  // namespace vorlune
