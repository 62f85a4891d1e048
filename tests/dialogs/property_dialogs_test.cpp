#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "dialogs/button_setting_dialog.h"
#include "dialogs/color_setting_dialogs.h"
#include "dialogs/modal_dialog.h"
#include "dialogs_support.h"

namespace vorlune {
namespace {

using testing::Colors;
using testing::PaintRecorder;
using testing::Settle;
using testing::ShowAndSettle;

template <class Dialog>
ColorTriple AfterOk(ColorTriple in, std::int32_t kind) {
  Dialog dialog;
  dialog.SetColors(kind, in[0], in[1], in[2]);
  QTimer::singleShot(0, &dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Return); });
  EXPECT_EQ(dialog.DoModal(), kIdOk);
  return Colors(dialog);
}

void ClickBox(QCheckBox* box) {
  QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
}

// The defaults per family are checked through EditPartColors; here, that a
// negative first entry replaces all three, and that rows a dialog lacks pass through.
TEST(ColorSettingDialogs, NegativeFirstIndexReplacesAllEntriesAndOthersPassThrough) {
  EXPECT_EQ(AfterOk<CColorSettingDlg>({-1, 3, 4}, 13), (ColorTriple{6, 14, -1}));
  EXPECT_EQ(AfterOk<CTextColorDlg>({-1, 3, 4}, 29), (ColorTriple{14, -1, -1}));
  EXPECT_EQ(AfterOk<CTextColorDlg>({5, 7, 9}, 24), (ColorTriple{5, 7, 9}));
  EXPECT_EQ(AfterOk<CColorSettingDlg>({1, 2, 3}, 16), (ColorTriple{1, 2, 3}));
  EXPECT_EQ(AfterOk<CColor3SettingDlg>({0, 15, 8}, 20), (ColorTriple{0, 15, 8}));
  EXPECT_EQ(AfterOk<CButtonSettingDlg>({0, 1, 7}, 30), (ColorTriple{0, 1, 7}));
}

TEST(PropertyDialogs, EnterEndsWithOkAndEscapeWithCancel) {
  CColor3SettingDlg dialog;
  dialog.SetColors(17, 1, 2, 3);
  QTimer::singleShot(0, &dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Escape); });
  EXPECT_EQ(dialog.DoModal(), kIdCancel);
  QTimer::singleShot(0, &dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Enter); });
  EXPECT_EQ(dialog.DoModal(), kIdOk);

  CButtonSettingDlg buttons;
  buttons.SetColors(1, 1, 2, -1);
  QTimer::singleShot(0, &buttons, [&buttons] { QTest::keyClick(&buttons, Qt::Key_Escape); });
  EXPECT_EQ(buttons.DoModal(), kIdCancel);
  QTimer::singleShot(0, &buttons, [&buttons] {
    // Enter works also right after a click on a check box.
    ClickBox(buttons.WithoutImageBox());
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &buttons, Qt::Key_Return);
  });
  EXPECT_EQ(buttons.DoModal(), kIdOk);
  EXPECT_EQ(Colors(buttons), (ColorTriple{-1, -1, -1}));
}

TEST(PropertyDialogs, TheOkButtonEndsWithOk) {
  CTextColorDlg dialog;
  dialog.SetColors(27, 2, -1, -1);
  QTimer::singleShot(0, &dialog, [&dialog] {
    QPushButton* ok = dialog.findChild<QPushButton*>();
    QTest::mouseClick(ok, Qt::LeftButton);
  });
  EXPECT_EQ(dialog.DoModal(), kIdOk);
}

TEST(ButtonSettingDialog, CheckBoxesActAsAPair) {
  CButtonSettingDlg dialog;
  dialog.SetColors(2, -1, -1, -1);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ボタン設定"));
  ShowAndSettle(dialog);
  QCheckBox* with = dialog.WithImageBox();
  QCheckBox* without = dialog.WithoutImageBox();
  // Each click, then whether "with image" is checked; exactly one box always is.
  for (const auto& [box, withChecked] :
       {std::pair{without, false}, {with, true}, {with, true}, {without, false}}) {
    ClickBox(box);
    EXPECT_EQ(with->isChecked(), withChecked);
    EXPECT_NE(without->isChecked(), withChecked);
  }
}

TEST(ButtonSettingDialog, WithImageBringsCyanAndRedAndRepaintsThePreviews) {
  CButtonSettingDlg dialog;
  dialog.SetColors(1, -1, -1, -1);
  ShowAndSettle(dialog);
  EXPECT_EQ(testing::Shot(dialog).pixelColor(70, 70), QColor(128, 128, 128));
  PaintRecorder paints(dialog);
  ClickBox(dialog.WithImageBox());
  bool previewsPainted = false;
  for (const QRect& r : paints.Rects()) {
    previewsPainted |= r.contains(QRect(60, 60, 20, 20)) && r.contains(QRect(60, 100, 20, 20));
  }
  EXPECT_TRUE(previewsPainted);
  const QImage shot = testing::Shot(dialog);
  EXPECT_EQ(shot.pixelColor(70, 70), QColor(0, 255, 255));
  EXPECT_EQ(shot.pixelColor(70, 110), QColor(255, 0, 0));
  EXPECT_EQ(Colors(dialog), (ColorTriple{14, 9, -1}));
}

TEST(ButtonSettingDialog, SwitchingBackKeepsTheColoursHeld) {
  CButtonSettingDlg dialog;
  dialog.SetColors(5, 3, 5, -1);
  ShowAndSettle(dialog);
  EXPECT_TRUE(dialog.WithImageBox()->isChecked());
  ClickBox(dialog.WithoutImageBox());
  EXPECT_EQ(Colors(dialog), (ColorTriple{-1, -1, -1}));
  ClickBox(dialog.WithImageBox());
  EXPECT_EQ(Colors(dialog), (ColorTriple{3, 5, -1}));
}

TEST(ButtonSettingDialog, WithoutImageIgnoresClicksButShowsTheHeldColours) {
  CButtonSettingDlg dialog;
  dialog.SetColors(4, 3, 5, -1);
  ShowAndSettle(dialog);
  ClickBox(dialog.WithoutImageBox());
  Settle();
  PaintRecorder paints(dialog);
  QTest::mouseClick(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(102, 70));
  Settle();
  EXPECT_TRUE(paints.Rects().empty());
  const QImage shot = testing::Shot(dialog);
  EXPECT_EQ(shot.pixelColor(70, 70), QColor(128, 128, 0));
  EXPECT_EQ(shot.pixelColor(70, 110), QColor(128, 0, 128));
  ClickBox(dialog.WithImageBox());
  EXPECT_EQ(Colors(dialog), (ColorTriple{3, 5, -1}));
}

TEST(ButtonSettingDialog, ReopeningShowsTheStateOfTheNewColours) {
  CButtonSettingDlg dialog;
  dialog.SetColors(1, 2, 3, -1);
  QTimer::singleShot(0, &dialog, [&dialog] {
    EXPECT_TRUE(dialog.WithImageBox()->isChecked());
    QTest::keyClick(&dialog, Qt::Key_Escape);
  });
  dialog.DoModal();
  dialog.SetColors(1, -1, -1, -1);
  QTimer::singleShot(0, &dialog, [&dialog] {
    EXPECT_TRUE(dialog.WithoutImageBox()->isChecked());
    EXPECT_FALSE(dialog.WithImageBox()->isChecked());
    QTest::keyClick(&dialog, Qt::Key_Escape);
  });
  dialog.DoModal();
}

}  // namespace
}  // namespace vorlune
