#include "skin_editor_app.h"

#include <memory>

#include "skin_editor_dlg.h"

namespace vorlune {

bool CSkinEditorApp::InitInstance(const QString& file) {
  auto window = std::make_unique<CSkinEditorDlg>();
  if (!file.isEmpty()) {
    // Opened once the window runs, so that its messages have their owner on screen.
    CSkinEditorDlg* opened = window.get();
    QMetaObject::invokeMethod(
        opened, [opened, file] { opened->OpenFile(file); }, Qt::QueuedConnection);
  }
  window->exec();
  return false;
}

}  // namespace vorlune
