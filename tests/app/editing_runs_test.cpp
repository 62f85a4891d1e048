#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <csignal>

#include "app/part_button.h"
#include "app/recent_projects.h"
#include "app/recovery_copy.h"
#include "dialogs/image_preview_dialog.h"
#include "dialogs/picker_dialog.h"
#include "session_support.h"
#include "support/golden.h"

namespace vorlune {
namespace {

using namespace testing;

const QRect kCanvas(20, 20, 320, 320);

QList<QRect> Areas(const QSignalSpy& spy) {
  QList<QRect> areas;
  for (const auto& call : spy) areas.push_back(call.at(0).toRect());
  return areas;
}

QStringList RecoveryCopies() {
  return QDir(QString::fromStdString(RecoveryCopy::Folder().string())).entryList({"*.hqd"});
}

// Runs `edit`; Ctrl+Z undoes it and Ctrl+Y and Ctrl+Shift+Z redo it, byte for
// byte and pixel for pixel, with the menu naming the step.
void ExpectUndoable(EditorSession& s, const QString& label, const std::function<void()>& edit) {
  SCOPED_TRACE(label.toStdString());
  CSkinEditorDlg& w = s.window();
  const auto state = [&] { return std::pair(ProjectBytes(w), s.Client().copy(kCanvasFrameArea)); };
  const auto before = state();
  edit();
  const auto after = state();
  ASSERT_NE(after.first, before.first);
  EXPECT_EQ(w.UndoText(), "元に戻す: " + label);
  s.Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(state(), before);
  EXPECT_EQ(w.RedoText(), "やり直し: " + label);
  s.Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(state(), after);
  s.Key(Qt::Key_Z, Qt::ControlModifier);
  s.Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(state(), after);
  EXPECT_EQ(w.RedoText(), "やり直し");
}

// One window from its start to a saved layout, as a person works: what a fresh
// editor shows and the about box; placing, refusing, moving, re-colouring and
// discarding parts by mouse and keyboard, each edit undone and redone; a second
// picture under the parts; the title's modified mark; the unsaved-changes
// question at Load and Close with each answer; canvas and projects against goldens.
TEST(EditingRun, APersonLaysOutASkinWithMouseAndKeys) {
  EditorSession s;
  CSkinEditorDlg& w = s.window();
  SkinLayout& layout = w.Layout();
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  ModalScript script;

  // A fresh editor: untitled, a read-only empty text, every part offered, a grey canvas.
  EXPECT_EQ(w.windowTitle(), "Vorlune[*]");
  EXPECT_TRUE(qobject_cast<QLineEdit*>(w.Control(IDC_PLACEMENT_TEXT))->isReadOnly());
  const std::vector<bool> offered = s.EnabledButtons();
  EXPECT_EQ(std::count(offered.begin(), offered.end(), true), 30);
  EXPECT_GOLDEN("fresh canvas", Pixels(Canvas(s)));
  std::vector<std::uint8_t> buttons;  // the up, down and disabled pictures of every part button
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    for (int state = 0; state < 3; ++state) {
      w.PartButton(k)->setDown(state == 1);
      w.PartButton(k)->setEnabled(state != 2);
      const std::vector<std::uint8_t> pixels = Pixels(w.PartButton(k)->grab().toImage());
      buttons.insert(buttons.end(), pixels.begin(), pixels.end());
    }
    w.PartButton(k)->setEnabled(true);
  }
  EXPECT_GOLDEN("part buttons up, down and disabled", buttons);

  // Escape never ends the editor; F1 opens the about box; the canvas has no menu.
  s.Key(Qt::Key_Escape);
  EXPECT_TRUE(w.isVisible() && QDir(w.TemporaryFolderPath()).exists());
  QString about;
  script.Then([&](QWidget* box) {
    about = box->windowTitle() + " " + box->findChild<QLabel*>("version")->text();
    EXPECT_FALSE(box->findChild<QLabel*>("icon128")->pixmap().isNull());
    QTest::mouseClick(box->findChild<QPushButton*>("1"), Qt::LeftButton);
  });
  s.Key(Qt::Key_F1);
  EXPECT_EQ(about, "Vorluneのﾊﾞｰｼﾞｮﾝ情報 Vorlune Version 0.23");
  QContextMenuEvent onCanvas(QContextMenuEvent::Mouse, QPoint(100, 100), w.mapToGlobal(QPoint(100, 100)));
  QApplication::sendEvent(&w, &onCanvas);
  EXPECT_EQ(script.Unexpected(), 0);

  // A part button shows its text and indicator, repainting only the indicator.
  QSignalSpy invalidated(&w, &CSkinEditorDlg::areaInvalidated);
  s.PressPart(1);
  EXPECT_EQ(s.EditText(), "再生ボタンを配置します");
  EXPECT_EQ(Areas(invalidated), QList<QRect>{kIndicatorArea});
  EXPECT_GOLDEN("canvas placing Play without a picture", Pixels(Canvas(s)));
  s.PressPart(1);
  EXPECT_EQ(s.EditText(), "");
  EXPECT_EQ(s.Client().pixel(300, 380), qRgb(128, 128, 128));

  // Save and Create need a picture, Play and Stop; Image offers BMP files.
  s.Key(Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(s.prompts.messages.back().text, "背景画像を読み込んでから保存して下さい\n保存できませんでした");
  s.Click(IDC_IMAGE);
  EXPECT_EQ(s.prompts.requests.at(0).filter, "bitmap (*.bmp)");
  EXPECT_EQ(s.prompts.requests.at(0).defaultExtension, "bmp");
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
  for (PartKind k : {1, 9, 10, 11, 12, 17, 20}) EXPECT_FALSE(w.PartButton(k)->isEnabled()) << k;
  EXPECT_TRUE(w.PartButton(13)->isEnabled());
  EXPECT_EQ(s.EditText(), "");

  // A touching placement is refused with its message and placement goes on.
  s.PressPart(2);
  s.LeftClick(ClientPointFor(2, 56, 251));  // shares column 56 with Play's edge
  EXPECT_EQ(s.prompts.messages.back(),
            (UserMessage{"他の部品と重なっているため配置できません", MessageIcon::Information}));
  EXPECT_EQ(s.EditText(), "停止ボタンを配置します");
  script.Then(ChooseColours({{0, 12}}));
  s.LeftClick(ClientPointFor(2, 58, 251));
  EXPECT_EQ(layout.placedCount, 4u);

  // A click lifts Play off the canvas; it lands elsewhere with its colours and no dialog.
  ExpectUndoable(s, "部品の移動", [&] {
    const QRgb underPlay = s.Client().pixel(45, 280);
    s.LeftClick(QPoint(45, 280));
    EXPECT_EQ(layout.placedCount, 3u);
    EXPECT_EQ(w.Placement().movingFlag, 1);
    EXPECT_EQ(s.EditText(), "再生ボタンを配置します");
    EXPECT_NE(s.Client().pixel(45, 280), underPlay);
    EXPECT_FALSE(w.PartButton(1)->isEnabled());
    s.MoveTo(ClientPointFor(1, 200, 101));
    s.LeftClick(ClientPointFor(1, 200, 101));
  });
  const Rgb ground = layout.palette[layout.picture[910 + 260 * 320 + 25]];
  EXPECT_EQ(s.Client().pixel(45, 280), qRgb(ground.r, ground.g, ground.b));

  // A right click on a part re-colours it on OK only; beside it nothing opens.
  script.Then(ChooseColours({{0, 3}})).Then(ChooseColours({{0, 15}})).Then([](QWidget* dialog) {
    auto* picker = dynamic_cast<PickerDialog*>(dialog);
    QTest::mouseClick(picker, Qt::LeftButton, Qt::NoModifier, picker->SwatchCenter(0, 5));
    PressEscape(dialog);
  });
  s.Place(21, 20, 200);
  const QImage beforeColours = s.Client();
  ExpectUndoable(s, "色の変更", [&] { s.RightClick(QPoint(100, 237)); });
  s.RightClick(QPoint(100, 237));
  s.RightClick(QPoint(100, 256));        // just below the time display: nothing opens
  EXPECT_EQ(s.Client(), beforeColours);  // colours do not show on the canvas
  EXPECT_EQ(script.Titles().size(), 8);  // with the about box

  // A right click while moving discards the part and frees its group.
  ExpectUndoable(s, "部品の削除", [&] {
    s.LeftClick(ClientPointFor(9, 100, 300));
    s.RightClick(QPoint(300, 300));
  });
  EXPECT_EQ(w.Placement().currentKind, 0);
  for (PartKind k = 9; k <= 12; ++k) EXPECT_TRUE(w.PartButton(k)->isEnabled()) << k;
  EXPECT_EQ(s.EditText(), "");

  // A part button during a move discards the lifted part and starts a new one.
  s.LeftClick(QPoint(80, 50));
  ASSERT_EQ(w.Placement().movingFlag, 1);
  s.PressPart(4);
  EXPECT_EQ(std::pair(w.Placement().currentKind, w.Placement().movingFlag), std::pair(4, std::uint8_t{0}));
  for (PartKind k = 17; k <= 20; ++k) EXPECT_TRUE(w.PartButton(k)->isEnabled()) << k;
  script.Then(ChooseColours({{0, 1}, {1, 2}}));
  s.MoveTo(ClientPointFor(4, 250, 251));
  s.LeftClick(ClientPointFor(4, 250, 251));
  EXPECT_FALSE(w.PartButton(4)->isEnabled());

  // The preview follows the mouse, repainting its old and new rectangles only; Escape ends placing.
  s.PressPart(5);
  invalidated.clear();
  s.MoveTo(QPoint(100, 100));
  s.MoveTo(QPoint(110, 100));
  EXPECT_TRUE(Areas(invalidated).contains(QRect(82, 85, 36, 30)) &&
              Areas(invalidated).contains(QRect(92, 85, 36, 30)));
  for (const QRect& area : Areas(invalidated)) EXPECT_LE(area.width() * area.height(), 36 * 30);
  s.Key(Qt::Key_Escape);
  EXPECT_EQ(w.Placement().currentKind, 0);
  EXPECT_TRUE(w.PartButton(5)->isEnabled());

  // The keyboard places a part: the preview starts at the centre, (142, 145).
  script.Then(ChooseColours({}));
  s.PressPart(3);
  for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down}) s.Key(key);
  s.Key(Qt::Key_Right, Qt::ShiftModifier);
  s.Key(Qt::Key_Return);
  EXPECT_EQ(w.Placement().currentKind, 0);

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
  // one and repaints only the canvas and the indicator.
  s.LeftClick(ClientPointFor(30, 250, 200));
  invalidated.clear();
  Import(s, IndexedPicture(4, PickerTable(), [](int, int y) { return std::uint8_t(y / 20); }));
  EXPECT_EQ(std::pair(w.Placement().currentKind, w.Placement().movingFlag), std::pair(0, std::uint8_t{0}));
  EXPECT_TRUE(w.PartButton(30)->isEnabled());
  EXPECT_EQ(s.EditText(), "");
  EXPECT_TRUE(Areas(invalidated).contains(kCanvas));
  for (const QRect& area : Areas(invalidated)) EXPECT_TRUE(kCanvas.contains(area) || area == kIndicatorArea);
  EXPECT_EQ(layout.placedCount, 5u);
  EXPECT_EQ(s.prompts.messages.size(), 3u);
  ExpectUndoable(s, "背景画像の読み込み", [&] { Import(s, RampPicture()); });
  EXPECT_GOLDEN("canvas after the placement run", Pixels(Canvas(s)));
  // Where every part is and its colours: Play moved with its own, the time display re-coloured once.
  EXPECT_GOLDEN("project after the placement run", ProjectBytes(w));

  // Undone to the start, the editor is as fresh as it began: nothing to keep.
  const std::vector<std::uint8_t> edited = ProjectBytes(w);
  EXPECT_FALSE(RecoveryCopies().isEmpty());
  while (w.History().UndoAction()) s.Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(layout.backgroundLoaded || w.isWindowModified());
  EXPECT_TRUE(RecoveryCopies().isEmpty());
  EXPECT_EQ(w.UndoText(), "元に戻す");
  while (w.History().RedoAction()) s.Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(ProjectBytes(w), edited);

  // The modified mark follows save, undo and redo.
  EXPECT_TRUE(w.isWindowModified());
  s.prompts.files = {s.Path("mark.hqd")};
  s.Key(Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(w.isWindowModified());
  EXPECT_EQ(w.windowTitle(), "mark.hqd[*] - Vorlune");
  EXPECT_TRUE(RecoveryCopies().isEmpty());  // the file holds the work
  script.Then(ChooseColours({}));
  s.Place(7, 20, 251);
  EXPECT_TRUE(w.isWindowModified());
  s.Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(w.isWindowModified());
  s.Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_TRUE(w.isWindowModified());

  // Undo while a part is lifted: it is let go, and that removal is undone.
  s.LeftClick(ClientPointFor(7, 20, 251));
  ASSERT_EQ(w.Placement().movingFlag, 1);
  s.Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(std::tie(w.Placement().currentKind, layout.part(7).x, layout.placedCount), std::tuple(0, 20, 6u));
  EXPECT_FALSE(w.PartButton(7)->isEnabled());
  EXPECT_EQ(w.RedoText(), "やり直し: 部品の削除");

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
  EXPECT_FALSE(w.isWindowModified() || w.History().UndoAction());

  // Save at Close writes the file and lets the window go.
  s.LeftClick(ClientPointFor(7, 20, 251));
  s.RightClick(QPoint(300, 300));
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

// Run only by the recovery test below, in a process of its own that is killed.
TEST(Recovery, DISABLED_EditorThatIsKilled) {
  EditorSession s;
  Import(s, RampPicture());
  s.prompts.files = {qEnvironmentVariable("VORLUNE_TEST_PROJECT")};
  s.Click(IDC_SAVE);
  ModalScript script;
  script.Then(ChooseColours({{0, 4}, {1, 5}}));
  s.Place(1, 20, 251);  // unsaved work, kept in the recovery copy
  std::puts("ready");
  std::fflush(stdout);
  QTest::qWait(60000);
}

// A killed editor's work is offered at the next start and restored; a damaged
// copy is refused and removed.
TEST(Recovery, AKilledEditorsWorkIsOfferedAndRestored) {
  EnsureApplication();
  QTemporaryDir files;
  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("VORLUNE_TEST_KEEP_HOME", "1");
  environment.insert("VORLUNE_TEST_PROJECT", files.filePath("kept.hqd"));
  environment.insert("TMPDIR", files.path());
  child.setProcessEnvironment(environment);
  child.start(QCoreApplication::applicationFilePath(),
              {"--gtest_also_run_disabled_tests", "--gtest_filter=Recovery.DISABLED_EditorThatIsKilled"});
  QByteArray output;
  while (!output.contains("ready")) {
    ASSERT_TRUE(child.waitForReadyRead(30000)) << output.toStdString();
    output += child.readAllStandardOutput();
  }
  ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
  ASSERT_TRUE(child.waitForFinished());

  EditorSession editor;
  CSkinEditorDlg& w = editor.window();
  editor.prompts.restore = true;
  w.OfferRecoveryCopies();
  EXPECT_EQ(editor.prompts.restoreOffers.size(), 1);
  EXPECT_TRUE(editor.prompts.restoreOffers.value(0).startsWith("kept.hqd ("));
  EXPECT_EQ(std::tie(w.Layout().part(1).colors, w.Layout().part(1).x),
            std::tuple(ColorTriple{4, 5, kNoColor}, 20));
  EXPECT_FALSE(w.PartButton(1)->isEnabled());
  EXPECT_TRUE(w.isWindowModified());
  EXPECT_EQ(w.windowTitle(), "kept.hqd[*] - Vorlune");
  // The child's copy is gone; the editor's own stands in for it.
  EXPECT_EQ(RecoveryCopies(), QStringList{QString::fromStdString(w.Recovery().Path().filename().string())});

  QFile damaged(WriteFile(QString::fromStdString((RecoveryCopy::Folder() / "editor-1-1.hqd").string()),
                          QByteArray(5000, 'x')));
  EditorSession later;
  later.window().OfferRecoveryCopies();
  EXPECT_EQ(later.prompts.messages.at(0).text.rfind("Error : ", 0), 0u);
  EXPECT_TRUE(later.prompts.restoreOffers.isEmpty());
  EXPECT_FALSE(damaged.exists());
  EXPECT_TRUE(QFile::exists(QString::fromStdString(w.Recovery().Path().string())));
}

}  // namespace
}  // namespace vorlune
