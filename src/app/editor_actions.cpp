#include "editor_actions.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

#include "recent_projects.h"

namespace vorlune {

namespace {

QString ActionText(LayoutAction action) {
  switch (action) {
    case LayoutAction::PlacePart:
      return EditorActions::tr("部品の配置");
    case LayoutAction::MovePart:
      return EditorActions::tr("部品の移動");
    case LayoutAction::RemovePart:
      return EditorActions::tr("部品の削除");
    case LayoutAction::RecolorPart:
      return EditorActions::tr("色の変更");
    case LayoutAction::ImportBackground:
      return EditorActions::tr("背景画像の読み込み");
    case LayoutAction::EditDatabaseInfo:
      return EditorActions::tr("データベース情報の変更");
  }
  return {};
}

struct CommandEntry {
  const char* name;  // the action's object name
  const char* text;
  QList<QKeySequence> keys;
  QAction::MenuRole role = QAction::NoRole;
};

}  // namespace

EditorActions::EditorActions(QWidget* window) : QObject(window) {
  const CommandEntry entries[kCommands] = {
      {"imageAction", QT_TR_NOOP("画像(&I)..."), {QKeySequence(Qt::CTRL | Qt::Key_I)}},
      {"imageWithOptionsAction", QT_TR_NOOP("画像を取り込む（オプション指定）..."), {}},
      {"loadAction", QT_TR_NOOP("読み込み(&O)..."), {QKeySequence(Qt::CTRL | Qt::Key_O)}},
      {"saveAction", QT_TR_NOOP("保存(&S)..."), {QKeySequence(Qt::CTRL | Qt::Key_S)}},
      {"createAction", QT_TR_NOOP("作成(&E)..."), {QKeySequence(Qt::CTRL | Qt::Key_E)}},
      {"applyLayoutAction", QT_TR_NOOP("レイアウトを別の画像に適用..."), {}},
      {"quitAction", QT_TR_NOOP("終了(&Q)"), {QKeySequence(Qt::CTRL | Qt::Key_Q)}, QAction::QuitRole},
      {"undoAction", "", {QKeySequence(Qt::CTRL | Qt::Key_Z)}},
      {"redoAction",
       "",
       {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}},
      {"aboutAction",
       QT_TR_NOOP("Vorlune のﾊﾞｰｼﾞｮﾝ情報(&A)..."),
       {QKeySequence(Qt::Key_F1)},
       QAction::AboutRole},
  };
  for (int c = 0; c < kCommands; ++c) {
    auto* action = new QAction(tr(entries[c].text), window);
    action->setObjectName(QString::fromLatin1(entries[c].name));
    action->setShortcuts(entries[c].keys);
    action->setMenuRole(entries[c].role);
    // The actions act from anywhere in the window, menu bar shown or not.
    window->addAction(action);
    actions_[static_cast<std::size_t>(c)] = action;
  }
  recentMenu_ = new QMenu(tr("最近使ったプロジェクト"), window);
  recentMenu_->setObjectName(QStringLiteral("recentProjects"));
  // Named in both languages, so that anyone finds the way back.
  languageMenu_ = new QMenu(QStringLiteral("Language / 言語"), window);
  languageMenu_->setObjectName(QStringLiteral("languageMenu"));
  connect(languageMenu_, &QMenu::aboutToShow, this, &EditorActions::FillLanguages);
  FillRecentProjects();
  FillLanguages();

  playerAction_ = new QAction(tr("再生シミュレーション(&P)"), window);
  playerAction_->setObjectName(QStringLiteral("playerAction"));
  playerAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  window->addAction(playerAction_);

  ShowHistory(std::nullopt, std::nullopt, false);
}

void EditorActions::FillMenuBar(QMenuBar& bar) {
  QMenu* file = bar.addMenu(tr("ファイル(&F)"));
  file->setObjectName(QStringLiteral("fileMenu"));
  file->addActions({Action(Image), Action(ImageWithOptions)});
  file->addSeparator();
  file->addAction(Action(Load));
  file->addMenu(recentMenu_);
  file->addActions({Action(Save), Action(Create)});
  file->addSeparator();
  file->addAction(Action(ApplyLayout));
  file->addSeparator();
  file->addAction(Action(Quit));
  connect(file, &QMenu::aboutToShow, this, &EditorActions::FillRecentProjects);

  QMenu* edit = bar.addMenu(tr("編集(&E)"));
  edit->setObjectName(QStringLiteral("editMenu"));
  edit->addActions({Action(Undo), Action(Redo)});

  viewMenu_ = bar.addMenu(tr("表示(&V)"));
  viewMenu_->setObjectName(QStringLiteral("viewMenu"));
  viewMenu_->addMenu(languageMenu_);

  viewMenu_->addSeparator();
  viewMenu_->addAction(playerAction_);

  QMenu* help = bar.addMenu(tr("ヘルプ(&H)"));
  help->setObjectName(QStringLiteral("helpMenu"));
  help->addAction(Action(About));
}

void EditorActions::ShowContextMenu(QWidget* owner, QPoint globalPosition) {
  FillRecentProjects();
  QMenu menu(owner);
  menu.setObjectName(QStringLiteral("windowMenu"));
  menu.addActions({Action(Undo), Action(Redo)});
  menu.addMenu(recentMenu_);
  menu.addAction(Action(ImageWithOptions));
  menu.addSeparator();
  menu.addAction(Action(About));
  menu.addMenu(languageMenu_);
  menu.addAction(playerAction_);
  menu.exec(globalPosition);
}

void EditorActions::FillRecentProjects() {
  recentMenu_->clear();
  const QStringList recent = RecentProjects();
  recentMenu_->setEnabled(!recent.isEmpty());
  for (int i = 0; i < recent.size(); ++i) {
    const QString path = recent[i];
    QAction* action =
        recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
    action->setToolTip(path);
    connect(action, &QAction::triggered, this, [this, path] { emit recentProjectChosen(path); });
  }
}

void EditorActions::FillLanguages() {
  languageMenu_->clear();
  // Checked: the language of the next start, as far as the menu decides it.
  const Language next = LanguageNamed(RememberedLanguage()).value_or(RunningLanguage());
  const struct {
    Language language;
    const char* name;  // in its own language
  } entries[] = {{Language::Japanese, "日本語"}, {Language::English, "English"}};
  for (const auto& entry : entries) {
    QAction* action = languageMenu_->addAction(QString::fromUtf8(entry.name));
    action->setCheckable(true);
    action->setChecked(entry.language == next);
    const Language language = entry.language;
    connect(action, &QAction::triggered, this, [this, language] { emit languageChosen(language); });
  }
}

void EditorActions::ShowHistory(std::optional<LayoutAction> undo, std::optional<LayoutAction> redo,
                                bool partLifted) {
  Action(Undo)->setText(undo ? tr("元に戻す: %1").arg(ActionText(*undo)) : tr("元に戻す"));
  Action(Undo)->setEnabled(undo.has_value() || partLifted);
  Action(Redo)->setText(redo ? tr("やり直し: %1").arg(ActionText(*redo)) : tr("やり直し"));
  Action(Redo)->setEnabled(redo.has_value());
}

QString EditorActions::UndoText() const {
  return Action(Undo)->text();
}

QString EditorActions::RedoText() const {
  return Action(Redo)->text();
}

}  // namespace vorlune
