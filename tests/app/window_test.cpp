#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

#include "app/editor_actions.h"
#include "app/kind_indicator.h"
#include "session_support.h"

namespace vorlune {
namespace {

using namespace testing;

// The entries made in some folders (created or moved in), from construction on.
class CreatedEntries {
 public:
  explicit CreatedEntries(const QStringList& folders) : fd_(inotify_init1(IN_NONBLOCK)) {
    for (const QString& folder : folders)
      folders_[inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_CREATE | IN_MOVED_TO)] =
          folder;
  }
  ~CreatedEntries() { close(fd_); }

  // Every entry made since the last call, as "folder/name".
  QStringList Take() {
    QStringList names;
    alignas(inotify_event) char buffer[16384];
    for (ssize_t length; (length = read(fd_, buffer, sizeof buffer)) > 0;) {
      for (char* at = buffer; at < buffer + length;) {
        const auto* event = reinterpret_cast<const inotify_event*>(at);
        names << folders_.value(event->wd) + "/" + QFile::decodeName(event->len ? event->name : "");
        at += sizeof(inotify_event) + event->len;
      }
    }
    return names;
  }

 private:
  int fd_;
  QHash<int, QString> folders_;
};

// No picture file is ever written: not in TMPDIR, the current folder or /tmp.
TEST(WindowRun, NoTemporaryPictureIsEverWritten) {
  EditorSession s;
  ModalScript script;
  QTemporaryDir current, temporary;
  const QString wasCurrent = QDir::currentPath();
  const QByteArray wasTemporary = qgetenv("TMPDIR");
  QDir::setCurrent(current.path());
  qputenv("TMPDIR", QFile::encodeName(temporary.path()));
  const QString picture = WriteFile(s.Path("ramp.bmp"), RampPicture());
  CreatedEntries created({current.path(), temporary.path(), "/tmp"});
  // Other programs and tests use /tmp meanwhile; there only the names the
  // editor once gave its picture and its folder count.
  const QRegularExpression ours("^/tmp/(vorlune-[A-Za-z0-9]{6}|.*harmoniquest.*|.*\\$\\$\\$.*)$",
                                QRegularExpression::CaseInsensitiveOption);
  const auto expectNothingMade = [&](const char* step) {
    QStringList made = created.Take();
    made.removeIf([&](const QString& name) {
      return QFileInfo(name).path() == "/tmp" && !ours.match(name).hasMatch();
    });
    EXPECT_TRUE(made.isEmpty()) << step << ": " << made.join(", ").toStdString();
  };

  s.prompts.files = {picture};
  s.Click(s.window().ImageButton());
  ASSERT_TRUE(s.layout().backgroundLoaded);
  expectNothingMade("import");
  script.Then(ChooseColours({{0, 1}, {1, 2}})).Then(ChooseColours({{0, 3}}));
  s.Place(1, 20, 251);
  s.Place(2, 70, 251);
  expectNothingMade("placement");
  s.Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(s.layout().placed(2));
  s.Key(Qt::Key_Y, Qt::ControlModifier);
  expectNothingMade("undo and redo");
  script.Then(PressEnter).Then(FillInfo("Sky", "Mika", "1")).Then(PressEnter);
  s.prompts.files = {s.Path("sky.pdb")};
  s.Click(s.window().CreateButton());
  EXPECT_TRUE(QFile::exists(s.Path("sky.pdb")));
  expectNothingMade("Create");
  EXPECT_EQ(QDir(s.files.path()).entryList(QDir::Files), QStringList({"ramp.bmp", "sky.pdb"}));
  EXPECT_EQ(script.Unexpected(), 0);

  QDir::setCurrent(wasCurrent);
  qputenv("TMPDIR", wasTemporary);
}

TEST(WindowRun, ResizesAndMaximisesWithTheCanvasCentred) {
  EditorSession s;
  EditorWindow& w = s.window();
  Import(s, RampPicture());
  const auto expectCentred = [&](const char* state) {
    const QRect view = s.Canvas()->rect(), skin = s.Canvas()->ViewRect(kWholeSkin);
    EXPECT_LE((skin.center() - view.center()).manhattanLength(), 2) << state;
    for (const QWidget* shown :
         std::initializer_list<const QWidget*>{s.Canvas(), w.Palette(), w.PlacementLine()})
      EXPECT_TRUE(w.rect().contains(QRect(shown->mapTo(&w, QPoint()), shown->size()))) << state;
  };
  const QSize normal = w.size();
  expectCentred("default");
  EXPECT_EQ(s.Canvas()->size(), QSize(330, 330));

  w.resize(1100, 900);
  EXPECT_EQ(w.size(), QSize(1100, 900));
  expectCentred("resized");
  ModalScript script;
  script.Then(ChooseColours({}));
  s.Place(1, 40, 61);
  EXPECT_EQ(std::pair(s.layout().part(1).x, s.layout().part(1).y), std::pair(40, 61));

  w.resize(100, 100);
  // No smaller than everything needs; only the problems list gives up rows.
  EXPECT_EQ(w.width(), normal.width());
  EXPECT_EQ(s.Canvas()->size(), QSize(330, 330));
  w.showMaximized();
  QTest::qWait(50);
  EXPECT_TRUE(w.isMaximized());
  EXPECT_GT(s.Canvas()->width(), 330);
  expectCentred("maximised");
  s.LeftClick(SkinPointFor(1, 40, 61));
  EXPECT_EQ(s.document().Placement().movingFlag, 1);
}

TEST(WindowRun, TheMenuBarRunsEveryCommand) {
  EditorSession s;
  EditorWindow& w = s.window();
  QStringList menus;
  for (QAction* menu : w.menuBar()->actions()) {
    QStringList entries;
    for (QAction* action : menu->menu()->actions()) {
      entries << (action->isSeparator() ? "-" : action->text());
      if (!action->shortcut().isEmpty()) entries.back() += " " + action->shortcut().toString();
    }
    menus << menu->text() + ": " + entries.join(", ");
  }
  EXPECT_EQ(
      menus,
      QStringList(
          {"ファイル(&F): 画像(&I)... Ctrl+I, 画像を取り込む（オプション指定）..., -, 読み込み(&O)... "
           "Ctrl+O, 最近使ったプロジェクト, 保存(&S)... Ctrl+S, 作成(&E)... Ctrl+E, -, "
           "レイアウトを別の画像に適用..., -, 終了(&Q) Ctrl+Q",
           "編集(&E): 元に戻す Ctrl+Z, やり直し Ctrl+Y",
           "表示(&V): Language / 言語, -, 再生シミュレーション(&P) Ctrl+P, 問題, -, 拡大(&I) Ctrl+=, "
           "縮小(&O) Ctrl+-, "
           "標準の倍率(&D) Ctrl+0, ウィンドウに合わせる(&W) Ctrl+9, -, ピクセルグリッド(&G), 実際の色で表示",
           "ヘルプ(&H): Vorlune のﾊﾞｰｼﾞｮﾝ情報(&A)... F1"}))
      << menus.join("\n").toStdString();
  // The texts each command shows are pinned by the editing and files runs; here each entry runs.
  const auto run = [&](EditorActions::Command command) { w.Actions().Action(command)->trigger(); };
  ModalScript script;
  script.Then(PressEscape).Then(PressEnter);  // the import options, then the about box
  const QString picture = WriteFile(s.Path("ramp.bmp"), RampPicture());
  s.prompts.files = {picture, picture, s.Path("menu.hqd"), s.Path("menu.hqd")};
  for (auto command : {EditorActions::Save, EditorActions::ImageWithOptions, EditorActions::Image,
                       EditorActions::Create, EditorActions::Save, EditorActions::Load})
    run(command);
  EXPECT_EQ(s.prompts.messages.size(), 2u);  // Save without a picture, Create without Play
  EXPECT_EQ(s.prompts.requests.size(), 4u);
  emit w.findChild<QMenu*>("fileMenu")->aboutToShow();
  QAction* recent = w.findChild<QMenu*>("recentProjects")->actions().value(0);
  ASSERT_TRUE(recent != nullptr && recent->toolTip() == s.Path("menu.hqd"));
  recent->trigger();
  EXPECT_EQ(w.windowTitle(), "menu.hqd[*] - Vorlune");
  run(EditorActions::About);
  EXPECT_EQ(script.Titles(), QStringList({"画像の取り込み", "Vorluneのﾊﾞｰｼﾞｮﾝ情報"}));
  run(EditorActions::Quit);
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(script.Unexpected(), 0);
}

TEST(WindowRun, TabWalksEveryControlAndFocusShows) {
  EditorSession s;
  EditorWindow& w = s.window();
  s.Activate();
  EXPECT_EQ(QApplication::focusWidget(), w.ImageButton());
  QStringList order{"imageButton", "saveButton", "loadButton", "createButton"}, walked;
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) order << QStringLiteral("part%1").arg(k);
  for (int i = 0; i <= 35; ++i, s.Key(Qt::Key_Tab)) walked << QApplication::focusWidget()->objectName();
  EXPECT_EQ(walked, order << "problemsList"
                          << "imageButton");
  for (QWidget* control : w.findChildren<QWidget*>()) {
    if (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisible()) continue;
    control->setFocus();
    const QImage focused = control->grab().toImage();
    w.centralWidget()->setFocus();
    EXPECT_NE(control->grab().toImage(), focused) << control->objectName().toStdString();
  }
}

}  // namespace
}  // namespace vorlune
