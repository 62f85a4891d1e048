// The property dialogs with a palette picker: the dialog of each family, what
// it paints, where clicks choose colours and the colours it hands back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPaintEvent>
#include <QTest>

#include "dialogs/button_setting_dialog.h"
#include "dialogs/color_setting_dialogs.h"
#include "dialogs/modal_dialog.h"
#include "dialogs/part_colors_editing.h"
#include "dialogs/picker_rows.h"
#include "dialogs_support.h"
#include "support/golden.h"

namespace vorlune {
namespace {

using testing::AnswerModal;
using testing::OwnPainting;

constexpr ColorTriple kNone{kNoColor, kNoColor, kNoColor};

template <class Dialog>
ColorTriple Colors(const Dialog& dialog) {
  ColorTriple out{};
  dialog.GetColors(out[0], out[1], out[2]);
  return out;
}

// For each pixel of the dialog: 0 off the strips, else 1 + row * 16 + swatch.
std::vector<std::uint8_t> HitMap(const PickerDialog& dialog) {
  std::vector<std::uint8_t> map;
  for (int y = 0; y < dialog.height(); ++y) {
    for (int x = 0; x < dialog.width(); ++x) {
      const std::optional<PickerHit> hit = HitPickerRows(dialog.Template().rows, QPoint(x, y));
      map.push_back(hit ? static_cast<std::uint8_t>(1 + hit->row * 16 + hit->index) : 0);
    }
  }
  return map;
}

void Click(QWidget& widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseClick(&widget, button, Qt::NoModifier, at);
}

void ClickBox(QCheckBox* box) {
  Click(*box, QPoint(6, box->height() / 2));
}

// Each family's dialog, its painting (previews in the colours held, damaged
// indexes as none, the kind's picture, the strips) and where its swatches
// answer; from no colours OK gives the family's defaults, held colours pass
// through unless the first is negative, and Cancel keeps them.
TEST(EditPartColors, EachFamilyGetsItsDialogAndColours) {
  const struct {
    PartKind kind;
    ColorTriple held;
    Qt::Key key;
    int templateId;
    ColorTriple after;
  } cases[] = {
      {1, kNone, Qt::Key_Return, 136, kNone},
      {30, {10, 12, 7}, Qt::Key_Return, 136, {10, 12, 7}},
      {12, kNone, Qt::Key_Return, 166, {6, 14, kNoColor}},
      {16, {1, 11, 3}, Qt::Key_Return, 166, {1, 11, 3}},
      {13, {-1, 3, 4}, Qt::Key_Return, 166, {6, 14, kNoColor}},
      {17, kNone, Qt::Key_Return, 167, {6, 14, 9}},
      {20, {15, 0, 7}, Qt::Key_Return, 167, {15, 0, 7}},
      {19, {16, 100, 127}, Qt::Key_Return, 167, {16, 100, 127}},
      {21, kNone, Qt::Key_Return, 168, {14, kNoColor, kNoColor}},
      {29, {-1, 3, 4}, Qt::Key_Return, 168, {14, kNoColor, kNoColor}},
      {24, {13, 7, 9}, Qt::Key_Return, 168, {13, 7, 9}},
      {20, kNone, Qt::Key_Escape, 167, kNone},
      {0, kNone, Qt::Key_Return, 0, kNone},  // no dialog for a kind outside the table
  };
  for (const auto& c : cases) {
    const std::string name = "kind " + std::to_string(c.kind) + " holding " + std::to_string(c.held[0]);
    SCOPED_TRACE(name);
    int seen = 0;
    QTimer::singleShot(0, [&] {
      if (auto* picker = dynamic_cast<PickerDialog*>(QApplication::activeModalWidget())) {
        seen = picker->Template().id;
        EXPECT_GOLDEN("paint " + name, OwnPainting(*picker));
        EXPECT_GOLDEN("hits " + std::to_string(seen), HitMap(*picker));
        QTest::keyClick(picker, c.key);
      }
    });
    ColorTriple colors = c.held;
    EXPECT_EQ(EditPartColors(c.kind, colors), c.key == Qt::Key_Return && c.templateId != 0);
    testing::Settle();
    EXPECT_EQ(seen, c.templateId);
    EXPECT_EQ(colors, c.after);
  }
}

// Shows the dialog, then notes after each step the colours handed back, the
// check boxes, and which previews were repainted before the step returned
// and which only later; Check compares the notes and the painting with goldens.
template <class Dialog>
class ScriptedRun : public QObject {
 public:
  explicit ScriptedRun(Dialog& dialog) : dialog_(dialog) {
    testing::ShowAndSettle(dialog);
    dialog.installEventFilter(this);
    (*this)("opened", [] {});
  }
  void operator()(const char* step, const std::function<void()>& act) {
    paints_.clear();
    act();
    const std::string atOnce = Previews();
    testing::Settle();
    const ColorTriple c = Colors(dialog_);
    notes_ += std::string(step) + ": colours " + std::to_string(c[0]) + " " + std::to_string(c[1]) + " " +
              std::to_string(c[2]) + " boxes ";
    for (QCheckBox* box : dialog_.template findChildren<QCheckBox*>()) notes_ += box->isChecked() ? 'x' : '-';
    notes_ += " previews " + atOnce + " then " + Previews() + "\n";
  }
  void Check(const std::string& name) {
    SCOPED_TRACE(notes_);
    EXPECT_GOLDEN(name, testing::AsBytes(notes_));
    EXPECT_GOLDEN("paint " + name, OwnPainting(dialog_));
  }

 private:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) paints_.push_back(static_cast<QPaintEvent*>(event)->rect());
    return QObject::eventFilter(watched, event);
  }
  std::string Previews() const {
    std::string painted;
    for (const PickerRow& row : dialog_.Template().rows) {
      bool hit = false;
      for (const QRect& r : paints_) hit |= r.contains(PreviewRect(row));
      painted += hit ? '1' : '0';
    }
    return painted;
  }
  Dialog& dialog_;
  std::vector<QRect> paints_;
  std::string notes_;
};

// A run of the three-colour dialog: a new colour repaints its preview before
// the click returns; the colour held (none is not grey entry 8), other mouse
// buttons and clicks off the strips change and paint nothing; the frame line
// under a strip still chooses; Escape cancels and Enter ends with OK.
TEST(PickerDialogs, ARunOfTheThreeColourDialog) {
  CColor3SettingDlg dialog;
  dialog.SetColors(18, 4, kNoColor, 5);
  ScriptedRun run(dialog);
  run("second row, grey 8", [&] { Click(dialog, QPoint(210, 100)); });
  run("grey 8 again", [&] { Click(dialog, QPoint(210, 100)); });
  run("right button", [&] { Click(dialog, QPoint(200, 70), Qt::RightButton); });
  run("middle button", [&] { Click(dialog, QPoint(200, 70), Qt::MiddleButton); });
  run("beside the strip", [&] { Click(dialog, QPoint(81, 70)); });
  run("between the rows", [&] { Click(dialog, QPoint(200, 90)); });
  run("first row, swatch 15", [&] { Click(dialog, QPoint(337, 70)); });
  run("second row, swatch 12", [&] { Click(dialog, QPoint(82 + 16 * 12, 105)); });
  run("third row, frame line", [&] { Click(dialog, QPoint(82, 152)); });
  run.Check("run three colours");
  EXPECT_EQ(AnswerModal(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); }), kIdCancel);
  EXPECT_EQ(AnswerModal(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Enter); }), kIdOk);
}

// A run of the button dialog for a kind outside the table (no picture): the
// boxes follow the colours on each opening and act as a pair; with image
// brings cyan and red and repaints both previews at once; without image hands
// back no colours and ignores the strips, but keeps and shows the colours
// held for a switch back; Enter ends with OK right after a click on a box.
TEST(ButtonSettingDialog, ARunWithAndWithoutImage) {
  CButtonSettingDlg dialog;
  dialog.SetColors(0, 2, 3, kNoColor);
  ScriptedRun run(dialog);
  run("reopened without colours", [&] {
    dialog.hide();
    dialog.SetColors(0, kNoColor, kNoColor, kNoColor);
    testing::ShowAndSettle(dialog);
  });
  run("with image", [&] { ClickBox(dialog.WithImageBox()); });
  run("with image again", [&] { ClickBox(dialog.WithImageBox()); });
  run("first row, swatch 0", [&] { Click(dialog, QPoint(102, 70)); });
  run("without image", [&] { ClickBox(dialog.WithoutImageBox()); });
  run("without image again", [&] { ClickBox(dialog.WithoutImageBox()); });
  run("second row while without", [&] { Click(dialog, QPoint(200, 110)); });
  run.Check("run button");
  run("with image back", [&] { ClickBox(dialog.WithImageBox()); });
  EXPECT_EQ(Colors(dialog), (ColorTriple{0, 9, kNoColor}));
  EXPECT_EQ(AnswerModal(dialog,
                        [&] {
                          ClickBox(dialog.WithoutImageBox());
                          QWidget* focus = QApplication::focusWidget();
                          QTest::keyClick(focus ? focus : &dialog, Qt::Key_Return);
                        }),
            kIdOk);
  EXPECT_EQ(Colors(dialog), kNone);
}

}  // namespace
}  // namespace vorlune
