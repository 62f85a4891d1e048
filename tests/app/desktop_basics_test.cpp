#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "app/main_window_template.h"
#include "session_support.h"

namespace vorlune {
namespace {

using testing::EditorSession;
using testing::ModalScript;
using testing::RampPicture;
using testing::WriteFile;

class DesktopBasics : public ::testing::Test {
 protected:
  void SetUp() override {
    session.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&session.window()));
  }

  // Drops the files on the canvas; true when the window took the drag.
  bool Drop(const QStringList& paths) { return DropOn(session.window(), paths); }
  static bool DropOn(CSkinEditorDlg& window, const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths) urls.push_back(QUrl::fromLocalFile(path));
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    QApplication::processEvents();  // the command runs once the drop has ended
    return true;
  }

  EditorSession session;
};

TEST_F(DesktopBasics, ShortcutsRunTheFourCommands) {
  QTest::keyClick(&session.window(), Qt::Key_S, Qt::ControlModifier);  // no picture yet
  ASSERT_EQ(session.prompts.messages.size(), 1u);
  EXPECT_EQ(session.prompts.messages[0].text, "背景画像を読み込んでから保存して下さい\n保存できませんでした");

  session.prompts.files = {WriteFile(session.files, "ramp.bmp", RampPicture())};
  QTest::keyClick(&session.window(), Qt::Key_I, Qt::ControlModifier);
  EXPECT_TRUE(session.window().Layout().backgroundLoaded);

  QTest::keyClick(&session.window(), Qt::Key_E, Qt::ControlModifier);  // Play and Stop missing
  EXPECT_EQ(session.prompts.messages.back().text,
            "再生ボタンと停止ボタンを必ず配置して下さい\n作成できませんでした");

  session.prompts.files = {session.Path("a.hqd")};
  QTest::keyClick(&session.window(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(session.prompts.requests.back().filter, "Harmoniquest data file(*.hqd)");
  session.prompts.files = {QString()};  // cancelled
  QTest::keyClick(&session.window(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(session.prompts.requests.back().filter,
            "Harmoniquest file (*.hqd);;Database for Harmoniquest (*.pdb)");
  EXPECT_EQ(session.window().Control(IDC_SAVE)->toolTip(),
            QKeySequence(Qt::CTRL | Qt::Key_S).toString(QKeySequence::NativeText));
}

TEST_F(DesktopBasics, DroppingAPictureImportsItAndAProjectLoadsIt) {
  EXPECT_TRUE(Drop({WriteFile(session.files, "Sky.BMP", RampPicture())}));
  EXPECT_TRUE(session.window().Layout().backgroundLoaded);
  EXPECT_TRUE(session.prompts.requests.empty());  // no file dialog

  ModalScript script;
  script.Then(testing::ChooseColours({}));
  session.Place(1, 20, 251);
  session.prompts.files = {session.Path("drop.hqd")};
  QTest::mouseClick(session.window().Control(IDC_SAVE), Qt::LeftButton);

  EditorSession other;
  ASSERT_TRUE(DropOn(other.window(), {session.Path("drop.hqd")}));
  EXPECT_TRUE(other.window().Layout().placed(1));
  EXPECT_FALSE(other.window().PartButton(1)->isEnabled());
  EXPECT_EQ(other.window().windowTitle(), "drop.hqd[*] - Vorlune");
}

TEST_F(DesktopBasics, OtherDropsAreRefusedAndABadPictureIsReportedAsByTheCommand) {
  EXPECT_FALSE(Drop({WriteFile(session.files, "notes.txt", {1, 2, 3})}));
  EXPECT_FALSE(Drop({session.Path("a.bmp"), session.Path("b.bmp")}));
  EXPECT_TRUE(Drop({WriteFile(session.files, "broken.bmp", {'B', 'M', 0, 0})}));
  ASSERT_EQ(session.prompts.messages.size(), 1u);
  EXPECT_EQ(session.prompts.messages[0].text.rfind("Error : ", 0), 0u);
  EXPECT_FALSE(session.window().Layout().backgroundLoaded);
  EXPECT_EQ(session.window().windowTitle(), "Vorlune[*]");
}

}  // namespace
}  // namespace vorlune
