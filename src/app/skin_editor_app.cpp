#include "skin_editor_app.h"

#include <memory>

#include "skin_editor_dlg.h"

namespace vorlune {

bool CSkinEditorApp::InitInstance() {
  auto window = std::make_unique<CSkinEditorDlg>();
  window->exec();
  return false;
}

}  // namespace vorlune
