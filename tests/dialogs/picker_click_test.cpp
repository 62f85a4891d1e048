#include <gtest/gtest.h>

#include <QTest>

#include "dialogs/button_setting_dialog.h"
#include "dialogs/color_setting_dialogs.h"
#include "dialogs/picker_rows.h"
#include "dialogs_support.h"

namespace vorlune {
namespace {

using testing::Colors;
using testing::PaintRecorder;
using testing::Settle;
using testing::ShowAndSettle;

void Click(QWidget& widget, int x, int y, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseClick(&widget, button, Qt::NoModifier, QPoint(x, y));
}

// Level meter dialog: strips at x 80, rows at y 60, 97, 134. The swatches of a
// row answer from X+2 to X+257 and from Y+2 to Y+18 (the frame line under them
// takes the swatch above); clicks elsewhere and other buttons change nothing.
TEST(PickerClicks, LevelMeterRowsAnswerWithinTheirBands) {
  constexpr ColorTriple kHeld{9, 10, 11};
  const struct {
    int x, y;
    ColorTriple after;
    Qt::MouseButton button = Qt::LeftButton;
  } clicks[] = {
      {81, 70, kHeld},
      {338, 70, kHeld},
      {82, 70, {0, 10, 11}},
      {337, 70, {15, 10, 11}},
      {97, 70, {0, 10, 11}},
      {98, 70, {1, 10, 11}},
      {200, 61, kHeld},
      {82, 62, {0, 10, 11}},
      {200, 78, {7, 10, 11}},
      {200, 79, kHeld},
      {200, 90, kHeld},
      {200, 98, kHeld},
      {82, 100, {9, 0, 11}},
      {200, 116, kHeld},
      {200, 125, kHeld},
      {200, 135, kHeld},
      {337, 152, {9, 10, 15}},
      {200, 153, kHeld},
      {50, 70, kHeld},
      {40, 50, kHeld},
      {320, 30, kHeld},
      {200, 70, kHeld, Qt::RightButton},
      {200, 70, kHeld, Qt::MiddleButton},
  };
  for (const auto& c : clicks) {
    CColor3SettingDlg dialog;
    dialog.SetColors(17, kHeld[0], kHeld[1], kHeld[2]);
    ShowAndSettle(dialog);
    Click(dialog, c.x, c.y, c.button);
    EXPECT_EQ(Colors(dialog), c.after) << c.x << "," << c.y;
  }
}

class ThreeRowPicker : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog.SetColors(17, 1, 2, 3);
    ShowAndSettle(dialog);
  }
  CColor3SettingDlg dialog;
};

TEST_F(ThreeRowPicker, ANewColourRepaintsThePreviewAtOnce) {
  PaintRecorder paints(dialog);
  QTest::mousePress(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(82 + 16 * 12, 105));
  // Painted before the click handler returned, without waiting for the event loop.
  ASSERT_FALSE(paints.Rects().empty());
  EXPECT_TRUE(paints.Rects().front().contains(QRect(40, 97, 20, 20)));
  QTest::mouseRelease(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(82 + 16 * 12, 105));
  EXPECT_EQ(testing::Shot(dialog).pixelColor(50, 107), QColor(0, 0, 255));
}

TEST_F(ThreeRowPicker, TheCurrentColourCausesNoRepaint) {
  PaintRecorder paints(dialog);
  Click(dialog, 82 + 16 * 2, 100);  // second row already holds 2
  Settle();
  EXPECT_TRUE(paints.Rects().empty());
  EXPECT_EQ(Colors(dialog), (ColorTriple{1, 2, 3}));
}

TEST(Picker, NoColourDiffersFromGreyEntryEight) {
  CColor3SettingDlg dialog;
  dialog.SetColors(18, 4, kNoColor, 5);
  ShowAndSettle(dialog);
  const QImage before = testing::Shot(dialog);
  EXPECT_EQ(before.pixelColor(50, 107), QColor(128, 128, 128));
  PaintRecorder paints(dialog);
  Click(dialog, 82 + 16 * 8, 100);
  EXPECT_FALSE(paints.Rects().empty());
  EXPECT_EQ(Colors(dialog), (ColorTriple{4, 8, 5}));
  paints.Clear();
  Click(dialog, 82 + 16 * 8, 100);
  Settle();
  EXPECT_TRUE(paints.Rects().empty());
}

TEST(Picker, DamagedIndexesShowAsNoneAndPassThroughUntilPicked) {
  CColor3SettingDlg dialog;
  dialog.SetColors(19, 16, 100, 127);
  ShowAndSettle(dialog);
  const QImage shot = testing::Shot(dialog);
  for (int y : {70, 107, 144}) EXPECT_EQ(shot.pixelColor(50, y), QColor(128, 128, 128)) << y;
  EXPECT_EQ(Colors(dialog), (ColorTriple{16, 100, 127}));
  Click(dialog, 82, 140);
  EXPECT_EQ(Colors(dialog), (ColorTriple{16, 100, 0}));
}

// The other dialogs: clicks in turn, then the colours they leave. The text
// dialog has only its first row; the button dialog's strips start at x 100.
template <class Dialog>
ColorTriple AfterClicks(PartKind kind, ColorTriple held, std::initializer_list<QPoint> clicks) {
  Dialog dialog;
  dialog.SetColors(kind, held[0], held[1], held[2]);
  ShowAndSettle(dialog);
  for (QPoint p : clicks) Click(dialog, p.x(), p.y());
  return Colors(dialog);
}

TEST(Picker, EachDialogAnswersOnlyWithinItsOwnRows) {
  EXPECT_EQ(AfterClicks<CTextColorDlg>(21, {5, 7, 9}, {{200, 100}, {200, 110}}), (ColorTriple{5, 7, 9}));
  EXPECT_EQ(AfterClicks<CTextColorDlg>(21, {5, 7, 9}, {{82 + 16 * 3, 66}}), (ColorTriple{3, 7, 9}));
  // Between the rows, and where the three-colour dialog has its third row.
  EXPECT_EQ(AfterClicks<CColorSettingDlg>(9, {1, 2, 3}, {{337, 118}, {82, 62}, {200, 90}, {200, 134}}),
            (ColorTriple{0, 15, 3}));
  EXPECT_EQ(AfterClicks<CButtonSettingDlg>(1, {3, 5, kNoColor}, {{101, 70}, {358, 70}}),
            (ColorTriple{3, 5, kNoColor}));
  EXPECT_EQ(AfterClicks<CButtonSettingDlg>(1, {3, 5, kNoColor}, {{102, 70}, {357, 118}}),
            (ColorTriple{0, 15, kNoColor}));
}

}  // namespace
}  // namespace vorlune
