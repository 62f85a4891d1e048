#include "dialogs/part_colors_editing.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "dialogs/picker_dialog.h"

namespace vorlune {
namespace {

struct FamilyCase {
  PartKind kind;
  int templateId;
  ColorTriple afterOk;  // starting from no colours
};

TEST(EditPartColors, EachFamilyGetsItsDialog) {
  for (const FamilyCase& c :
       {FamilyCase{1, 136, {-1, -1, -1}}, FamilyCase{30, 136, {-1, -1, -1}}, FamilyCase{12, 166, {6, 14, -1}},
        FamilyCase{16, 166, {6, 14, -1}}, FamilyCase{17, 167, {6, 14, 9}}, FamilyCase{21, 168, {14, -1, -1}},
        FamilyCase{29, 168, {14, -1, -1}}}) {
    SCOPED_TRACE(c.kind);
    int seen = 0;
    ColorTriple colors{kNoColor, kNoColor, kNoColor};
    QTimer::singleShot(0, [&seen] {
      auto* picker = dynamic_cast<PickerDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(picker, nullptr);
      seen = picker->Template().id;
      QTest::keyClick(picker, Qt::Key_Return);
    });
    EXPECT_TRUE(EditPartColors(c.kind, colors));
    EXPECT_EQ(seen, c.templateId);
    EXPECT_EQ(colors, c.afterOk);
  }
}

TEST(EditPartColors, CancelKeepsTheColours) {
  ColorTriple colors{kNoColor, kNoColor, kNoColor};
  QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
  EXPECT_FALSE(EditPartColors(20, colors));
  EXPECT_EQ(colors, (ColorTriple{kNoColor, kNoColor, kNoColor}));
  EXPECT_FALSE(EditPartColors(0, colors));
}

}  // namespace
}  // namespace vorlune
