#pragma once

#include <QObject>
#include <array>
#include <optional>

#include "language_choice.h"
#include "layout/layout_history.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace vorlune {

// The editor's commands as actions with their shortcuts, shared by the menu
// bar, the window's context menu and the command buttons' tooltips. The
// window connects each action to its command.
class EditorActions : public QObject {
  Q_OBJECT

 public:
  enum Command {
    Image,
    ImageWithOptions,
    Load,
    Save,
    Create,
    ApplyLayout,
    Quit,
    Undo,
    Redo,
    About,
    kCommands
  };

  // The actions act while `window` or any of its controls is active.
  explicit EditorActions(QWidget* window);

  QAction* Action(Command command) const { return actions_.at(command); }

  // ファイル, 編集, 表示 and ヘルプ. The View menu is kept for later entries.
  void FillMenuBar(QMenuBar& bar);
  QMenu* ViewMenu() const { return viewMenu_; }
  // Opens the player window (View menu, Ctrl+P, context menu).
  QAction* PlayerAction() const { return playerAction_; }
  // The menu the window opens beside the canvas: undo and redo, the recent
  // projects, the import with options, the about box and the language.
  void ShowContextMenu(QWidget* owner, QPoint globalPosition);

  // Undo and redo name the step they would take ("元に戻す: 部品の配置").
  // Undo also stays on while a part is lifted: it lets the part go first.
  void ShowHistory(std::optional<LayoutAction> undo, std::optional<LayoutAction> redo, bool partLifted);
  QString UndoText() const;
  QString RedoText() const;

 signals:
  void recentProjectChosen(const QString& path);
  void languageChosen(vorlune::Language language);

 private:
  void FillRecentProjects();
  void FillLanguages();

  std::array<QAction*, kCommands> actions_{};
  QMenu* recentMenu_ = nullptr;
  QMenu* languageMenu_ = nullptr;
  QMenu* viewMenu_ = nullptr;
  QAction* playerAction_ = nullptr;
};

}  // namespace vorlune
