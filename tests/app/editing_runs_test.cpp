#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include "app/editor_actions.h"
#include "app/kind_indicator.h"
#include "app/recent_projects.h"
#include "dialogs/image_preview_dialog.h"
#include "dialogs/picker_dialog.h"
#include "session_support.h"
#include "support/golden.h"

namespace vorlune {
namespace {

using namespace testing;

QList<QRect> Areas(const QSignalSpy& spy) {
  QList<QRect> areas;
  for (const auto& call : spy) areas.push_back(call.at(0).toRect());
  return areas;
}

// `edit` undone by Ctrl+Z, redone by Ctrl+Y and Ctrl+Shift+Z, the menu naming it.
void ExpectUndoable(EditorSession& s, const QString& label, const std::function<void()>& edit) {
  SCOPED_TRACE(label.toStdString());
  const EditorActions& actions = s.window().Actions();
  const auto state = [&] { return std::pair(ProjectBytes(s), s.Skin()); };
  const auto before = state();
  edit();
  const auto after = state();
  ASSERT_NE(after.first, before.first);
  EXPECT_EQ(actions.UndoText(), "元に戻す: " + label);
  s.Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(state(), before);
  EXPECT_EQ(actions.RedoText(), "やり直し: " + label);
  s.Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(state(), after);
  s.Key(Qt::Key_Z, Qt::ControlModifier);
  s.Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(state(), after);
  EXPECT_EQ(actions.RedoText(), "やり直し");
}

TEST(EditingRun, AFreshEditorOffersEveryPartAndAsksForAPictureFirst) {
  EditorSession s;
  EditorWindow& w = s.window();
  s.Activate();
  ModalScript script;

  EXPECT_EQ(w.windowTitle(), "Vorlune[*]");
  EXPECT_TRUE(w.PlacementLine()->isReadOnly());
  const std::vector<bool> offered = s.EnabledButtons();
  EXPECT_EQ(std::count(offered.begin(), offered.end(), true), 30);
  EXPECT_GOLDEN("fresh canvas", Pixels(CanvasShot(s)));

  // Escape never ends the editor; F1 opens the about box; the canvas has no menu.
  s.Key(Qt::Key_Escape);
  EXPECT_TRUE(w.isVisible());
  QString about;
  script.Then([&](QWidget* box) {
    about = box->windowTitle() + " " + box->findChild<QLabel*>("version")->text();
    EXPECT_FALSE(box->findChild<QLabel*>("icon")->pixmap().isNull());
    QTest::mouseClick(box->findChild<QPushButton*>("okButton"), Qt::LeftButton);
  });
  s.Key(Qt::Key_F1);
  EXPECT_EQ(about, "Vorluneのﾊﾞｰｼﾞｮﾝ情報 Vorlune Version 0.23");
  const QPoint onSkin = s.ViewPoint({100, 100});
  QContextMenuEvent onCanvas(QContextMenuEvent::Mouse, onSkin, s.Canvas()->mapToGlobal(onSkin));
  QApplication::sendEvent(s.Canvas(), &onCanvas);
  EXPECT_EQ(script.Unexpected(), 0);

  // A part button shows its text and indicator without repainting the canvas.
  QSignalSpy repainted(s.Canvas(), &CanvasView::skinAreaUpdated);
  s.PressPart(1);
  EXPECT_EQ(s.EditText(), "再生ボタンを配置します");
  EXPECT_EQ(w.Indicator()->Kind(), 1);
  EXPECT_TRUE(repainted.isEmpty());
  EXPECT_GOLDEN("canvas placing Play without a picture", Pixels(CanvasShot(s)));
  s.PressPart(1);
  EXPECT_EQ(s.EditText(), "");
  EXPECT_EQ(w.Indicator()->grab().toImage().pixel(20, 14), qRgb(128, 128, 128));

  // Without a picture a click on the canvas places nothing and says why.
  s.PressPart(2);
  s.LeftClick({100, 100});
  EXPECT_EQ(s.EditText(), "先に背景画像を取り込んでください");
  EXPECT_EQ(s.layout().placedCount, 0u);
  EXPECT_TRUE(s.prompts.messages.empty());
}

// Placing, refusing, moving, re-colouring and discarding by mouse and keys, each undone.
TEST(EditingRun, APersonLaysOutASkinWithMouseAndKeys) {
  EditorSession s;
  EditorWindow& w = s.window();
  const SkinLayout& layout = s.layout();
  const PlacementState& placement = s.document().Placement();
  s.Activate();
  ModalScript script;

  // Save and Create need a picture, Play and Stop; Image offers BMP files.
  s.Key(Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(s.prompts.messages.back().text, "背景画像を読み込んでから保存して下さい\n保存できませんでした");
  s.Click(w.ImageButton());
  EXPECT_EQ(s.prompts.requests.at(0).filter, "bitmap (*.bmp)");
  EXPECT_EQ(s.prompts.requests.at(0).defaultExtension, "bmp");
  EXPECT_EQ(s.prompts.requests.at(0).selectedFilter,
            "画像 (*.png *.jpg *.jpeg *.webp *.gif *.tif *.tiff *.bmp)");
  s.prompts.files = {WriteFile(s.Path("ramp.bmp"), RampPicture())};
  s.Key(Qt::Key_I, Qt::ControlModifier);
  s.Key(Qt::Key_E, Qt::ControlModifier);
  EXPECT_EQ(s.prompts.messages.back().text,
            "再生ボタンと停止ボタンを必ず配置して下さい\n作成できませんでした");

  // Placing asks for the colours and disables the part's group; a cancelled
  // dialog keeps the part without colours.
  script.Then(ChooseColours({{0, 11}, {1, 12}})).Then(ChooseColours({{0, 2}})).Then(PressEscape);
  ExpectUndoable(s, "部品の配置", [&] { s.Place(1, 20, 251); });
  EXPECT_EQ(script.Titles().back(), "ボタン設定");
  s.Place(9, 100, 300);
  s.Place(17, 10, 10);
  EXPECT_EQ(layout.part(9).colors, (ColorTriple{2, 14, kNoColor}));
  EXPECT_EQ(layout.part(17).colors, (ColorTriple{kNoColor, kNoColor, kNoColor}));
  for (PartKind k : {1, 9, 10, 11, 12, 17, 20}) EXPECT_FALSE(s.Part(k)->isEnabled()) << k;
  EXPECT_TRUE(s.Part(13)->isEnabled());
  EXPECT_EQ(s.EditText(), "");

  // A touching placement is refused with its message and placement goes on.
  s.PressPart(2);
  s.LeftClick(SkinPointFor(2, 56, 251));  // shares column 56 with Play's edge
  EXPECT_EQ(s.prompts.messages.back(),
            (UserMessage{"他の部品と重なっているため配置できません", MessageIcon::Information}));
  EXPECT_EQ(s.EditText(), "停止ボタンを配置します");
  script.Then(ChooseColours({{0, 12}}));
  s.LeftClick(SkinPointFor(2, 58, 251));
  EXPECT_EQ(layout.placedCount, 4u);

  // A click lifts Play off the canvas; it lands elsewhere with its colours and no dialog.
  ExpectUndoable(s, "部品の移動", [&] {
    const QRgb underPlay = s.Skin().pixel(25, 260);
    s.LeftClick({25, 260});
    EXPECT_EQ(layout.placedCount, 3u);
    EXPECT_EQ(placement.movingFlag, 1);
    EXPECT_EQ(s.EditText(), "再生ボタンを配置します");
    EXPECT_NE(s.Skin().pixel(25, 260), underPlay);
    EXPECT_FALSE(s.Part(1)->isEnabled());
    s.MoveTo(SkinPointFor(1, 200, 101));
    s.LeftClick(SkinPointFor(1, 200, 101));
  });
  const Rgb ground = layout.palette[layout.picture[910 + 260 * 320 + 25]];
  EXPECT_EQ(s.Skin().pixel(25, 260), qRgb(ground.r, ground.g, ground.b));

  // A right click on a part re-colours it on OK only; beside it nothing opens.
  script.Then(ChooseColours({{0, 3}})).Then(ChooseColours({{0, 15}})).Then([](QWidget* dialog) {
    auto* picker = dynamic_cast<PickerDialog*>(dialog);
    QTest::mouseClick(picker, Qt::LeftButton, Qt::NoModifier, picker->SwatchCenter(0, 5));
    PressEscape(dialog);
  });
  s.Place(21, 20, 200);
  const QImage beforeColours = s.Skin();
  ExpectUndoable(s, "色の変更", [&] { s.RightClick({80, 217}); });
  s.RightClick({80, 217});
  s.RightClick({80, 236});             // just below the time display: nothing opens
  EXPECT_EQ(s.Skin(), beforeColours);  // colours do not show on the canvas
  EXPECT_EQ(script.Titles().size(), 7);

  // A right click while moving discards the part and frees its group.
  ExpectUndoable(s, "部品の削除", [&] {
    s.LeftClick(SkinPointFor(9, 100, 300));
    s.RightClick({280, 280});
  });
  EXPECT_EQ(placement.currentKind, 0);
  for (PartKind k = 9; k <= 12; ++k) EXPECT_TRUE(s.Part(k)->isEnabled()) << k;
  EXPECT_EQ(s.EditText(), "");

  // A part button during a move discards the lifted part and starts a new one.
  s.LeftClick({60, 30});
  ASSERT_EQ(placement.movingFlag, 1);
  s.PressPart(4);
  EXPECT_EQ(std::pair(placement.currentKind, placement.movingFlag), std::pair(4, std::uint8_t{0}));
  for (PartKind k = 17; k <= 20; ++k) EXPECT_TRUE(s.Part(k)->isEnabled()) << k;
  script.Then(ChooseColours({{0, 1}, {1, 2}}));
  s.MoveTo(SkinPointFor(4, 250, 251));
  s.LeftClick(SkinPointFor(4, 250, 251));
  EXPECT_FALSE(s.Part(4)->isEnabled());

  // The preview follows the mouse, repainting its old and new rectangles only;
  // Escape ends placing, as does a right click beside the canvas.
  QSignalSpy repainted(s.Canvas(), &CanvasView::skinAreaUpdated);
  s.PressPart(5);
  s.MoveTo({80, 80});
  s.MoveTo({90, 80});
  EXPECT_TRUE(Areas(repainted).contains(QRect(62, 65, 36, 30)) &&
              Areas(repainted).contains(QRect(72, 65, 36, 30)));
  for (const QRect& area : Areas(repainted)) EXPECT_LE(area.width() * area.height(), 36 * 30);
  s.Key(Qt::Key_Escape);
  EXPECT_EQ(placement.currentKind, 0);
  EXPECT_TRUE(s.Part(5)->isEnabled());
  s.PressPart(5);
  QTest::mouseClick(w.centralWidget(), Qt::RightButton, Qt::NoModifier, QPoint(540, 5));
  EXPECT_EQ(placement.currentKind, 0);

  // The keyboard places a part: the preview starts at the centre, (142, 145).
  script.Then(ChooseColours({}));
  s.PressPart(3);
  for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down}) s.Key(key);
  s.Key(Qt::Key_Right, Qt::ShiftModifier);
  s.Key(Qt::Key_Return);
  EXPECT_EQ(placement.currentKind, 0);
  EXPECT_EQ(std::pair(layout.part(3).x, layout.part(3).y), std::pair(154, 147));

  // Ctrl+E works after a part placed by mouse, wherever the click left the focus.
  bool previewOpened = false;
  script.Then(ChooseColours({})).Then([&](QWidget* dialog) {
    previewOpened = dynamic_cast<ImagePreviewDialog*>(dialog) != nullptr;
    PressEscape(dialog);
  });
  s.Place(30, 250, 200);
  s.Key(Qt::Key_E, Qt::ControlModifier);
  EXPECT_TRUE(previewOpened);

  // A second picture during a move keeps the placed parts, frees the lifted
  // one and repaints the canvas.
  s.LeftClick(SkinPointFor(30, 250, 200));
  repainted.clear();
  Import(s, IndexedPicture(4, PickerTable(), [](int, int y) { return std::uint8_t(y / 20); }));
  EXPECT_EQ(std::pair(placement.currentKind, placement.movingFlag), std::pair(0, std::uint8_t{0}));
  EXPECT_TRUE(s.Part(30)->isEnabled());
  EXPECT_EQ(s.EditText(), "");
  EXPECT_TRUE(Areas(repainted).contains(QRect(0, 0, 320, 320)));
  EXPECT_EQ(layout.placedCount, 5u);
  EXPECT_EQ(s.prompts.messages.size(), 3u);
  ExpectUndoable(s, "背景画像の読み込み", [&] { Import(s, RampPicture()); });
  EXPECT_GOLDEN("canvas after the placement run", Pixels(CanvasShot(s)));
  // Where every part is and its colours: Play moved with its own, the time display re-coloured once.
  EXPECT_GOLDEN("project after the placement run", ProjectBytes(s));
  EXPECT_EQ(script.Remaining(), 0u);
  EXPECT_EQ(script.Unexpected(), 0);
}

TEST(EditingRun, UnsavedWorkIsMarkedKeptAndAskedAbout) {
  EditorSession s;
  EditorWindow& w = s.window();
  const SkinLayout& layout = s.layout();
  ModalScript script;
  Import(s, RampPicture());
  script.Then(ChooseColours({{0, 4}, {1, 5}})).Then(ChooseColours({{0, 8}, {1, 10}}));
  s.Place(1, 20, 251);
  s.Place(9, 100, 300);

  // The modified mark follows save, undo and redo.
  EXPECT_TRUE(w.isWindowModified());
  s.prompts.files = {s.Path("mark.hqd")};
  s.Key(Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(w.isWindowModified());
  EXPECT_EQ(w.windowTitle(), "mark.hqd[*] - Vorlune");
  EXPECT_TRUE(RecoveryCopies().isEmpty());  // the file holds the work
  script.Then(ChooseColours({}));
  s.Place(7, 60, 251);
  EXPECT_TRUE(w.isWindowModified());
  s.Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(w.isWindowModified());
  s.Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_TRUE(w.isWindowModified());

  // Undo while a part is lifted: it is let go, and that removal is undone.
  s.LeftClick(SkinPointFor(7, 60, 251));
  ASSERT_EQ(s.document().Placement().movingFlag, 1);
  s.Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(std::tie(s.document().Placement().currentKind, layout.part(7).x, layout.placedCount),
            std::tuple(0, 60, 3u));
  EXPECT_FALSE(s.Part(7)->isEnabled());
  EXPECT_EQ(w.Actions().RedoText(), "やり直し: 部品の削除");

  // Close and Load ask before unsaved work is lost; Cancel, or a cancelled save, keeps it.
  const std::size_t requests = s.prompts.requests.size();
  s.prompts.saveAnswers = {UnsavedChangesAnswer::Cancel, UnsavedChangesAnswer::Cancel,
                           UnsavedChangesAnswer::Save};
  EXPECT_FALSE(w.close());
  s.Key(Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(s.prompts.requests.size(), requests);  // Load stopped before its dialog
  s.prompts.files = {QString()};
  EXPECT_FALSE(w.close());
  EXPECT_EQ(s.prompts.saveQuestions, 3);
  EXPECT_TRUE(w.isWindowModified());

  // Discard loads the saved file back, with a new history.
  s.prompts.files = {s.Path("kept.hqd")};
  s.Key(Qt::Key_S, Qt::ControlModifier);
  s.Key(Qt::Key_Z, Qt::ControlModifier);  // unsaved again
  s.prompts.saveAnswers = {UnsavedChangesAnswer::Discard};
  s.prompts.files = {s.Path("kept.hqd")};
  s.Key(Qt::Key_O, Qt::ControlModifier);
  EXPECT_TRUE(layout.placed(7));
  EXPECT_FALSE(w.isWindowModified() || s.document().UndoAction());

  // Save at Close writes the file and lets the window go.
  s.LeftClick(SkinPointFor(7, 60, 251));
  s.RightClick({280, 280});
  s.prompts.saveAnswers = {UnsavedChangesAnswer::Save};
  s.prompts.files = {s.Path("final.hqd")};
  EXPECT_TRUE(w.close());
  EXPECT_EQ(s.prompts.saveQuestions, 5);
  EXPECT_GOLDEN("project saved at Close", Bytes(ReadFileBytes(s.Path("final.hqd"))));
  // kept.hqd, saved and loaded, is in the list once.
  EXPECT_EQ(RecentProjects().mid(0, 2), QStringList({s.Path("final.hqd"), s.Path("kept.hqd")}));
  EXPECT_EQ(script.Remaining(), 0u);
  EXPECT_EQ(script.Unexpected(), 0);

  EditorSession fresh;  // nothing imported: nothing to ask
  EXPECT_TRUE(fresh.window().close());
  EXPECT_EQ(fresh.prompts.saveQuestions, 0);
  // The recent list keeps eight, newest first.
  for (int i = 0; i < 10; ++i) AddRecentProject(QStringLiteral("/work/p%1.hqd").arg(i % 9));
  EXPECT_EQ(RecentProjects().size(), 8);
  EXPECT_EQ(RecentProjects().mid(0, 2), QStringList({"/work/p0.hqd", "/work/p8.hqd"}));
}

}  // namespace
}  // namespace vorlune
