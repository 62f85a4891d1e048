#include <gtest/gtest.h>

#include <QTreeWidget>

#include "app/editor_actions.h"
#include "app/problem_counter.h"
#include "app/problems_panel.h"
#include "session_support.h"

namespace vorlune {
namespace {

using namespace testing;

// A double-click on a finding flashes its area, then the canvas is as before.
TEST(ProblemsRun, FollowsEditsAndUndoAndFlashesThePart) {
  EditorSession s;
  ProblemsPanel& panel = *s.window().Problems();
  ModalScript script;
  script.Then(ChooseColours({{0, 15}}));  // white text
  const auto run = [&](EditorActions::Command c) {
    return [&, c] { s.window().Actions().Action(c)->trigger(); };
  };
  const QStringList missing{
      "エラー |  | 背景画像がありません。背景画像がないとスキンを作成できません",
      "エラー | 再生ボタン | 配置されていません。作成には再生ボタンと停止ボタンが必要です",
      "エラー | 停止ボタン | 配置されていません。作成には再生ボタンと停止ボタンが必要です"};
  const QString warning =
      "警告 | 時間表示(１) | 背景とのコントラストが低い: 白 #FFFFFF 1.00:1 (必要 4.5:1, "
      "背景色 #FFFFFF が面積の 100 %)";
  const struct {
    const char* step;
    std::function<void()> edit;
    QString counter;
    QStringList rows;
  } steps[] = {
      {"fresh", [] {}, "エラー 3  警告 0", missing},
      {"white picture",
       [&] { Import(s, IndexedPicture(4, PickerTable(), [](int, int) { return std::uint8_t(15); })); },
       "エラー 2  警告 0", missing.mid(1)},
      {"white time display", [&] { s.Place(21, 40, 40); }, "エラー 2  警告 1", missing.mid(1) << warning},
      {"undo", run(EditorActions::Undo), "エラー 2  警告 0", missing.mid(1)},
      {"redo", run(EditorActions::Redo), "エラー 2  警告 1", missing.mid(1) << warning},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.step);
    step.edit();
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel.Counter()->Text() == step.counter; }, 1000))
        << panel.Counter()->Text().toStdString();
    QStringList rows;
    for (int i = 0; i < panel.List()->topLevelItemCount(); ++i) {
      const QTreeWidgetItem* item = panel.List()->topLevelItem(i);
      rows << item->toolTip(0) + " | " + item->text(0) + " | " + item->text(1);
    }
    EXPECT_EQ(rows.join("\n").toStdString(), step.rows.join("\n").toStdString());
  }

  const SkinArea a = panel.Findings().back().area;
  const QImage before = s.Skin();
  // A person's double-click: a click, then the second press that Qt reports as one.
  const QPoint row = panel.List()->visualItemRect(panel.List()->topLevelItem(2)).center();
  QTest::mouseClick(panel.List()->viewport(), Qt::LeftButton, {}, row);
  QTest::mouseDClick(panel.List()->viewport(), Qt::LeftButton, {}, row);
  const QImage flashed = s.Skin();
  EXPECT_NE(flashed.pixel(a.x + a.width / 2, a.y + a.height / 2),
            before.pixel(a.x + a.width / 2, a.y + a.height / 2));
  EXPECT_EQ(flashed.pixel(a.x + a.width + 5, a.y), before.pixel(a.x + a.width + 5, a.y));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !s.Canvas()->Flashing(); }, 2000));
  EXPECT_EQ(s.Skin(), before);
  // The View menu's entry closes the panel and brings it back.
  QAction* entry = panel.toggleViewAction();
  entry->trigger();
  EXPECT_FALSE(panel.isVisible());
  entry->trigger();
  EXPECT_TRUE(panel.isVisible() && entry->isChecked());
  EXPECT_EQ(script.Unexpected(), 0);
}

}  // namespace
}  // namespace vorlune
