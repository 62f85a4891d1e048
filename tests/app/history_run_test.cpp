#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <csignal>
#include <functional>

#include "app/recent_projects.h"
#include "app/recovery_copy.h"
#include "run_support.h"
#include "support/golden.h"

namespace vorlune {
namespace {

using namespace testing;

QStringList RecoveryCopies() {
  return QDir(QString::fromStdString(RecoveryCopy::Folder().string())).entryList({"*.hqd"});
}

// Edits of every kind, each undone and redone by key with byte-exact layouts
// and canvases and the menu naming the step; undone to the start the editor is
// fresh. Then the title's modified mark through save, undo, redo and a move
// undone halfway, and the unsaved-changes question at Load and Close with each answer.
TEST(HistoryRun, EditsAreUndoneRedoneSavedAndAskedAbout) {
  EditorSession s;
  CSkinEditorDlg& w = s.window();
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  Import(s, RampPicture(), "ramp.bmp");
  ModalScript script;
  const QPoint play = ClientPointFor(1, 200, 101);
  const auto canvas = [&] { return s.Client().copy(kCanvasFrameArea); };
  const struct {
    QString label;
    std::function<void()> run;
  } actions[] = {
      {"部品の配置",
       [&] {
         script.Then(ChooseColours({{0, 9}, {1, 10}}));
         s.Place(1, 20, 251);
       }},
      {"部品の移動",
       [&] {
         s.LeftClick(ClientPointFor(1, 20, 251));
         s.MoveTo(play);
         s.LeftClick(play);
       }},
      {"色の変更",
       [&] {
         script.Then(ChooseColours({{0, 3}}));
         s.RightClick(play);
       }},
      {"背景画像の読み込み",
       [&] {
         s.prompts.files = {WriteFile(s.Path("stripes.bmp"), IndexedPicture(4, PickerTable(), [](int x, int) {
                                        return std::uint8_t(x / 8 % 2);
                                      }))};
         s.Key(Qt::Key_I, Qt::ControlModifier);
       }},
      {"部品の削除",
       [&] {
         s.LeftClick(play);
         s.RightClick(QPoint(300, 300));
       }},
  };
  for (const auto& action : actions) {
    SCOPED_TRACE(action.label.toStdString());
    const std::vector<std::uint8_t> before = ProjectBytes(w);
    const QImage canvasBefore = canvas();
    action.run();
    const std::vector<std::uint8_t> after = ProjectBytes(w);
    const QImage canvasAfter = canvas();
    ASSERT_NE(after, before);
    EXPECT_EQ(w.UndoText(), "元に戻す: " + action.label);
    s.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ProjectBytes(w), before);
    EXPECT_EQ(canvas(), canvasBefore);
    EXPECT_EQ(w.RedoText(), "やり直し: " + action.label);
    s.Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(ProjectBytes(w), after);
    s.Key(Qt::Key_Z, Qt::ControlModifier);
    s.Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(ProjectBytes(w), after);
    EXPECT_EQ(canvas(), canvasAfter);
    EXPECT_EQ(w.RedoText(), "やり直し");
  }
  EXPECT_FALSE(RecoveryCopies().isEmpty());
  const std::vector<std::uint8_t> edited = ProjectBytes(w);

  // Undone to the start, the editor is as fresh as it began: nothing to keep.
  while (w.History().UndoAction()) s.Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(w.Layout().backgroundLoaded);
  EXPECT_FALSE(w.isWindowModified());
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
  s.Place(2, 20, 251);
  EXPECT_TRUE(w.isWindowModified());
  s.Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(w.isWindowModified());
  s.Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_TRUE(w.isWindowModified());

  // Undo while a part is lifted: it is let go, and that removal is undone.
  s.LeftClick(ClientPointFor(2, 20, 251));
  ASSERT_EQ(w.Placement().movingFlag, 1);
  s.Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(w.Placement().currentKind, 0);
  EXPECT_EQ(std::tie(w.Layout().part(2).x, w.Layout().placedCount), std::tuple(20, 1u));
  EXPECT_FALSE(w.PartButton(2)->isEnabled());
  EXPECT_EQ(w.RedoText(), "やり直し: 部品の削除");

  // Close and Load ask before unsaved work is lost; Cancel, or a cancelled save, keeps it.
  int& asked = s.prompts.saveQuestions;
  s.prompts.saveAnswers = {UnsavedChangesAnswer::Cancel, UnsavedChangesAnswer::Cancel,
                           UnsavedChangesAnswer::Save};
  EXPECT_FALSE(w.close());
  s.Key(Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(s.prompts.requests.size(), 3u);  // Load stopped before its dialog
  s.prompts.files = {QString()};
  EXPECT_FALSE(w.close());
  EXPECT_EQ(asked, 3);
  EXPECT_TRUE(w.isWindowModified());

  // Discard loads the saved file back, with a new history.
  s.prompts.files = {s.Path("kept.hqd")};
  s.Key(Qt::Key_S, Qt::ControlModifier);
  s.Key(Qt::Key_Z, Qt::ControlModifier);  // unsaved again
  s.prompts.saveAnswers = {UnsavedChangesAnswer::Discard};
  s.prompts.files = {s.Path("kept.hqd")};
  s.Key(Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(asked, 4);
  EXPECT_TRUE(w.Layout().placed(2));
  EXPECT_FALSE(w.isWindowModified());
  EXPECT_FALSE(w.History().UndoAction());

  // Save at Close writes the file and lets the window go.
  s.LeftClick(ClientPointFor(2, 20, 251));
  s.RightClick(QPoint(300, 300));
  s.prompts.saveAnswers = {UnsavedChangesAnswer::Save};
  s.prompts.files = {s.Path("final.hqd")};
  EXPECT_TRUE(w.close());
  EXPECT_EQ(asked, 5);
  EXPECT_GOLDEN("project at the end of the history run", Bytes(ReadFileBytes(s.Path("final.hqd"))));
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
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  child.setProcessEnvironment(environment);
  child.start(QCoreApplication::applicationFilePath(),
              {"--gtest_also_run_disabled_tests", "--gtest_filter=Recovery.DISABLED_EditorThatIsKilled"});
  ASSERT_TRUE(child.waitForStarted());
  QByteArray output;
  while (!output.contains("ready")) {
    ASSERT_TRUE(child.waitForReadyRead(30000)) << output.toStdString();
    output += child.readAllStandardOutput();
  }
  ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
  ASSERT_TRUE(child.waitForFinished());

  EditorSession editor;
  CSkinEditorDlg& w = editor.window();
  editor.prompts.restoreAnswers = {true};
  w.OfferRecoveryCopies();
  ASSERT_EQ(editor.prompts.restoreOffers.size(), 1);
  EXPECT_TRUE(editor.prompts.restoreOffers[0].startsWith("kept.hqd ("));
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
