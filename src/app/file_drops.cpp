// Files dropped on the window or named on the command line.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "editor_window.h"

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

void EditorWindow::OpenFile(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("hqd") || suffix == QLatin1String("pdb")) {
    if (MaySetAsideChanges()) LoadProjectFrom(path);
  } else {
    ImportBackgroundFrom(path);
  }
}

void EditorWindow::dragEnterEvent(QDragEnterEvent* event) {
  QString path;
  if (DroppedFileOf(event->mimeData(), path) != DroppedFile::None) event->acceptProposedAction();
}

void EditorWindow::dropEvent(QDropEvent* event) {
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
