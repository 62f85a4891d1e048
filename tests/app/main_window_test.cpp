#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "app/main_window_template.h"
#include "app/part_button.h"
#include "app/qt_pictures.h"
#include "app/skin_editor_app.h"
#include "app/skin_editor_dlg.h"
#include "app_test_support.h"

namespace vorlune {
namespace {

using testing::EnsureApplication;
using testing::OnNextModal;
using testing::ScriptedPrompts;

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override { EnsureApplication(); }
  ScriptedPrompts prompts;
};

TEST_F(MainWindow, StartsWithAnEmptyEditAllPartButtonsEnabledAndAGreyCanvas) {
  CSkinEditorDlg window(&prompts);
  EXPECT_EQ(window.windowTitle(), "Vorlune[*]");
  auto* edit = qobject_cast<QLineEdit*>(window.Control(IDC_PLACEMENT_TEXT));
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(edit->text().isEmpty());
  EXPECT_TRUE(edit->isReadOnly());
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    auto* button = qobject_cast<CBitmapButton*>(window.Control(1001 + k));
    ASSERT_NE(button, nullptr) << k;
    EXPECT_TRUE(button->isEnabled());
    EXPECT_EQ(button->size(), QSize(42, 35));
    EXPECT_EQ(button->text(), QStringLiteral("IDB_ITEM%1").arg(k));
  }
  EXPECT_FALSE(window.Layout().backgroundLoaded);
  EXPECT_EQ(window.Placement().currentKind, 0);
  EXPECT_EQ(window.Layout().placedCount, 0u);

  const QImage client = window.grab().toImage();
  for (int y = 15; y < 345; y += 7)
    for (int x = 15; x < 345; x += 7) ASSERT_EQ(client.pixel(x, y), qRgb(128, 128, 128)) << x << "," << y;
  EXPECT_EQ(client.pixel(300, 380), qRgb(128, 128, 128));
}

// Where each control sits is the window template's table; what matters is that
// none covers the canvas, the indicator or another control.
TEST_F(MainWindow, ControlsStayClearOfCanvasIndicatorAndEachOther) {
  CSkinEditorDlg window(&prompts);
  const QList<QWidget*> controls = window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
  EXPECT_EQ(controls.size(), 35);
  for (QWidget* a : controls) {
    EXPECT_FALSE(a->geometry().intersects(kCanvasFrameArea)) << a->objectName().toStdString();
    EXPECT_FALSE(a->geometry().intersects(kIndicatorArea)) << a->objectName().toStdString();
    for (QWidget* b : controls)
      if (a != b) {
        EXPECT_FALSE(a->geometry().intersects(b->geometry())) << a->objectName().toStdString();
      }
  }
}

TEST_F(MainWindow, PartButtonShowsItsTextAndIndicatorAndRepaintsOnlyTheIndicator) {
  CSkinEditorDlg window(&prompts);
  window.show();
  QSignalSpy invalidated(&window, &CSkinEditorDlg::areaInvalidated);
  QTest::mouseClick(window.Control(1002), Qt::LeftButton);
  EXPECT_EQ(window.Placement().currentKind, 1);
  EXPECT_EQ(qobject_cast<QLineEdit*>(window.Control(1033))->text(), QStringLiteral("再生ボタンを配置します"));
  ASSERT_EQ(invalidated.count(), 1);
  EXPECT_EQ(invalidated.at(0).at(0).toRect(), QRect(280, 366, 42, 35));

  // The indicator shows the kind's down picture, even with no picture imported.
  const QImage client = window.grab().toImage();
  const QImage& down = ButtonPictureImage(1, ButtonPictureState::Down);
  for (int y = 0; y < 35; ++y)
    for (int x = 0; x < 42; ++x) ASSERT_EQ(client.pixel(280 + x, 366 + y), down.pixel(x, y));

  QTest::mouseClick(window.Control(1002), Qt::LeftButton);
  EXPECT_EQ(window.Placement().currentKind, 0);
  EXPECT_TRUE(qobject_cast<QLineEdit*>(window.Control(1033))->text().isEmpty());
  EXPECT_EQ(window.grab().toImage().pixel(300, 380), qRgb(128, 128, 128));
}

TEST_F(MainWindow, PartButtonPaintsItsThreePictures) {
  CSkinEditorDlg window(&prompts);
  CBitmapButton* button = window.PartButton(13);
  const QImage up = button->grab().toImage();
  EXPECT_EQ(up.pixel(20, 17), ButtonPictureImage(13, ButtonPictureState::Up).pixel(20, 17));
  button->setDown(true);
  EXPECT_EQ(button->grab().toImage().pixel(0, 0), qRgb(0, 255, 0));
  button->setDown(false);
  button->setEnabled(false);
  EXPECT_EQ(button->grab().toImage().pixel(0, 0), qRgb(192, 192, 192));
}

TEST_F(MainWindow, F1AndTheContextMenuOpenTheAboutBox) {
  CSkinEditorDlg window(&prompts);
  window.show();
  QString caption, version;
  bool iconShown = false;
  auto readAbout = [&](QWidget* about) {
    caption = about->windowTitle();
    version = about->findChild<QLabel*>("version")->text();
    iconShown = !about->findChild<QLabel*>("icon128")->pixmap().isNull();
    QTest::mouseClick(about->findChild<QPushButton*>("1"), Qt::LeftButton);
  };
  OnNextModal(readAbout);
  QTest::keyClick(&window, Qt::Key_F1);
  EXPECT_EQ(caption, QStringLiteral("Vorluneのﾊﾞｰｼﾞｮﾝ情報"));
  EXPECT_EQ(version, QStringLiteral("Vorlune Version 0.23"));
  EXPECT_TRUE(iconShown);

  caption.clear();
  QString item;
  OnNextModal([&](QWidget* popup) {
    auto* menu = qobject_cast<QMenu*>(popup);
    ASSERT_NE(menu, nullptr);
    // The about item comes last but one, before the language menu.
    QAction* about = menu->actions().at(menu->actions().size() - 2);
    item = about->text();
    OnNextModal(readAbout);
    menu->setActiveAction(about);
    QTest::keyClick(menu, Qt::Key_Return);
  });
  QContextMenuEvent outside(QContextMenuEvent::Mouse, QPoint(100, 400), window.mapToGlobal(QPoint(100, 400)));
  QApplication::sendEvent(&window, &outside);
  EXPECT_EQ(item, QStringLiteral("Vorlune のﾊﾞｰｼﾞｮﾝ情報(&A)..."));
  EXPECT_EQ(caption, QStringLiteral("Vorluneのﾊﾞｰｼﾞｮﾝ情報"));
}

TEST_F(MainWindow, ContextMenuIsNotOfferedOnTheCanvas) {
  CSkinEditorDlg window(&prompts);
  window.show();
  QContextMenuEvent onCanvas(QContextMenuEvent::Mouse, QPoint(100, 100),
                             window.mapToGlobal(QPoint(100, 100)));
  QApplication::sendEvent(&window, &onCanvas);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(MainWindow, EscapeDoesNotEndTheEditor) {
  CSkinEditorDlg window(&prompts);
  window.show();
  QTest::keyClick(&window, Qt::Key_Escape);
  QTest::keyClick(window.Control(1033), Qt::Key_Escape);
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(QDir(window.TemporaryFolderPath()).exists());
}

TEST_F(MainWindow, ClosingRemovesThePrivateTemporaryFolder) {
  CSkinEditorDlg window(&prompts);
  window.show();
  const QString folder = window.TemporaryFolderPath();
  ASSERT_FALSE(folder.isEmpty());
  EXPECT_TRUE(QDir(folder).exists());
  EXPECT_TRUE(window.TemporaryPicturePath().endsWith("/harmoniquest0tempfile.$$$"));
  QFile(window.TemporaryPicturePath()).open(QIODevice::WriteOnly);
  EXPECT_TRUE(window.close());
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(QDir(folder).exists());
}

TEST_F(MainWindow, TwoEditorsKeepTheirPicturesApart) {
  CSkinEditorDlg first(&prompts);
  CSkinEditorDlg second(&prompts);
  EXPECT_NE(first.TemporaryFolderPath(), second.TemporaryFolderPath());
  const QString folder = first.TemporaryFolderPath();
  { CSkinEditorDlg third(&prompts); }
  EXPECT_TRUE(QDir(folder).exists());
}

TEST_F(MainWindow, TheApplicationRunsTheWindowUntilItClosesAndReturnsFalse) {
  QString folder;
  OnNextModal([&](QWidget* window) {
    folder = static_cast<CSkinEditorDlg*>(window)->TemporaryFolderPath();
    window->close();
  });
  CSkinEditorApp application;
  EXPECT_FALSE(application.InitInstance());
  ASSERT_FALSE(folder.isEmpty());
  EXPECT_FALSE(QDir(folder).exists());
}

}  // namespace
}  // namespace vorlune
