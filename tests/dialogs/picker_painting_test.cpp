#include <gtest/gtest.h>

#include <QTest>
#include <functional>
#include <memory>

#include "dialogs/button_setting_dialog.h"
#include "dialogs/color_setting_dialogs.h"
#include "dialogs_support.h"
#include "palette_strip.h"
#include "part_pictures.h"

namespace vorlune {
namespace {

using testing::Shot;
using testing::ShowAndSettle;
using testing::ToColor;

void ExpectStripAt(const QImage& shot, QPoint origin) {
  int wrong = 0;
  for (int y = 0; y < kPaletteStripHeight; ++y) {
    for (int x = 0; x < kPaletteStripWidth; ++x) {
      const QColor expected = ToColor(kPickerColors[PaletteStripIndex(x, y)]);
      if (shot.pixelColor(origin.x() + x, origin.y() + y) != expected && ++wrong < 5) {
        ADD_FAILURE() << "strip pixel " << x << "," << y << " at " << origin.x() << "," << origin.y();
      }
    }
  }
  EXPECT_EQ(wrong, 0);
}

void ExpectPartPictureAt(const QImage& shot, PartKind kind, QPoint origin) {
  const RgbImage picture = PartButtonPicture(kind, ButtonPictureState::Down);
  int wrong = 0;
  for (int y = 0; y < kButtonPictureHeight; ++y) {
    for (int x = 0; x < kButtonPictureWidth; ++x) {
      wrong += shot.pixelColor(origin.x() + x, origin.y() + y) != ToColor(picture.at(x, y)) ? 1 : 0;
    }
  }
  EXPECT_EQ(wrong, 0) << "part picture of kind " << kind;
}

// The square in its colour, and the ground just outside it.
void ExpectPreview(const QImage& shot, QRect square, QColor color, QColor ground) {
  for (QPoint p : {square.topLeft(), square.bottomRight(), square.center()}) {
    EXPECT_EQ(shot.pixelColor(p), color) << p.x() << "," << p.y();
  }
  EXPECT_EQ(shot.pixelColor(square.right() + 1, square.top()), ground);
  EXPECT_EQ(shot.pixelColor(square.left() - 1, square.bottom()), ground);
  EXPECT_EQ(shot.pixelColor(square.left(), square.bottom() + 1), ground);
}

struct PaintCase {
  std::function<std::unique_ptr<PickerDialog>()> make;
  PartKind kind;
  QPoint partPicture;
  std::vector<QPoint> strips;
  std::vector<QColor> previews;
};

TEST(PickerPainting, EachDialogPaintsPreviewsPictureAndStrips) {
  const std::vector<PaintCase> cases = {
      {[] {
         auto d = std::make_unique<CButtonSettingDlg>();
         d->SetColors(30, 10, 12, -1);
         return d;
       },
       30,
       QPoint(320, 10),
       {QPoint(100, 60), QPoint(100, 100)},
       {QColor(0, 255, 0), QColor(0, 0, 255)}},
      {[] {
         auto d = std::make_unique<CColorSettingDlg>();
         d->SetColors(14, 1, 11, 5);
         return d;
       },
       14,
       QPoint(300, 10),
       {QPoint(80, 60), QPoint(80, 100)},
       {QColor(128, 0, 0), QColor(255, 255, 0)}},
      {[] {
         auto d = std::make_unique<CColor3SettingDlg>();
         d->SetColors(20, 15, 0, 7);
         return d;
       },
       20,
       QPoint(300, 10),
       {QPoint(80, 60), QPoint(80, 97), QPoint(80, 134)},
       {QColor(255, 255, 255), QColor(0, 0, 0), QColor(192, 192, 192)}},
      {[] {
         auto d = std::make_unique<CTextColorDlg>();
         d->SetColors(23, 13, -1, -1);
         return d;
       },
       23,
       QPoint(300, 10),
       {QPoint(80, 60)},
       {QColor(255, 0, 255)}},
  };
  for (const PaintCase& c : cases) {
    std::unique_ptr<PickerDialog> dialog = c.make();
    SCOPED_TRACE(dialog->Template().id);
    ShowAndSettle(*dialog);
    const QImage shot = Shot(*dialog);
    for (std::size_t i = 0; i < c.strips.size(); ++i) {
      ExpectStripAt(shot, c.strips[i]);
      ExpectPreview(shot, QRect(c.strips[i].x() - 40, c.strips[i].y(), 20, 20), c.previews[i],
                    dialog->palette().color(QPalette::Window));
    }
    ExpectPartPictureAt(shot, c.kind, c.partPicture);
  }
}

TEST(PickerPainting, NoneShowsGreyAndAKindOutsideTheTableNoPicture) {
  CButtonSettingDlg dialog;
  dialog.SetColors(0, -1, -1, -1);
  ShowAndSettle(dialog);
  const QImage shot = Shot(dialog);
  const QColor ground = dialog.palette().color(QPalette::Window);
  ExpectPreview(shot, QRect(60, 60, 20, 20), QColor(128, 128, 128), ground);
  ExpectPreview(shot, QRect(60, 100, 20, 20), QColor(128, 128, 128), ground);
  EXPECT_EQ(shot.pixelColor(320, 10), ground);
  EXPECT_EQ(shot.pixelColor(361, 44), ground);
  ExpectStripAt(shot, QPoint(100, 60));
}

TEST(PickerPainting, UncoveringShowsTheCurrentChoices) {
  CColorSettingDlg dialog;
  dialog.SetColors(10, 2, 4, -1);
  ShowAndSettle(dialog);
  QTest::mouseClick(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(82 + 16 * 9, 105));
  dialog.hide();
  ShowAndSettle(dialog);
  const QImage shot = Shot(dialog);
  EXPECT_EQ(shot.pixelColor(50, 70), QColor(0, 128, 0));
  EXPECT_EQ(shot.pixelColor(50, 110), QColor(255, 0, 0));
}

}  // namespace
}  // namespace vorlune
