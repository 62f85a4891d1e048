#include "skin_editor_app.h"

#include <QTimer>
#include <memory>

#include "skin_editor_dlg.h"

namespace vorlune {

bool CSkinEditorApp::InitInstance(const QString& file) {
  auto window = std::make_unique<CSkinEditorDlg>();
  // Once the window shows, so that its messages have their owner on screen: the
  // work of an editor that ended without closing, then the file of the command line.
  QTimer::singleShot(0, window.get(), [editor = window.get(), file] {
    editor->OfferRecoveryCopies();
    if (!file.isEmpty()) editor->OpenFile(file);
  });
  window->exec();
  return false;
}

}  // namespace vorlune
