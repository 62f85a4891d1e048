// The Create command: checks, preview, file, database texts, then the skin.
#include <QFileInfo>

#include "dialogs/database_info_request.h"
#include "dialogs/image_preview_dialog.h"
#include "dialogs/skin_created_dialog.h"
#include "editor_window.h"
#include "file_paths.h"
#include "skin/create_checks.h"
#include "wait_cursor.h"

namespace vorlune {

bool EditorWindow::ChooseSkinFile(QString& path, std::string& databaseName) {
  const FileDialogRequest request{QStringLiteral("Database for Harmoniquest (*.pdb)"), QStringLiteral("pdb"),
                                  QString()};
  for (;;) {
    const std::optional<QString> chosen = prompts_->ChooseFileToSave(this, request);
    if (!chosen) return false;
    Result<std::string> name = DatabaseNameFromFileName(QFileInfo(*chosen).fileName().toStdString());
    if (name) {
      path = *chosen;
      databaseName = std::move(*name);
      return true;
    }
    ShowMessage(name.error());
  }
}

bool EditorWindow::RequestDatabaseTexts() {
  // The dialog works on the three fields alone; the document takes what its
  // last OK left, as one step, also when a text is missing.
  SkinLayout texts;
  texts.databaseName = document_.Layout().databaseName;
  texts.databaseAuthor = document_.Layout().databaseAuthor;
  texts.databaseVersion = document_.Layout().databaseVersion;
  const bool given = RequestDatabaseInfo(texts, *prompts_, this);
  document_.SetDatabaseFields(texts);
  return given;
}

void EditorWindow::CreateSkin() {
  if (const auto missing = CheckPlayAndStopPlaced(document_.Layout())) {
    ShowMessage(*missing);
    return;
  }
  {
    ImagePreviewDialog preview(this);
    preview.SetPreviewLayout(document_.Layout());
    if (preview.exec() != QDialog::Accepted) return;
  }
  QString path;
  std::string databaseName;
  if (!ChooseSkinFile(path, databaseName)) return;
  if (!RequestDatabaseTexts()) return;

  WaitCursor wait;
  const Status written = document_.CreateSkin(ToFileSystemPath(path), databaseName, clock_);
  wait.Hide();
  if (!written) {
    ShowMessage(written.error());
    return;
  }
  SkinCreatedDialog created(this);
  created.exec();
}

}  // namespace vorlune
