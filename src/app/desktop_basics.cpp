#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>

#include "main_window_template.h"
#include "skin_editor_dlg.h"

namespace vorlune {

namespace {

enum class DroppedFile { None, Picture, Project };

// A drag is taken only when it carries one local file the editor can open.
DroppedFile DroppedFileOf(const QMimeData* data, QString& path) {
  if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) return DroppedFile::None;
  const QUrl url = data->urls().front();
  if (!url.isLocalFile()) return DroppedFile::None;
  path = url.toLocalFile();
  const QString suffix = QFileInfo(path).suffix().toLower();
  static const QStringList pictures{"bmp", "png", "jpg", "jpeg", "webp", "gif", "tif", "tiff"};
  if (pictures.contains(suffix)) return DroppedFile::Picture;
  // A skin database loads as the project it was made from.
  if (suffix == QLatin1String("hqd") || suffix == QLatin1String("pdb")) return DroppedFile::Project;
  return DroppedFile::None;
}

}  // namespace

void CSkinEditorDlg::CreateShortcuts() {
  const struct {
    int id;
    QKeySequence keys;
    void (CSkinEditorDlg::*command)();
  } shortcuts[] = {{IDC_LOAD, QKeySequence(Qt::CTRL | Qt::Key_O), &CSkinEditorDlg::OnLoadProject},
                   {IDC_SAVE, QKeySequence(Qt::CTRL | Qt::Key_S), &CSkinEditorDlg::OnSaveProject},
                   {IDC_IMAGE, QKeySequence(Qt::CTRL | Qt::Key_I), &CSkinEditorDlg::OnImportBackground},
                   {IDC_CREATE, QKeySequence(Qt::CTRL | Qt::Key_E), &CSkinEditorDlg::OnCreateSkin}};
  for (const auto& s : shortcuts) {
    auto* shortcut = new QShortcut(s.keys, this);
    connect(shortcut, &QShortcut::activated, this, s.command);
    Control(s.id)->setToolTip(s.keys.toString(QKeySequence::NativeText));
  }
}

void CSkinEditorDlg::OpenFile(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("hqd") || suffix == QLatin1String("pdb")) {
    if (MaySetAsideChanges()) LoadProjectFrom(path);
  } else {
    ImportBackgroundFrom(path);
  }
}

void CSkinEditorDlg::SetProjectPath(const QString& path) {
  m_projectPath = path;
  setWindowTitle(QFileInfo(path).fileName() + QStringLiteral("[*] - Vorlune"));
}

void CSkinEditorDlg::dragEnterEvent(QDragEnterEvent* event) {
  QString path;
  if (DroppedFileOf(event->mimeData(), path) != DroppedFile::None) event->acceptProposedAction();
}

void CSkinEditorDlg::dropEvent(QDropEvent* event) {
  QString path;
  const DroppedFile dropped = DroppedFileOf(event->mimeData(), path);
  if (dropped == DroppedFile::None) return;
  event->acceptProposedAction();
  // The command runs after the drop has ended, so its message boxes do not
  // hold up the program the file was dragged from.
  QMetaObject::invokeMethod(
      this,
      [this, dropped, path] {
        if (dropped == DroppedFile::Picture) ImportBackgroundFrom(path);
        if (dropped == DroppedFile::Project && MaySetAsideChanges()) LoadProjectFrom(path);
      },
      Qt::QueuedConnection);
}

}  // namespace vorlune
