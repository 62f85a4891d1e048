#include "skin_editor_dlg.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>

#include "about_dlg.h"
#include "canvas_painter.h"
#include "dialogs/core_texts.h"
#include "dialogs/dialog_units.h"
#include "dialogs/part_colors_editing.h"
#include "layout/placement_rules.h"
#include "main_window_template.h"
#include "qt_pictures.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace vorlune {

CSkinEditorDlg::CSkinEditorDlg(UserPrompts* prompts, QWidget* parent) : QDialog(parent), m_prompts(prompts) {
  if (m_prompts == nullptr) {
    m_ownPrompts = std::make_unique<QtUserPrompts>();
    m_prompts = m_ownPrompts.get();
  }
  m_hIcon = ApplicationQIcon();
  setWindowTitle(QStringLiteral("Vorlune[*]"));
  setFont(DialogFont());
  setFixedSize(DialogUnitsToPixelsX(kMainWindowWidthDu), DialogUnitsToPixelsY(kMainWindowHeightDu));
  setMouseTracking(true);
  setAcceptDrops(true);
  CreateControls();
  CreateShortcuts();
  CreateHistoryShortcuts();
  OnInitDialog();
  InstallKeyboardPlacement();
}

CSkinEditorDlg::~CSkinEditorDlg() {
  OnClose();
}

void CSkinEditorDlg::CreateControls() {
  for (const TemplateControl& control : kCommandButtons) {
    auto* button = new QPushButton(tr(control.text.data()), this);
    button->setObjectName(QString::number(control.id));
    button->setProperty("controlId", control.id);
    button->setGeometry(DialogUnitRect(control.x, control.y, control.width, control.height));
  }
  connect(static_cast<QPushButton*>(Control(IDC_CREATE)), &QPushButton::clicked, this,
          &CSkinEditorDlg::OnCreateSkin);
  connect(static_cast<QPushButton*>(Control(IDC_LOAD)), &QPushButton::clicked, this,
          &CSkinEditorDlg::OnLoadProject);
  connect(static_cast<QPushButton*>(Control(IDC_IMAGE)), &QPushButton::clicked, this,
          &CSkinEditorDlg::OnImportBackground);
  connect(static_cast<QPushButton*>(Control(IDC_SAVE)), &QPushButton::clicked, this,
          &CSkinEditorDlg::OnSaveProject);

  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    auto* button = new CBitmapButton(this);
    button->setObjectName(QString::number(PartButtonId(k)));
    button->setProperty("controlId", PartButtonId(k));
    const DuPoint at = PartButtonPosition(k);
    button->move(DialogUnitPoint(at.x, at.y));
    connect(button, &QAbstractButton::clicked, this, [this, k] { OnPartButton(k); });
    m_partButtons[static_cast<std::size_t>(k)] = button;
  }

  m_placementText = new QLineEdit(this);
  m_placementText->setObjectName(QString::number(IDC_PLACEMENT_TEXT));
  m_placementText->setProperty("controlId", int{IDC_PLACEMENT_TEXT});
  m_placementText->setReadOnly(true);
  // A status line: with the focus its line-editing keys would take Ctrl+E
  // and the other shortcuts before the window sees them.
  m_placementText->setFocusPolicy(Qt::NoFocus);
  m_placementText->setGeometry(DialogUnitRect(kPlacementTextEdit.x, kPlacementTextEdit.y,
                                              kPlacementTextEdit.width, kPlacementTextEdit.height));
}

bool CSkinEditorDlg::OnInitDialog() {
  AppendAboutToSystemMenu();
  setWindowIcon(m_hIcon);
  m_layout = NewSkinLayout();
  m_placement = PlacementState{};
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    PartButton(k)->AutoLoad(k);
    PartButton(k)->setEnabled(true);
  }
  m_placementText->clear();
  m_history.Reset(m_layout);
  setWindowModified(false);
  return true;
}

QWidget* CSkinEditorDlg::Control(int id) const {
  return findChild<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

CBitmapButton* CSkinEditorDlg::PartButton(PartKind k) const {
  return m_partButtons.at(static_cast<std::size_t>(k));
}

void CSkinEditorDlg::InvalidateArea(const QRect& area) {
  emit areaInvalidated(area);
  repaint(area);
}

void CSkinEditorDlg::ShowMessage(const UserMessage& message) {
  m_prompts->ShowMessage(this, message);
}

void CSkinEditorDlg::ApplyPlacementEffects(const PlacementEffects& effects) {
  if (effects.placementText) {
    m_placementText->setText(CoreText(*effects.placementText));
  }
  if (effects.partButtons) {
    for (PartKind k = kFirstKind; k <= kLastKind; ++k)
      PartButton(k)->setEnabled((*effects.partButtons)[static_cast<std::size_t>(k)]);
  }
  if (effects.message) ShowMessage(*effects.message);
  if (effects.propertyDialog) RunPropertyDialog(*effects.propertyDialog);
  for (const ClientRect& area : effects.invalidate) InvalidateArea(ToQRect(area));
}

void CSkinEditorDlg::OnPartButton(PartKind k) {
  ApplyPlacementEffects(m_placementEditor.PressPartButton(k));
  RecordLayoutChange();
}

void CSkinEditorDlg::OnLButtonDown(ClientPoint point) {
  ApplyPlacementEffects(m_placementEditor.LeftButtonDown(point));
  RecordLayoutChange();
}

void CSkinEditorDlg::OnMouseMove(ClientPoint point) {
  ApplyPlacementEffects(m_placementEditor.MouseMove(point));
}

void CSkinEditorDlg::OnRButtonDown(ClientPoint point) {
  ApplyPlacementEffects(m_placementEditor.RightButtonDown(point));
  RecordLayoutChange();
}

void CSkinEditorDlg::RunPropertyDialog(PartKind k) {
  EditPartColors(k, m_layout.part(k).colors, this);
}

void CSkinEditorDlg::OnSysCommand(int commandId) {
  if ((commandId & 0xFFF0) != IDM_ABOUTBOX) return;
  CAboutDlg about(this);
  about.exec();
}

void CSkinEditorDlg::OnClose() {
  if (m_closed) return;
  m_closed = true;
  m_layout.reducedBmp = {};
  m_layout.picture = {};
  m_temporaryFolder.Remove();
  m_recovery.Remove();
}

void CSkinEditorDlg::paintEvent(QPaintEvent* event) {
  if (m_client.size() != size()) m_client = QImage(size(), QImage::Format_RGB32);
  const QImage background =
      m_layout.backgroundLoaded ? LoadTemporaryPicture(TemporaryPicturePath()) : QImage();
  PaintCanvas(m_client, m_layout, m_placement, background);
  QPainter painter(this);
  painter.setClipRegion(event->region());
  painter.drawImage(kCanvasFrameArea.topLeft(), m_client, kCanvasFrameArea);
  painter.drawImage(kIndicatorArea.topLeft(), m_client, kIndicatorArea);
}

void CSkinEditorDlg::keyPressEvent(QKeyEvent* event) {
  // Escape would end the dialog without the close sequence and lose the work.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    event->accept();
    return;
  }
  if (event->key() == Qt::Key_F1) {
    event->accept();
    OnSysCommand(IDM_ABOUTBOX);
    return;
  }
  QDialog::keyPressEvent(event);
}

void CSkinEditorDlg::closeEvent(QCloseEvent* event) {
  if (!m_closed && !MaySetAsideChanges()) {
    event->ignore();
    return;
  }
  OnClose();
  QDialog::closeEvent(event);
}

void CSkinEditorDlg::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton) OnLButtonDown({at.x(), at.y()});
  if (event->button() == Qt::RightButton) OnRButtonDown({at.x(), at.y()});
  QDialog::mousePressEvent(event);
}

void CSkinEditorDlg::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  OnMouseMove({at.x(), at.y()});
  QDialog::mouseMoveEvent(event);
}

void CSkinEditorDlg::contextMenuEvent(QContextMenuEvent* event) {
  // The right button on the canvas belongs to part editing.
  if (event->reason() == QContextMenuEvent::Mouse && kCanvasArea.contains(event->pos())) {
    event->accept();
    return;
  }
  QMenu menu(this);
  menu.setObjectName(QStringLiteral("windowMenu"));
  // The text after the tab is shown as the item's key.
  const auto keys = [](QKeyCombination keys) {
    return QLatin1Char('\t') + QKeySequence(keys).toString(QKeySequence::NativeText);
  };
  QAction* undo = menu.addAction(UndoText() + keys(Qt::CTRL | Qt::Key_Z), this, &CSkinEditorDlg::OnUndo);
  undo->setObjectName(QStringLiteral("undo"));
  undo->setEnabled(m_history.UndoAction().has_value());
  QAction* redo = menu.addAction(RedoText() + keys(Qt::CTRL | Qt::Key_Y), this, &CSkinEditorDlg::OnRedo);
  redo->setObjectName(QStringLiteral("redo"));
  redo->setEnabled(m_history.RedoAction().has_value());
  AddRecentProjectsMenu(menu);
  QAction* picture = menu.addAction(tr("画像を取り込む（オプション指定）..."));
  menu.addSeparator();
  QAction* about = menu.addAction(tr(kAboutMenuText));
  // Named in both languages, so that anyone finds the way back.
  QMenu* languages = menu.addMenu(QStringLiteral("Language / 言語"));
  languages->setObjectName(QStringLiteral("languageMenu"));
  // Checked: the language of the next start, as far as the menu decides it.
  const Language next = LanguageNamed(RememberedLanguage()).value_or(RunningLanguage());
  const struct {
    Language language;
    const char* name;  // in its own language
  } entries[] = {{Language::Japanese, "日本語"}, {Language::English, "English"}};
  for (const auto& entry : entries) {
    QAction* action = languages->addAction(QString::fromUtf8(entry.name));
    action->setCheckable(true);
    action->setChecked(entry.language == next);
    const Language language = entry.language;
    connect(action, &QAction::triggered, this, [this, language] { OnChooseLanguage(language); });
  }
  QAction* chosen = menu.exec(event->globalPos());
  if (chosen == about) OnSysCommand(IDM_ABOUTBOX);
  if (chosen == picture) OnImportBackgroundWithOptions();
}

void CSkinEditorDlg::OnChooseLanguage(Language language) {
  RememberLanguage(language);
  ShowMessage({tr("言語の変更は次回の起動から有効になります。").toStdString(), MessageIcon::Information});
}

void CSkinEditorDlg::AppendAboutToSystemMenu() {
#ifdef Q_OS_WIN
  HMENU menu = ::GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE);
  if (menu == nullptr) return;
  const std::wstring text = tr(kAboutMenuText).toStdWString();
  ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, text.c_str());
#endif
}

#ifdef Q_OS_WIN
bool CSkinEditorDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
  const MSG* msg = static_cast<const MSG*>(message);
  if (msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == IDM_ABOUTBOX) {
    OnSysCommand(static_cast<int>(msg->wParam));
    *result = 0;
    return true;
  }
  return QDialog::nativeEvent(eventType, message, result);
}
#endif

}  // namespace vorlune
