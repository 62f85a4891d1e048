// The import dialog's choices: the cover crop moved in the original's
// preview, contain's matte, and the dithering box under each reduction.
#include "dialogs/picture_import_dialog.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>
#include <functional>

#include "dialogs_support.h"
#include "support/golden.h"

namespace vorlune {
namespace {

constexpr Rgb kBlue{0, 0, 255}, kWhite{255, 255, 255};

Rgb ResultAt(const PictureImportDialog& dialog, int x, int y) {
  const QRgb c = ImportedBackgroundImage(dialog.Imported()).pixel(x, y);
  return {std::uint8_t(qRed(c)), std::uint8_t(qGreen(c)), std::uint8_t(qBlue(c))};
}

void Mouse(QWidget* view, QEvent::Type type, QPointF at) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, at, view->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
  QCoreApplication::sendEvent(view, &event);
}

// From the preview's middle.
void Drag(QWidget* view, QPointF by) {
  const QPointF from(160, 160);
  for (const auto& [type, at] : {std::pair(QEvent::MouseButtonPress, from),
                                 {QEvent::MouseMove, from + by / 2},
                                 {QEvent::MouseMove, from + by},
                                 {QEvent::MouseButtonRelease, from + by}})
    Mouse(view, type, at);
}

// A drag moves the kept square with the mouse as far as the picture goes, a
// key by one pixel of the result, a double-click back to the middle; the
// result follows. Contain ignores the focus and shows no frame.
TEST(PictureImportDialog, DragKeysAndDoubleClickMoveTheCoverCrop) {
  PictureImportDialog dialog(testing::Halves(), PictureImportOptions{});
  CropFocusView* view = dialog.OriginalView();
  const auto drag = [view](QPointF by) { return [view, by] { Drag(view, by); }; };
  const auto key = [view](Qt::Key k) { return [view, k] { QTest::keyClick(view, k); }; };
  const struct {
    std::function<void()> act;
    double frameX, focusX;
  } steps[] = {
      {[] {}, 80, 0.5},
      {drag({50, 30}), 130, 0.5 + 100.0 / 640},
      {drag({200, 0}), 160, 0.75},  // beyond the edge
      {key(Qt::Key_Left), 159.5, 0.75 - 1.0 / 640},
      {key(Qt::Key_Up), 159.5, 0.75 - 1.0 / 640},  // the square is as high as the picture
      {drag({-300, 0}), 0, 0.25},
      {[view] {
         Mouse(view, QEvent::MouseButtonDblClick, {9, 90});
       },
       80, 0.5},
  };
  for (const auto& step : steps) {
    step.act();
    SCOPED_TRACE(step.focusX);
    EXPECT_EQ(view->KeptFrame(), QRectF(step.frameX, 80, 160, 160));
    EXPECT_DOUBLE_EQ(dialog.Options().focus.x, step.focusX);
    EXPECT_DOUBLE_EQ(dialog.Options().focus.y, 0.5);
    EXPECT_EQ(dialog.Imported().reducedBmp,
              ReduceFittedPicture(FitPicture(testing::Halves(), FitMode::Cover, {}, dialog.Options().focus),
                                  ReductionKind::Fine, true)
                  .reducedBmp);
  }
  dialog.FitBox()->setCurrentIndex(1);
  Drag(view, {100, 0});
  EXPECT_TRUE(view->KeptFrame().isEmpty());
  EXPECT_EQ(ResultAt(dialog, 319, 160), kBlue);  // contain, as if never moved
}

// The matte box counts under contain only; the dithering box is off under
// the classic reduction and comes back as it was with the fine one.
TEST(PictureImportDialog, MatteAndDitheringFollowTheFitAndTheReduction) {
  PictureImportDialog dialog(testing::Halves(), PictureImportOptions{});
  const Rgb green{0, 128, 0}, edge{128, 0, 128};  // half the edge red, half blue
  const auto fit = [&](int i) { return [&dialog, i] { dialog.FitBox()->setCurrentIndex(i); }; };
  const auto reduction = [&](int i) { return [&dialog, i] { dialog.ReductionBox()->setCurrentIndex(i); }; };
  const auto matte = [&](int i) { return [&dialog, i] { dialog.MatteBox()->setCurrentIndex(i); }; };
  const struct {
    std::function<void()> act;
    bool matteOn, ditherOn, ditherTicked, ditherWanted;
    Rgb bar;  // of the result under contain
  } steps[] = {
      {[] {}, false, true, true, true, {}},
      {fit(1), true, true, true, true, kWhite},
      {matte(2), true, true, true, true, green},
      {reduction(1), true, false, false, true, green},
      {reduction(0), true, true, true, true, green},
      {[&] { dialog.DitherBox()->setChecked(false); }, true, true, false, false, green},
      {reduction(1), true, false, false, false, green},
      {reduction(0), true, true, false, false, green},
      {matte(PictureImportDialog::kEdgeMatte), true, true, false, false, edge},
      {fit(2), false, true, false, false, {}},
  };
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    SCOPED_TRACE(i);
    steps[i].act();
    EXPECT_EQ(dialog.MatteBox()->isEnabled(), steps[i].matteOn);
    EXPECT_EQ(dialog.DitherBox()->isEnabled(), steps[i].ditherOn);
    EXPECT_EQ(dialog.DitherBox()->isChecked(), steps[i].ditherTicked);
    EXPECT_EQ(dialog.Options().dither, steps[i].ditherWanted);
    if (steps[i].matteOn) {
      EXPECT_EQ(ResultAt(dialog, 160, 10), steps[i].bar);
    }
  }
  EXPECT_TRUE(dialog.Options().matteFromEdges);
  EXPECT_EQ(dialog.Options().matte, edge);
  EXPECT_EQ(PictureImportDialog(testing::Halves(), dialog.Options()).MatteBox()->currentIndex(),
            PictureImportDialog::kEdgeMatte);
}

// The classic reduction gives 24 bits; contain's bars are framed in the
// original's preview only.
TEST(PictureImportDialog, PaintsTheContainBarsFramed) {
  PictureImportDialog dialog(testing::Halves(), PictureImportOptions{});
  dialog.FitBox()->setCurrentIndex(1);
  EXPECT_GOLDEN("paint import contain", testing::OwnPainting(dialog));
  dialog.ReductionBox()->setCurrentIndex(1);
  EXPECT_EQ(dialog.Imported().bitsPerPixel, 24u);
  EXPECT_GOLDEN("paint import contain classic", testing::OwnPainting(dialog));
}

}  // namespace
}  // namespace vorlune
