// The property dialogs with a palette picker: the dialog of each family, what
// it paints, where clicks choose colours and the colours it hands back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPaintEvent>
#include <QTest>

#include "dialogs/button_setting_dialog.h"
#include "dialogs/part_color_dialogs.h"
#include "dialogs/part_colors_editing.h"
#include "dialogs_support.h"
#include "support/golden.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

constexpr ColorTriple kNone{kNoColor, kNoColor, kNoColor};

// For each pixel of the dialog: 0 off the strips, else 1 + row * 16 + swatch.
std::vector<std::uint8_t> HitMap(const PickerDialog& dialog) {
  std::vector<std::uint8_t> map;
  for (int y = 0; y < dialog.height(); ++y)
    for (int x = 0; x < dialog.width(); ++x) {
      const std::optional<PickerHit> hit = dialog.SwatchAt(QPoint(x, y));
      map.push_back(hit ? static_cast<std::uint8_t>(1 + hit->row * 16 + hit->index) : 0);
    }
  return map;
}

void Click(QWidget& widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseClick(&widget, button, Qt::NoModifier, at);
}

// Each family's dialog, its painting (previews in the colours held, damaged
// indexes as none, the kind's picture, the strips) and where its swatches
// answer; from no colours OK gives the family's defaults, held colours pass
// through unless the first is negative.
TEST(EditPartColors, EachFamilyGetsItsDialogAndColours) {
  const struct {
    PartKind kind;
    ColorTriple held;
    std::string dialog;
    ColorTriple after;
  } cases[] = {
      {1, kNone, "ButtonSettingDialog", kNone},
      {30, {0, 12, 7}, "ButtonSettingDialog", {0, 12, 7}},
      {12, kNone, "TwoColorDialog", {6, 14, kNoColor}},
      {13, {-1, 3, 4}, "TwoColorDialog", {6, 14, kNoColor}},
      {17, kNone, "ThreeColorDialog", {6, 14, 9}},
      {20, {15, 0, 7}, "ThreeColorDialog", {15, 0, 7}},
      {19, {16, 100, 127}, "ThreeColorDialog", {16, 100, 127}},
      {21, kNone, "TextColorDialog", {14, kNoColor, kNoColor}},
      {29, {-1, 3, 4}, "TextColorDialog", {14, kNoColor, kNoColor}},
      {0, kNone, "", kNone},  // no dialog for a kind outside the table
  };
  for (const auto& c : cases) {
    const std::string name = "kind " + std::to_string(c.kind) + " holding " + std::to_string(c.held[0]);
    SCOPED_TRACE(name);
    std::string seen;
    QTimer::singleShot(0, [&] {
      if (auto* picker = dynamic_cast<PickerDialog*>(QApplication::activeModalWidget())) {
        seen = picker->metaObject()->className() + std::string_view("vorlune::").size();
        EXPECT_GOLDEN("paint " + name, testing::OwnPainting(*picker));
        EXPECT_GOLDEN("hits " + seen, HitMap(*picker));
        QTest::keyClick(picker, Qt::Key_Return);
      }
    });
    ColorTriple colors = c.held;
    EXPECT_EQ(EditPartColors(c.kind, colors), !c.dialog.empty());
    testing::Settle();
    EXPECT_EQ(seen, c.dialog);
    EXPECT_EQ(colors, c.after);
  }
}

// A dialog of the part of `kind` holding `colors`, shown with the marks of the
// part placed at (x, y) over the layout's background, as text: the swatches
// marked, its layout and its contrast line. Its strips lie where they lie
// without marks; with the marks taken away again it paints as without.
template <class Dialog>
std::string MarkedDialog(SkinLayout layout, PartKind kind, QPoint at, ColorTriple colors, Dialog& marked) {
  testing::Place(layout, kind, at.x(), at.y(), colors);
  const auto marks = PickerContrast(layout, kind);
  Dialog plain;
  for (Dialog* dialog : {&plain, &marked}) {
    dialog->SetColors(kind, colors);
    dialog->SetContrastMarks(dialog == &marked ? marks : std::nullopt);
    dialog->show();
  }
  std::string text = "== " + std::string(marked.metaObject()->className()) + " " +
                     std::string(KindInfo(kind).name) + "\nmarked:";
  for (std::size_t c = 0; marks && c < marks->size(); ++c)
    text += (*marks)[c].passes ? " " + std::to_string(c) : "";
  text += "\n" + testing::LayoutText(marked) + marked.ContrastLine()->text().toStdString() + "\n";
  EXPECT_EQ(marked.width(), plain.width());
  for (int row = 0; row < static_cast<QWidget&>(plain).findChildren<PaletteRow*>().size(); ++row)
    EXPECT_EQ(marked.Row(row)->geometry(), plain.Row(row)->geometry()) << text;
  EXPECT_GOLDEN("paint marks " + std::string(KindInfo(kind).name), testing::OwnPainting(marked));
  Dialog unmarked;
  unmarked.SetColors(kind, colors);
  unmarked.SetContrastMarks(marks);
  unmarked.SetContrastMarks(std::nullopt);
  unmarked.show();
  EXPECT_EQ(testing::OwnPainting(unmarked), testing::OwnPainting(plain)) << text;
  return text;
}

// Over one sky blue, the dialog of each family checks the colours that stand
// out enough from it on every strip (3:1 for buttons and meters, 4.5:1 for
// the displays); the tooltips and the line under the rows give the contrasts,
// and the line follows a click.
TEST(PickerDialog, MarksTheColoursThatStandOutFromTheBackground) {
  const SkinLayout sky = testing::PaintedLayout({{0, 0, 320, 320, Rgb{135, 206, 235}}});
  ButtonSettingDialog button;
  TwoColorDialog two;
  ThreeColorDialog three;
  TextColorDialog display;
  std::string text = MarkedDialog(sky, 1, {10, 10}, {15, 8, kNoColor}, button) +
                     MarkedDialog(sky, 12, {100, 100}, {7, 4, kNoColor}, two) +
                     MarkedDialog(sky, 17, {100, 200}, {0, 12, 9}, three) +
                     MarkedDialog(sky, 21, {10, 260}, {15, kNoColor, kNoColor}, display);
  text += "tooltips:\n" + display.SwatchToolTip(0).toStdString() + "\n" +
          display.SwatchToolTip(15).toStdString() +
          "\nunmarked: " + TwoColorDialog().SwatchToolTip(4).toStdString() + "\n";
  Click(display, display.SwatchCenter(0, 4));
  text += "after choosing navy:\n" + display.ContrastLine()->text().toStdString() + "\n";
  EXPECT_TEXT_GOLDEN("contrast_marks", text);
}

// Notes, per palette row, whether a paint covered its colour square.
struct PaintLog : QObject {
  explicit PaintLog(const PickerDialog& d) : dialog(d) {
    d.Row(0)->installEventFilter(this), d.Row(1)->installEventFilter(this);
  }
  bool eventFilter(QObject* row, QEvent* event) override {
    if (event->type() == QEvent::Paint &&
        static_cast<QPaintEvent*>(event)->rect().contains(PaletteRow::kColorSquare))
      painted[row == dialog.Row(1)] = '1';
    return false;
  }
  const PickerDialog& dialog;
  std::string painted = "00";
};

// A run of the button dialog (a kind outside the table: no picture). A new
// colour repaints its preview before the click returns; the colour held (none
// is not grey 8), other buttons and clicks beside the strip change nothing.
// The boxes follow the colours on opening and act as a pair; with image brings
// cyan and red; without image hands back no colours and ignores the strips but
// keeps the colours held. The keys choose colours on the row with the focus,
// which Tab reaches only with image. Enter ends with OK right after a click on
// a box.
TEST(ButtonSettingDialog, AScriptedRun) {
  ButtonSettingDialog dialog;
  dialog.SetColors(0, {2, kNoColor, kNoColor});
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  PaintLog log(dialog);
  const auto keys = [&](std::initializer_list<Qt::Key> keys) {
    for (Qt::Key key : keys) QTest::keyClick(dialog.focusWidget(), key);
  };
  std::string notes;
  auto run = [&](const char* step, const std::function<void()>& act) {
    log.painted = "00";
    act();
    const std::string atOnce = log.painted;
    testing::Settle();
    const ColorTriple c = dialog.Colors();
    notes += QString::asprintf("%s: colours %d %d %d boxes %d%d previews %s then %s focus %s\n", step, c[0],
                               c[1], c[2], dialog.WithImageBox()->isChecked(),
                               dialog.WithoutImageBox()->isChecked(), atOnce.c_str(), log.painted.c_str(),
                               qUtf8Printable(testing::ControlName(*dialog.focusWidget())))
                 .toStdString();
  };
  run("opened", [] {});
  run("second row, grey 8", [&] { Click(dialog, QPoint(230, 105)); });
  run("grey 8 again", [&] { Click(dialog, QPoint(230, 105)); });
  run("right button", [&] { Click(dialog, QPoint(200, 70), Qt::RightButton); });
  run("beside the strip", [&] { Click(dialog, QPoint(101, 70)); });
  run("Tab twice, End", [&] { keys({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_End}); });
  run("Left", [&] { keys({Qt::Key_Left}); });
  run("Tab, Home", [&] { keys({Qt::Key_Tab, Qt::Key_Home}); });
  EXPECT_GOLDEN("paint keys button", testing::OwnPainting(dialog));
  run("Shift+Tab thrice", [&] { keys({Qt::Key_Backtab, Qt::Key_Backtab, Qt::Key_Backtab}); });
  run("reopened without colours", [&] {
    dialog.hide();
    dialog.SetColors(0, kNone);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    testing::Settle();
  });
  run("with image", [&] { QTest::mouseClick(dialog.WithImageBox(), Qt::LeftButton); });
  run("with image again", [&] { QTest::mouseClick(dialog.WithImageBox(), Qt::LeftButton); });
  run("first row, swatch 0", [&] { Click(dialog, QPoint(102, 70)); });
  run("without image", [&] { QTest::mouseClick(dialog.WithoutImageBox(), Qt::LeftButton); });
  run("second row while without", [&] { Click(dialog, QPoint(200, 110)); });
  EXPECT_GOLDEN("paint run button", testing::OwnPainting(dialog));
  run("with image back", [&] { QTest::mouseClick(dialog.WithImageBox(), Qt::LeftButton); });
  run("without image, Tab thrice", [&] {
    QTest::mouseClick(dialog.WithoutImageBox(), Qt::LeftButton);
    keys({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab});
  });
  EXPECT_TEXT_GOLDEN("button_run", notes);
  const int answer = testing::AnswerModal(dialog, [&] {
    QTest::mouseClick(dialog.WithoutImageBox(), Qt::LeftButton);
    QTest::keyClick(dialog.WithoutImageBox(), Qt::Key_Return);
  });
  EXPECT_EQ(answer, QDialog::Accepted);
  EXPECT_EQ(dialog.Colors(), kNone);
}

}  // namespace
}  // namespace vorlune
