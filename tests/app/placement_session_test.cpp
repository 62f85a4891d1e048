#include <gtest/gtest.h>

#include <QTest>

#include "dialogs/picker_dialog.h"
#include "dialogs/picker_rows.h"
#include "session_support.h"

namespace vorlune {
namespace {

using testing::ChooseColours;
using testing::ClientPointFor;
using testing::EditorSession;
using testing::ModalScript;
using testing::PressEscape;

const std::string kTouching = "他の部品と重なっているため配置できません";

class PlacementSession : public ::testing::Test {
 protected:
  void SetUp() override { session.ImportRampPicture(); }
  SkinLayout& layout() { return session.window().Layout(); }
  EditorSession session;
};

TEST_F(PlacementSession, PlacingAPartAsksForItsColoursAndDisablesItsGroup) {
  ModalScript script;
  script.Then(ChooseColours({{0, 11}, {1, 12}}));  // Play: with image, yellow off, blue on
  session.Place(1, 20, 251);
  EXPECT_EQ(script.Remaining(), 0u);
  EXPECT_EQ(script.Titles(), QStringList{QStringLiteral("ボタン設定")});
  EXPECT_EQ(layout().part(1).x, 20);
  EXPECT_EQ(layout().part(1).y, 251);
  EXPECT_EQ(layout().part(1).colors, (ColorTriple{11, 12, kNoColor}));
  EXPECT_EQ(layout().placedCount, 1u);
  EXPECT_FALSE(session.window().PartButton(1)->isEnabled());
  EXPECT_TRUE(session.EditText().isEmpty());

  script.Then(ChooseColours({{0, 2}}));  // volume meter: green off, on stays the default
  session.Place(9, 100, 300);
  EXPECT_EQ(layout().part(9).colors, (ColorTriple{2, 14, kNoColor}));
  for (PartKind k = 9; k <= 12; ++k) EXPECT_FALSE(session.window().PartButton(k)->isEnabled()) << k;
  EXPECT_TRUE(session.window().PartButton(13)->isEnabled());

  // Cancelling the dialog of a new part keeps it placed, without colours.
  script.Then(PressEscape);
  session.Place(17, 10, 10);
  EXPECT_TRUE(layout().placed(17));
  EXPECT_EQ(layout().part(17).colors, (ColorTriple{kNoColor, kNoColor, kNoColor}));
  EXPECT_EQ(script.Unexpected(), 0);
}

TEST_F(PlacementSession, ATouchingPlacementIsRefusedWithItsMessageAndPlacementGoesOn) {
  ModalScript script;
  script.Then(ChooseColours({}));
  session.Place(1, 0, 1);
  session.PressPart(2);
  session.LeftClick(ClientPointFor(2, 36, 1));  // shares column 36 with Play's edge
  ASSERT_EQ(session.prompts.messages.size(), 1u);
  EXPECT_EQ(session.prompts.messages[0].text, kTouching);
  EXPECT_EQ(session.prompts.messages[0].icon, MessageIcon::Information);
  EXPECT_FALSE(layout().placed(2));
  EXPECT_EQ(session.window().Placement().currentKind, 2);
  EXPECT_EQ(session.EditText(), QStringLiteral("停止ボタンを配置します"));

  script.Then(ChooseColours({}));
  session.LeftClick(ClientPointFor(2, 38, 1));
  EXPECT_TRUE(layout().placed(2));
  EXPECT_EQ(layout().placedCount, 2u);
  EXPECT_EQ(script.Remaining(), 0u);
}

TEST_F(PlacementSession, AMovedPartKeepsItsColoursAndOpensNoDialog) {
  ModalScript script;
  script.Then(ChooseColours({{0, 9}, {1, 10}}));
  session.Place(1, 20, 251);
  const QImage before = session.Client();

  session.LeftClick(QPoint(45, 280));  // on Play: it is lifted
  EXPECT_FALSE(layout().placed(1));
  EXPECT_EQ(layout().placedCount, 0u);
  EXPECT_EQ(session.window().Placement().movingFlag, 1);
  EXPECT_EQ(session.EditText(), QStringLiteral("再生ボタンを配置します"));
  EXPECT_NE(session.Client().pixel(45, 280), before.pixel(45, 280));  // gone from the canvas
  EXPECT_FALSE(session.window().PartButton(1)->isEnabled());

  session.MoveTo(ClientPointFor(1, 200, 101));
  session.LeftClick(ClientPointFor(1, 200, 101));
  EXPECT_EQ(layout().part(1).x, 200);
  EXPECT_EQ(layout().part(1).y, 101);
  EXPECT_EQ(layout().part(1).colors, (ColorTriple{9, 10, kNoColor}));
  EXPECT_EQ(layout().placedCount, 1u);
  EXPECT_EQ(script.Remaining(), 0u);
  EXPECT_EQ(script.Titles().size(), 1);
  const Rgb ground = layout().palette[layout().picture[910 + 260 * 320 + 25]];
  EXPECT_EQ(session.Client().pixel(45, 280), qRgb(ground.r, ground.g, ground.b));  // the old spot is clear
}

TEST_F(PlacementSession, RightClickWhileMovingDiscardsThePartAndFreesItsGroup) {
  ModalScript script;
  script.Then(ChooseColours({}));
  session.Place(10, 100, 100);  // vertical volume bar, 6 x 64
  for (PartKind k = 9; k <= 12; ++k) ASSERT_FALSE(session.window().PartButton(k)->isEnabled());

  session.LeftClick(QPoint(123, 150));
  ASSERT_EQ(session.window().Placement().movingFlag, 1);
  session.RightClick(QPoint(300, 300));
  EXPECT_FALSE(layout().placed(10));
  EXPECT_EQ(layout().placedCount, 0u);
  EXPECT_EQ(session.window().Placement().currentKind, 0);
  for (PartKind k = 9; k <= 12; ++k) EXPECT_TRUE(session.window().PartButton(k)->isEnabled()) << k;
  EXPECT_TRUE(session.EditText().isEmpty());
}

TEST_F(PlacementSession, RightClickOnAPlacedPartReColoursItOnlyOnOk) {
  ModalScript script;
  script.Then(ChooseColours({{0, 3}}));
  session.Place(21, 20, 200);  // time display
  ASSERT_EQ(layout().part(21).colors, (ColorTriple{3, kNoColor, kNoColor}));
  const QImage before = session.Client();

  script.Then(ChooseColours({{0, 15}}));
  session.RightClick(QPoint(100, 237));
  EXPECT_EQ(layout().part(21).colors, (ColorTriple{15, kNoColor, kNoColor}));
  script.Then([](QWidget* dialog) {  // a swatch clicked, then Escape instead of OK
    auto* picker = dynamic_cast<PickerDialog*>(dialog);
    ASSERT_NE(picker, nullptr);
    QTest::mouseClick(picker, Qt::LeftButton, Qt::NoModifier,
                      SwatchRect(picker->Template().rows[0], 5).center());
    PressEscape(dialog);
  });
  session.RightClick(QPoint(100, 237));
  EXPECT_EQ(layout().part(21).colors, (ColorTriple{15, kNoColor, kNoColor}));
  EXPECT_TRUE(layout().placed(21));
  EXPECT_EQ(session.Client(), before);  // colours do not show on the canvas
  session.RightClick(QPoint(300, 30));  // empty spot: nothing opens
  EXPECT_EQ(script.Remaining(), 0u);
  EXPECT_EQ(script.Unexpected(), 0);
}

TEST_F(PlacementSession, APartButtonDuringAMoveDiscardsTheLiftedPartAndStartsANewOne) {
  ModalScript script;
  script.Then(ChooseColours({}));
  session.Place(13, 10, 10);  // equaliser group 13..16
  session.LeftClick(QPoint(60, 60));
  ASSERT_EQ(session.window().Placement().movingFlag, 1);

  session.PressPart(1);
  EXPECT_EQ(session.window().Placement().movingFlag, 0);
  EXPECT_EQ(session.window().Placement().currentKind, 1);
  for (PartKind k = 13; k <= 16; ++k) EXPECT_TRUE(session.window().PartButton(k)->isEnabled()) << k;
  EXPECT_FALSE(layout().placed(13));

  // The new kind is a new part: it gets its dialog and disables its button.
  script.Then(ChooseColours({{0, 1}, {1, 2}}));
  session.MoveTo(ClientPointFor(1, 20, 251));
  session.LeftClick(ClientPointFor(1, 20, 251));
  EXPECT_EQ(script.Remaining(), 0u);
  EXPECT_EQ(layout().part(1).colors, (ColorTriple{1, 2, kNoColor}));
  EXPECT_FALSE(session.window().PartButton(1)->isEnabled());
  EXPECT_EQ(layout().placedCount, 1u);
}

TEST_F(PlacementSession, AnImportDuringAMoveFreesTheLiftedPartsGroup) {
  ModalScript script;
  script.Then(ChooseColours({}));
  session.Place(18, 100, 100);
  session.LeftClick(QPoint(140, 180));
  ASSERT_EQ(session.window().Placement().movingFlag, 1);
  session.ImportRampPicture();
  EXPECT_EQ(session.window().Placement().currentKind, 0);
  EXPECT_EQ(session.window().Placement().movingFlag, 0);
  for (PartKind k = 17; k <= 20; ++k) EXPECT_TRUE(session.window().PartButton(k)->isEnabled()) << k;
  EXPECT_TRUE(session.EditText().isEmpty());
}

}  // namespace
}  // namespace vorlune
