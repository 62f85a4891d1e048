#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <csignal>
#include <functional>

#include "app/main_window_template.h"
#include "app/recent_projects.h"
#include "dialogs/image_preview_dialog.h"
#include "project/project_file.h"
#include "session_support.h"

namespace vorlune {
namespace {

using testing::ChooseColours;
using testing::ClientPointFor;
using testing::EditorSession;
using testing::ModalScript;
using testing::PressEscape;
using testing::ReadFileBytes;

QDir RecoveryFolder() {
  return QDir(QString::fromStdString(RecoveryCopy::Folder().string()));
}

class EditingHistory : public ::testing::Test {
 protected:
  void SetUp() override {
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    session.ImportRampPicture();
  }
  CSkinEditorDlg& window() { return session.window(); }
  std::vector<std::uint8_t> Bytes() { return WriteProjectFile(window().Layout()); }
  QImage Canvas() { return session.Client().copy(kCanvasFrameArea); }
  // A key as a person types it: to whatever control has the focus.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    // The window a person types into is active again once a dialog has gone.
    if (!window().isActiveWindow()) {
      window().activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : &window(), key, modifiers);
  }
  void Save(const QString& name) {
    session.prompts.files = {session.Path(name)};
    Key(Qt::Key_S, Qt::ControlModifier);
  }

  EditorSession session;
};

TEST_F(EditingHistory, EachActionIsUndoneAndRedoneByteForByte) {
  ModalScript script;
  const QPoint play = ClientPointFor(1, 200, 101);
  const struct {
    QString label;
    std::function<void()> run;
  } actions[] = {
      {"部品の配置",
       [&] {
         script.Then(ChooseColours({{0, 9}, {1, 10}}));
         session.Place(1, 20, 251);
       }},
      {"部品の移動",
       [&] {
         session.LeftClick(ClientPointFor(1, 20, 251));
         session.MoveTo(play);
         session.LeftClick(play);
       }},
      {"色の変更",
       [&] {
         script.Then(ChooseColours({{0, 3}}));
         session.RightClick(play);
       }},
      {"背景画像の読み込み",
       [&] {
         session.prompts.files = {testing::WriteFile(
             session.files, "stripes.bmp",
             testing::MakeBmp(
                 {8, 320, 320, 0, 2, {0x102030, 0xF0E0D0}, [](int x, int) { return x / 8 % 2u; }}))};
         Key(Qt::Key_I, Qt::ControlModifier);
       }},
      {"部品の削除",
       [&] {
         session.LeftClick(play);
         session.RightClick(QPoint(300, 300));
       }},
  };
  for (const auto& action : actions) {
    SCOPED_TRACE(action.label.toStdString());
    const std::vector<std::uint8_t> before = Bytes();
    const QImage canvasBefore = Canvas();
    action.run();
    const std::vector<std::uint8_t> after = Bytes();
    const QImage canvasAfter = Canvas();
    ASSERT_NE(after, before);
    EXPECT_EQ(window().UndoText(), "元に戻す: " + action.label);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Bytes(), before);
    EXPECT_TRUE(Canvas() == canvasBefore);
    EXPECT_EQ(window().RedoText(), "やり直し: " + action.label);
    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Bytes(), after);
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Bytes(), after);
    EXPECT_TRUE(Canvas() == canvasAfter);
    EXPECT_EQ(window().RedoText(), "やり直し");
  }
  EXPECT_EQ(script.Remaining(), 0u);
  EXPECT_EQ(script.Unexpected(), 0);
  EXPECT_FALSE(RecoveryFolder().entryList({"*.hqd"}).isEmpty());

  // Undone to the start, the editor is as fresh as it began: nothing to keep.
  while (window().History().UndoAction()) Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(window().Layout().backgroundLoaded);
  EXPECT_FALSE(window().isWindowModified());
  EXPECT_TRUE(RecoveryFolder().entryList({"*.hqd"}).isEmpty());
  EXPECT_EQ(window().UndoText(), "元に戻す");
}

TEST_F(EditingHistory, TheModifiedMarkFollowsSaveUndoRedoAndAMoveUndoneHalfway) {
  EXPECT_TRUE(window().isWindowModified());
  Save("mark.hqd");
  EXPECT_FALSE(window().isWindowModified());
  EXPECT_EQ(window().windowTitle(), "mark.hqd[*] - Vorlune");
  EXPECT_TRUE(RecoveryFolder().entryList({"*.hqd"}).isEmpty());  // the file holds the work

  ModalScript script;
  script.Then(ChooseColours({}));
  session.Place(2, 20, 251);
  EXPECT_TRUE(window().isWindowModified());
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(window().isWindowModified());
  Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_TRUE(window().isWindowModified());

  // Undo while a part is lifted: it is let go, and that removal is undone.
  session.LeftClick(ClientPointFor(2, 20, 251));
  ASSERT_EQ(window().Placement().movingFlag, 1);
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(window().Placement().currentKind, 0);
  EXPECT_EQ(window().Layout().part(2).x, 20);
  EXPECT_EQ(window().Layout().placedCount, 1u);
  EXPECT_FALSE(window().PartButton(2)->isEnabled());
  EXPECT_EQ(window().RedoText(), "やり直し: 部品の削除");
  EXPECT_EQ(script.Unexpected(), 0);
}

TEST_F(EditingHistory, CloseAndLoadAskBeforeUnsavedWorkIsLost) {
  EditorSession fresh;  // nothing imported: nothing to ask
  EXPECT_TRUE(fresh.window().close());
  EXPECT_EQ(fresh.prompts.saveQuestions, 0);

  auto& asked = session.prompts.saveQuestions;
  session.prompts.saveAnswers = {UnsavedChangesAnswer::Cancel};
  EXPECT_FALSE(window().close());
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(window().Layout().backgroundLoaded);
  EXPECT_TRUE(window().isWindowModified());

  session.prompts.saveAnswers = {UnsavedChangesAnswer::Cancel};
  Key(Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(asked, 2);
  EXPECT_TRUE(session.prompts.requests.size() == 1);  // only the Image dialog: Load stopped

  session.prompts.saveAnswers = {UnsavedChangesAnswer::Save};
  session.prompts.files = {QString()};  // the save dialog cancelled: the window stays
  EXPECT_FALSE(window().close());

  session.prompts.saveAnswers = {UnsavedChangesAnswer::Discard};
  session.prompts.files = {session.Path("other.hqd")};
  ModalScript script;
  script.Then(ChooseColours({}));
  session.Place(1, 20, 251);
  Save("kept.hqd");
  session.prompts.files = {session.Path("kept.hqd")};
  Key(Qt::Key_Z, Qt::ControlModifier);  // unsaved again
  Key(Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(asked, 4);
  EXPECT_TRUE(window().Layout().placed(1));  // loaded back
  EXPECT_FALSE(window().isWindowModified());
  EXPECT_FALSE(window().History().UndoAction());  // a load starts a new history

  Key(Qt::Key_Z, Qt::ControlModifier);
  session.LeftClick(ClientPointFor(1, 20, 251));
  session.RightClick(QPoint(300, 300));  // removed: unsaved
  session.prompts.saveAnswers = {UnsavedChangesAnswer::Save};
  session.prompts.files = {session.Path("final.hqd")};
  EXPECT_TRUE(window().close());
  EXPECT_EQ(asked, 5);
  EXPECT_EQ(ReadFileBytes(session.Path("final.hqd")).size(), 103766);
  // kept.hqd, saved and loaded, is in the list once.
  EXPECT_EQ(RecentProjects().mid(0, 2), QStringList({session.Path("final.hqd"), session.Path("kept.hqd")}));
  EXPECT_EQ(script.Unexpected(), 0);
}

TEST_F(EditingHistory, TheKeyboardPlacesAPartAndCtrlEWorksAfterAPartButton) {
  EXPECT_EQ(window().Control(IDC_PLACEMENT_TEXT)->focusPolicy(), Qt::NoFocus);
  Key(Qt::Key_Escape);  // nothing lifted: nothing happens
  EXPECT_TRUE(window().isVisible());

  ModalScript script;
  script.Then(ChooseColours({}));
  session.PressPart(1);
  Key(Qt::Key_Right);  // the preview appears at the centre: canvas (142, 145)
  Key(Qt::Key_Right);
  Key(Qt::Key_Right, Qt::ShiftModifier);
  Key(Qt::Key_Down);
  Key(Qt::Key_Return);
  EXPECT_EQ(window().Layout().part(1).x, 154);
  EXPECT_EQ(window().Layout().part(1).y, 147);
  EXPECT_EQ(window().Placement().currentKind, 0);

  session.PressPart(2);
  Key(Qt::Key_Escape);
  EXPECT_EQ(window().Placement().currentKind, 0);
  EXPECT_TRUE(window().PartButton(2)->isEnabled());

  script.Then(ChooseColours({}));
  session.Place(2, 20, 251);  // by mouse; the focus stays where the click left it
  bool previewOpened = false;
  script.Then([&](QWidget* dialog) {
    previewOpened = dynamic_cast<CImagePreviewDlg*>(dialog) != nullptr;
    PressEscape(dialog);
  });
  Key(Qt::Key_E, Qt::ControlModifier);
  EXPECT_TRUE(previewOpened);
  EXPECT_EQ(script.Unexpected(), 0);
}

// Run only by the recovery test below, in a process of its own that is killed.
TEST(Recovery, DISABLED_EditorThatIsKilled) {
  EditorSession session;
  session.ImportRampPicture();
  session.prompts.files = {qEnvironmentVariable("VORLUNE_TEST_PROJECT")};
  QTest::mouseClick(session.window().Control(IDC_SAVE), Qt::LeftButton);
  ModalScript script;
  script.Then(ChooseColours({{0, 4}, {1, 5}}));
  session.Place(1, 20, 251);  // unsaved work, kept in the recovery copy
  std::puts("ready");
  std::fflush(stdout);
  QTest::qWait(60000);
}

TEST(Recovery, AKilledEditorsWorkIsOfferedAndRestored) {
  testing::EnsureApplication();
  QTemporaryDir files;
  const QString project = files.filePath("kept.hqd");
  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("VORLUNE_TEST_KEEP_HOME", "1");
  environment.insert("VORLUNE_TEST_PROJECT", project);
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
  editor.prompts.restoreAnswers = {true};
  editor.window().OfferRecoveryCopies();
  ASSERT_EQ(editor.prompts.restoreOffers.size(), 1);
  EXPECT_TRUE(editor.prompts.restoreOffers[0].startsWith("kept.hqd ("));
  EXPECT_EQ(editor.window().Layout().part(1).colors, (ColorTriple{4, 5, kNoColor}));
  EXPECT_EQ(editor.window().Layout().part(1).x, 20);
  EXPECT_FALSE(editor.window().PartButton(1)->isEnabled());
  EXPECT_TRUE(editor.window().isWindowModified());
  EXPECT_EQ(editor.window().windowTitle(), "kept.hqd[*] - Vorlune");
  // The child's copy is gone; the editor's own stands in for it.
  EXPECT_EQ(RecoveryFolder().entryList({"*.hqd"}),
            QStringList{QString::fromStdString(editor.window().Recovery().Path().filename().string())});

  // A damaged copy is refused with the Load message and removed; nothing else goes.
  QFile damaged(RecoveryFolder().filePath("editor-1-1.hqd"));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write(QByteArray(5000, 'x'));
  damaged.close();
  EditorSession later;
  later.window().OfferRecoveryCopies();
  ASSERT_EQ(later.prompts.messages.size(), 1u);
  EXPECT_EQ(later.prompts.messages[0].text.rfind("Error : ", 0), 0u);
  EXPECT_TRUE(later.prompts.restoreOffers.isEmpty());
  EXPECT_FALSE(damaged.exists());
  EXPECT_TRUE(QFile::exists(QString::fromStdString(editor.window().Recovery().Path().string())));
}

TEST(CommandLine, OpensAProjectOrAPictureAtStart) {
  EditorSession session;
  session.window().OpenFile(testing::WriteFile(session.files, "sky.bmp", testing::RampPicture()));
  EXPECT_TRUE(session.window().Layout().backgroundLoaded);
  session.prompts.files = {session.Path("start.hqd")};
  QTest::mouseClick(session.window().Control(IDC_SAVE), Qt::LeftButton);
  EditorSession other;
  other.window().OpenFile(session.Path("start.hqd"));
  EXPECT_EQ(other.window().windowTitle(), "start.hqd[*] - Vorlune");

  // The recent list keeps eight, newest first.
  for (int i = 0; i < 10; ++i) AddRecentProject(QStringLiteral("/work/p%1.hqd").arg(i % 9));
  const QStringList recent = RecentProjects();
  EXPECT_EQ(recent.size(), 8);
  EXPECT_EQ(recent.mid(0, 2), QStringList({"/work/p0.hqd", "/work/p8.hqd"}));
}

}  // namespace
}  // namespace vorlune
