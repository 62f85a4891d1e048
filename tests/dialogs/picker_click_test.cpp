#include <gtest/gtest.h>

#include <QTest>

#include "dialogs/button_setting_dialog.h"
#include "dialogs/color_setting_dialogs.h"
#include "dialogs/picker_rows.h"
#include "dialogs_support.h"

namespace vorlune {
namespace {

using testing::PaintRecorder;
using testing::Settle;
using testing::ShowAndSettle;

ColorTriple Colors(const ColorSettingDialog& dialog) {
  ColorTriple out{};
  dialog.GetColors(out[0], out[1], out[2]);
  return out;
}

ColorTriple Colors(const CButtonSettingDlg& dialog) {
  ColorTriple out{};
  dialog.GetColors(out[0], out[1], out[2]);
  return out;
}

void Click(QWidget& widget, int x, int y, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseClick(&widget, button, Qt::NoModifier, QPoint(x, y));
}

// Level meter dialog: strips at x 80, rows at y 60, 97, 134.
class ThreeRowPicker : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog.SetColors(17, 1, 2, 3);
    ShowAndSettle(dialog);
  }
  CColor3SettingDlg dialog;
};

TEST_F(ThreeRowPicker, HorizontalBandEdges) {
  Click(dialog, 81, 70);   // frame column left of the first swatch
  Click(dialog, 338, 70);  // frame column right of the last
  EXPECT_EQ(Colors(dialog), (ColorTriple{1, 2, 3}));
  Click(dialog, 82, 70);
  EXPECT_EQ(Colors(dialog)[0], 0);
  Click(dialog, 337, 70);
  EXPECT_EQ(Colors(dialog)[0], 15);
  Click(dialog, 97, 70);  // last column of swatch 0
  EXPECT_EQ(Colors(dialog)[0], 0);
  Click(dialog, 98, 70);
  EXPECT_EQ(Colors(dialog)[0], 1);
}

TEST_F(ThreeRowPicker, VerticalBandEdges) {
  Click(dialog, 200, 61);  // frame line above the swatches
  EXPECT_EQ(Colors(dialog), (ColorTriple{1, 2, 3}));
  Click(dialog, 200, 78);  // frame line under them takes the swatch above
  EXPECT_EQ(Colors(dialog)[0], 7);
  Click(dialog, 82, 62);
  EXPECT_EQ(Colors(dialog)[0], 0);
  Click(dialog, 200, 79);
  EXPECT_EQ(Colors(dialog), (ColorTriple{0, 2, 3}));
}

TEST_F(ThreeRowPicker, ClicksBetweenRowsAndOutsideTheStripsDoNothing) {
  for (int y : {79, 90, 98, 116, 125, 135, 153}) Click(dialog, 200, y);
  Click(dialog, 50, 70);   // preview
  Click(dialog, 40, 50);   // label
  Click(dialog, 320, 30);  // part picture
  EXPECT_EQ(Colors(dialog), (ColorTriple{1, 2, 3}));
}

TEST_F(ThreeRowPicker, EachRowEditsItsOwnEntry) {
  Click(dialog, 82, 100);
  EXPECT_EQ(Colors(dialog), (ColorTriple{1, 0, 3}));
  Click(dialog, 337, 152);
  EXPECT_EQ(Colors(dialog), (ColorTriple{1, 0, 15}));
  Click(dialog, 200, 90);
  EXPECT_EQ(Colors(dialog), (ColorTriple{1, 0, 15}));
}

TEST_F(ThreeRowPicker, OnlyTheLeftButtonPicks) {
  Click(dialog, 200, 70, Qt::RightButton);
  Click(dialog, 200, 70, Qt::MiddleButton);
  EXPECT_EQ(Colors(dialog), (ColorTriple{1, 2, 3}));
}

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

TEST(Picker, TextColourDialogHasOnlyTheFirstRow) {
  CTextColorDlg dialog;
  dialog.SetColors(21, 5, 7, 9);
  ShowAndSettle(dialog);
  Click(dialog, 200, 100);
  Click(dialog, 200, 110);
  EXPECT_EQ(Colors(dialog), (ColorTriple{5, 7, 9}));
  Click(dialog, 82 + 16 * 3, 66);
  EXPECT_EQ(Colors(dialog), (ColorTriple{3, 7, 9}));
}

TEST(Picker, TwoColourDialogRows) {
  CColorSettingDlg dialog;
  dialog.SetColors(9, 1, 2, 3);
  ShowAndSettle(dialog);
  Click(dialog, 337, 118);
  Click(dialog, 82, 62);
  Click(dialog, 200, 90);   // between the rows
  Click(dialog, 200, 134);  // where the three-colour dialog has its third row
  EXPECT_EQ(Colors(dialog), (ColorTriple{0, 15, 3}));
}

TEST(Picker, ButtonDialogRowsStartAtHundred) {
  CButtonSettingDlg dialog;
  dialog.SetColors(1, 3, 5, kNoColor);
  ShowAndSettle(dialog);
  Click(dialog, 101, 70);
  Click(dialog, 358, 70);
  EXPECT_EQ(Colors(dialog), (ColorTriple{3, 5, kNoColor}));
  Click(dialog, 102, 70);
  Click(dialog, 357, 118);
  EXPECT_EQ(Colors(dialog), (ColorTriple{0, 15, kNoColor}));
}

}  // namespace
}  // namespace vorlune
