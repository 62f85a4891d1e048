#include "editor_window.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>

#include "about_dialog.h"
#include "canvas_status.h"
#include "canvas_view.h"
#include "canvas_view_actions.h"
#include "checks/picker_contrast.h"
#include "dialogs/core_texts.h"
#include "dialogs/part_colors_editing.h"
#include "editor_actions.h"
#include "file_paths.h"
#include "kind_indicator.h"
#include "part_palette.h"
#include "player_window.h"
#include "problems_panel.h"
#include "qt_pictures.h"
#include "window_placement.h"

namespace vorlune {

// The document's answer to a click before any picture, as lupdate must see it.
static_assert(kImportBackgroundFirstText == QT_TRANSLATE_NOOP("Core", "先に背景画像を取り込んでください"));

EditorWindow::EditorWindow(UserPrompts* prompts, QWidget* parent)
    : QMainWindow(parent), document_(std::make_unique<RecoveryCopyWriter>()), prompts_(prompts) {
  if (prompts_ == nullptr) {
    ownPrompts_ = std::make_unique<QtUserPrompts>();
    prompts_ = ownPrompts_.get();
  }
  setWindowIcon(ApplicationQIcon());
  setAcceptDrops(true);
  setMouseTracking(true);
  actions_ = new EditorActions(this);
  actions_->FillMenuBar(*menuBar());
  CreateWidgets();
  ConnectCommands();
  CreateProblemsPanel();
  viewActions_ = new CanvasViewActions(*actions_->ViewMenu(), *canvas_);
  status_ = new CanvasStatus(*canvas_, document_, *statusBar());
  connect(canvas_, &CanvasView::statusChanged, this, &EditorWindow::ShowPlacementLine);
  subscription_ = document_.Subscribe([this](const DocumentChange& change) { ShowChange(change); });
  ShowChange(DocumentChange{~0u, {}});
  // The placement keys reach the canvas whichever control has the focus.
  installEventFilter(this);
  for (QWidget* control : centralWidget()->findChildren<QWidget*>()) control->installEventFilter(this);
}

EditorWindow::~EditorWindow() {
  document_.Unsubscribe(subscription_);
  // The views go while the document they watch is still there: Qt would
  // delete them only after the window's members. The key filter stops first:
  // the canvas's own children still send events while it is being deleted.
  QWidget* central = takeCentralWidget();
  canvas_ = nullptr;
  delete central;
  delete problems_;
}

void EditorWindow::ShowChange(const DocumentChange& change) {
  using C = DocumentChange;
  // Whatever changed the document was a command after the hint's.
  if (!commandHint_.isEmpty()) {
    commandHint_.clear();
    ShowPlacementLine();
  }
  if (change.Has(C::Placed) || change.Has(C::Placement)) palette_->ShowEnabled(document_.PartButtons());
  if (change.Has(C::Placement)) {
    indicator_->ShowKind(document_.Placement().currentKind);
    ShowPlacementLine();
  }
  if (change.Has(C::History) || change.Has(C::Placement)) {
    actions_->ShowHistory(document_.UndoAction(), document_.RedoAction(),
                          document_.Placement().movingFlag != 0);
  }
  if (change.Has(C::Modified)) setWindowModified(document_.Modified());
  if (change.Has(C::Path)) ShowTitle();
}

void EditorWindow::ShowPlacementLine() {
  // Why the part cannot go where it is shown, else what the document says.
  const QString refusal = canvas_->RefusalLine();
  placementLine_->setText(!refusal.isEmpty()        ? refusal
                          : !commandHint_.isEmpty() ? commandHint_
                                                    : CoreText(document_.PlacementText()));
  // A text longer than the line shows from its start, and whole when pointed at.
  placementLine_->setCursorPosition(0);
  placementLine_->setToolTip(placementLine_->text());
}

void EditorWindow::ShowCommandHint(const QString& hint) {
  commandHint_ = hint;
  ShowPlacementLine();
}

void EditorWindow::ShowTitle() {
  const std::filesystem::path& path = document_.TitlePath();
  setWindowTitle(path.empty()
                     ? QStringLiteral("Vorlune[*]")
                     : QFileInfo(FromFileSystemPath(path)).fileName() + QStringLiteral("[*] - Vorlune"));
}

void EditorWindow::AnswerPlacement(const PlacementReply& reply) {
  if (reply.message) ShowMessage(*reply.message);
  if (!reply.propertyDialog) return;
  const PartKind k = *reply.propertyDialog;
  ColorTriple colors = document_.Layout().part(k).colors;
  // Each colour is marked when it stands out from the background under the part.
  const bool chosen = EditPartColors(k, colors, this, PickerContrast(document_.Layout(), k));
  document_.CompletePropertyDialog(k, chosen ? std::optional(colors) : std::nullopt);
}

void EditorWindow::ShowMessage(const UserMessage& message) {
  prompts_->ShowMessage(this, message);
}

bool EditorWindow::MaySetAsideChanges() {
  if (!document_.Modified()) return true;
  switch (prompts_->AskToSaveChanges(this)) {
    case UnsavedChangesAnswer::Save:
      return SaveProject();
    case UnsavedChangesAnswer::Discard:
      return true;
    case UnsavedChangesAnswer::Cancel:
      break;
  }
  return false;
}

void EditorWindow::ShowAbout() {
  AboutDialog about(this);
  about.exec();
}

void EditorWindow::ShowPlayer() {
  if (!player_) {
    player_ = std::make_unique<PlayerWindow>(document_, canvas_->Zoom(), this);
    // The connection ends with whichever of the two goes first.
    connect(canvas_, &CanvasView::zoomChanged, player_.get(), &PlayerWindow::SetZoom);
    PlaceBeside(*player_, *this);
  }
  player_->show();
  player_->raise();
  player_->activateWindow();
}

void EditorWindow::ChooseLanguage(Language language) {
  RememberLanguage(language);
  ShowMessage({tr("言語の変更は次回の起動から有効になります。").toStdString(), MessageIcon::Information});
}

void EditorWindow::closeEvent(QCloseEvent* event) {
  if (!MaySetAsideChanges()) {
    event->ignore();
    return;
  }
  // Nothing is left to recover once the user has let the work go.
  document_.Close();
  QMainWindow::closeEvent(event);
}

// Beside the canvas the right button still lets a part go, and the preview
// hides when the mouse leaves the skin; a left click there places nothing.
void EditorWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton)
    canvas_->PressAt(canvas_->mapFrom(this, event->position()), Qt::RightButton);
}

void EditorWindow::mouseMoveEvent(QMouseEvent* event) {
  canvas_->MoveTo(canvas_->mapFrom(this, event->position()));
}

void EditorWindow::contextMenuEvent(QContextMenuEvent* event) {
  actions_->ShowContextMenu(this, event->globalPos());
}

bool EditorWindow::eventFilter(QObject* watched, QEvent* event) {
  if (canvas_ == nullptr) return QMainWindow::eventFilter(watched, event);
  if (canvas_->PanKey(event)) return true;
  if (event->type() == QEvent::KeyPress && canvas_->PlacementKey(static_cast<QKeyEvent*>(event))) return true;
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace vorlune
