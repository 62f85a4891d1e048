#pragma once

#include <QMainWindow>
#include <memory>
#include <optional>
#include <string>

#include "dialogs/user_prompts.h"
#include "document/skin_document.h"
#include "language_choice.h"
#include "skin/skin_database_writer.h"

class QLineEdit;
class QPushButton;

namespace vorlune {

class CanvasStatus;
class CanvasView;
class CanvasViewActions;
class EditorActions;
class KindIndicator;
class PartPalette;
class PlayerWindow;
class ProblemsPanel;
class WaitCursor;

// The editor's main window: views of one SkinDocument. The canvas shows the
// skin, the palette offers the part kinds, the indicator and the line beside
// it show what is being placed. The window turns clicks, keys and menu
// commands into operations of the document, asks the user what they need
// (files, colours, answers), and shows what the document's change
// notification names; it keeps no state of the skin of its own.
class EditorWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Without `prompts` the platform's message boxes and file dialogs are used.
  explicit EditorWindow(UserPrompts* prompts = nullptr, QWidget* parent = nullptr);
  ~EditorWindow() override;

  const SkinDocument& Document() const { return document_; }
  CanvasView* Canvas() const { return canvas_; }
  PartPalette* Palette() const { return palette_; }
  KindIndicator* Indicator() const { return indicator_; }
  QLineEdit* PlacementLine() const { return placementLine_; }
  QPushButton* ImageButton() const { return imageButton_; }
  QPushButton* SaveButton() const { return saveButton_; }
  QPushButton* LoadButton() const { return loadButton_; }
  QPushButton* CreateButton() const { return createButton_; }
  EditorActions& Actions() const { return *actions_; }
  ProblemsPanel* Problems() const { return problems_; }
  CanvasViewActions& ViewActions() const { return *viewActions_; }
  CanvasStatus& StatusReadout() const { return *status_; }
  UserPrompts& Prompts() { return *prompts_; }

  // The clock that stamps the skins Create writes; tests pin it.
  void SetClock(UnixClock clock) { clock_ = std::move(clock); }

  // The Image and Load commands on a file chosen elsewhere (dropped on the
  // window), with the same checks and messages as after their file dialogs.
  // With `askOptions` any picture, a 320 x 320 BMP too, goes through the import
  // options dialog; without it only pictures other than BMPs do.
  void ImportBackgroundFrom(const QString& path, bool askOptions = false);
  // A .pdb loads as the project the skin database was made from.
  void LoadProjectFrom(const QString& path);
  // A file named on the command line: a project (.hqd) or skin (.pdb) is
  // loaded as Load does, after the unsaved-changes question; anything else is
  // imported as a picture as Image does.
  void OpenFile(const QString& path);
  // Offers the recovery copies that editors no longer running left behind.
  void OfferRecoveryCopies();

  // The commands of the buttons, the menus and their shortcuts.
  // Image; with Shift held it asks for the import options, as ImportBackgroundWithOptions.
  void ImportBackground();
  void ImportBackgroundWithOptions();
  void LoadProject();
  // Save; true when the project was written.
  bool SaveProject();
  void CreateSkin();
  // One project per chosen picture, in a chosen folder, with the layout as it
  // stands and the import options last used (layout_batch_command.cpp).
  void ApplyLayoutToPictures();
  void ShowAbout();
  // The player window, made the first time; shown and raised.
  void ShowPlayer();
  PlayerWindow* Player() const { return player_.get(); }
  // The language menu's choice, remembered for the next start.
  void ChooseLanguage(Language language);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // editor_window_widgets.cpp: the controls, their layout and Tab order.
  void CreateWidgets();
  QWidget* CreateCommandRow();
  void ConnectCommands();
  // The problems dock below the canvas, its View-menu entry and its counter.
  void CreateProblemsPanel();

  // Brings the controls and the title in line with what the document changed.
  void ShowChange(const DocumentChange& change);
  void ShowTitle();
  // The indicator line: the reason a shown position is refused, else a hint
  // about the last command, else the document's text.
  void ShowPlacementLine();
  // A hint the indicator line shows until the next command.
  void ShowCommandHint(const QString& hint);
  // Shows what a placement event asks of the user: its message, then the
  // property dialog, whose answer goes back to the document.
  void AnswerPlacement(const PlacementReply& reply);
  void ShowMessage(const UserMessage& message);
  // Asks "変更を保存しますか?" when there is unsaved work. False when the
  // work must stay (Cancel, or a save that did not happen).
  bool MaySetAsideChanges();
  // The end of every successful conversion: the document takes the picture.
  void InstallBackground(ImportedBackground imported);
  // Create's file dialog, shown again until the name can also be the
  // database name. False when the user cancels.
  bool ChooseSkinFile(QString& path, std::string& databaseName);
  // Create's database information dialog; every OK stores the texts in the
  // document, also when Create goes no further. True when all three are given.
  bool RequestDatabaseTexts();
  // Load of a skin database: the question for one this editor did not make.
  bool LoadSkinFrom(const QString& path, WaitCursor& wait);

  SkinDocument document_;
  std::unique_ptr<UserPrompts> ownPrompts_;
  UserPrompts* prompts_ = nullptr;
  EditorActions* actions_ = nullptr;
  CanvasView* canvas_ = nullptr;
  CanvasViewActions* viewActions_ = nullptr;
  CanvasStatus* status_ = nullptr;
  PartPalette* palette_ = nullptr;
  KindIndicator* indicator_ = nullptr;
  QLineEdit* placementLine_ = nullptr;
  QPushButton* imageButton_ = nullptr;
  QPushButton* saveButton_ = nullptr;
  QPushButton* loadButton_ = nullptr;
  QPushButton* createButton_ = nullptr;
  ProblemsPanel* problems_ = nullptr;
  QString commandHint_;
  UnixClock clock_ = SystemUnixSeconds;
  // The import options dialog's last choices, for the layout batch.
  int subscription_ = 0;
  // Watches the document, so it goes before it.
  std::unique_ptr<PlayerWindow> player_;
};

}  // namespace vorlune
