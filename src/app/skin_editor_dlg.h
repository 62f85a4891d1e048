#pragma once

#include <QDialog>
#include <QIcon>
#include <QImage>
#include <array>
#include <memory>
#include <string>

#include "dialogs/user_prompts.h"
#include "image/background_import.h"
#include "language_choice.h"
#include "layout/layout_history.h"
#include "layout/placement_editor.h"
#include "layout/placement_rules.h"
#include "layout/placement_state.h"
#include "layout/skin_layout.h"
#include "part_button.h"
#include "recovery_copy.h"
#include "skin/skin_database_writer.h"
#include "temporary_picture_folder.h"

class QLineEdit;
class QMenu;
class QPushButton;

namespace vorlune {

class WaitCursor;

// The about item of the system menu and of the window's context menu.
inline constexpr int IDM_ABOUTBOX = 0x0010;
inline constexpr char kAboutMenuText[] =
    QT_TRANSLATE_NOOP("vorlune::CSkinEditorDlg", "Vorlune のﾊﾞｰｼﾞｮﾝ情報(&A)...");

// The main editor window. It owns the skin layout, the placement state, the
// part buttons and the temporary picture file for the life of the program;
// every command is one of its handlers.
class CSkinEditorDlg : public QDialog {
  Q_OBJECT

 public:
  // Without `prompts` the platform's message boxes and file dialogs are used.
  explicit CSkinEditorDlg(UserPrompts* prompts = nullptr, QWidget* parent = nullptr);
  ~CSkinEditorDlg() override;

  // Sets up the layout, the part buttons and edit 1033; run by the constructor.
  bool OnInitDialog();

  // The control with the given id (1000..1034), or null.
  QWidget* Control(int id) const;
  CBitmapButton* PartButton(PartKind k) const;

  SkinLayout& Layout() { return m_layout; }
  PlacementState& Placement() { return m_placement; }
  QString TemporaryPicturePath() const { return m_temporaryFolder.picturePath(); }
  QString TemporaryFolderPath() const { return m_temporaryFolder.folderPath(); }
  UserPrompts& Prompts() { return *m_prompts; }
  const LayoutHistory& History() const { return m_history; }
  // The recovery copy this editor writes after every change.
  const RecoveryCopy& Recovery() const { return m_recovery; }

  // The clock that stamps the skins Create writes; tests pin it.
  void SetClock(UnixClock clock) { m_clock = std::move(clock); }
  // The project file last saved or loaded; empty before either.
  QString ProjectPath() const { return m_projectPath; }

  // Invalidates a client rectangle without erasing and repaints it at once.
  void InvalidateArea(const QRect& area);

  // Opens the about box for IDM_ABOUTBOX.
  void OnSysCommand(int commandId);

  // Mouse on the window, in client pixels.
  void OnLButtonDown(ClientPoint point);
  void OnMouseMove(ClientPoint point);
  void OnRButtonDown(ClientPoint point);

  // Runs the property dialog of kind k on its row's colours.
  void RunPropertyDialog(PartKind k);

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

  // The "Language / 言語" entries of the window's menu: the language is
  // remembered for the next start.
  void OnChooseLanguage(Language language);

  // Frees the picture buffers and removes the temporary picture file and its folder.
  void OnClose();

  // The Save command; true when the project was written.
  bool SaveProject();
  // Asks "変更を保存しますか?" when the layout has unsaved changes. False
  // when the work must stay (Cancel, or a save that did not happen).
  bool MaySetAsideChanges();
  // Offers the recovery copies that editors no longer running left behind.
  void OfferRecoveryCopies();
  // The menu text of the next undo or redo ("元に戻す: 部品の配置").
  QString UndoText() const;
  QString RedoText() const;

 public slots:
  void OnPartButton(PartKind k);
  void OnImportBackground();
  // The Image command with the import options dialog for any picture (Shift+Image).
  void OnImportBackgroundWithOptions();
  void OnCreateSkin();
  void OnSaveProject();
  void OnLoadProject();
  void OnUndo();
  void OnRedo();

 private:
  // The end of every successful import: temporary file, layout, placement state.
  void InstallBackground(ImportedBackground imported);

 signals:
  // Every rectangle a handler invalidates, in client pixels.
  void areaInvalidated(const QRect& area);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
#ifdef Q_OS_WIN
  bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

 private:
  void CreateControls();
  void AppendAboutToSystemMenu();
  void CreateShortcuts();
  // The window title names the project file once one was saved or loaded.
  void SetProjectPath(const QString& path);
  // The layout a Load of `path` gives: a project file, or the project a skin
  // database was made from (a skin this editor did not make only when the user
  // agrees). None after the refusal was shown or the user declined.
  std::optional<SkinLayout> ReadLayoutToLoad(const QString& path, bool skin, WaitCursor& wait);
  // The Create command's file dialog, shown again until the name can also be
  // the database name. False when the user cancels.
  bool ChooseSkinFile(QString& path, std::string& databaseName);
  void ShowMessage(const UserMessage& message);
  // Carries out what a placement event asks of the window.
  void ApplyPlacementEffects(const PlacementEffects& effects);
  // Records what the last command changed in the layout as one undoable step.
  void RecordLayoutChange();
  // Brings the title mark and the recovery copy in line with the history.
  void HistoryChanged();
  // A part lifted or being placed is let go as a right click does.
  void EndPlacement();
  // The layout after an undo or redo: temporary picture, placement state, menus.
  void ShowHistoryStep(const std::optional<LayoutHistory::Applied>& applied);
  void CreateHistoryShortcuts();
  // The last projects saved or loaded, each a Load of that file.
  void AddRecentProjectsMenu(QMenu& menu);
  void RememberRecentProject(const QString& path);
  void InstallKeyboardPlacement();
  // Arrow keys, Enter, Space and Escape while a part is lifted or being placed.
  bool PlacementKey(QKeyEvent* event);
  bool eventFilter(QObject* watched, QEvent* event) override;

  SkinLayout m_layout;
  PlacementState m_placement;
  PlacementEditor m_placementEditor{m_layout, m_placement};
  LayoutHistory m_history{m_layout};
  RecoveryCopy m_recovery;
  std::array<CBitmapButton*, kLayoutRows> m_partButtons{};
  QLineEdit* m_placementText = nullptr;
  QIcon m_hIcon;
  std::unique_ptr<UserPrompts> m_ownPrompts;
  UserPrompts* m_prompts = nullptr;
  TemporaryPictureFolder m_temporaryFolder;
  QImage m_client;  // off-screen picture of the client area
  UnixClock m_clock = SystemUnixSeconds;
  QString m_projectPath;
  bool m_closed = false;
};

}  // namespace vorlune
