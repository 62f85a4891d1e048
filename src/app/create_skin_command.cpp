#include <QFileInfo>

#include "dialogs/database_info_request.h"
#include "dialogs/image_preview_dialog.h"
#include "dialogs/skin_created_dialog.h"
#include "file_paths.h"
#include "skin/create_checks.h"
#include "skin/skin_creation.h"
#include "skin_editor_dlg.h"
#include "wait_cursor.h"

namespace vorlune {

bool CSkinEditorDlg::ChooseSkinFile(QString& path, std::string& databaseName) {
  const FileDialogRequest request{QStringLiteral("Database for Harmoniquest (*.pdb)"), QStringLiteral("pdb"),
                                  QString()};
  for (;;) {
    const std::optional<QString> chosen = m_prompts->ChooseFileToSave(this, request);
    if (!chosen) return false;
    // The path stays chosen whatever follows; Save offers the same field.
    m_layout.filePath = ToFileSystemPath(*chosen).string();
    Result<std::string> name = DatabaseNameFromFileName(QFileInfo(*chosen).fileName().toStdString());
    if (name) {
      path = *chosen;
      databaseName = std::move(*name);
      return true;
    }
    ShowMessage(name.error());
  }
}

void CSkinEditorDlg::OnCreateSkin() {
  if (const auto missing = CheckPlayAndStopPlaced(m_layout)) {
    ShowMessage(*missing);
    return;
  }
  {
    ImagePreviewDialog preview(this);
    preview.SetPreviewLayout(m_layout);
    if (preview.exec() != QDialog::Accepted) return;
  }
  QString path;
  std::string databaseName;
  if (!ChooseSkinFile(path, databaseName)) return;
  // Every OK of the dialog stores its texts in the layout, even when Create
  // goes no further.
  const bool infoGiven = RequestDatabaseInfo(m_layout, *m_prompts, this);
  RecordLayoutChange();  // the texts are part of the project
  if (!infoGiven) return;

  WaitCursor wait;
  const Status written = CreateSkinFile(m_layout, databaseName, ToFileSystemPath(path), m_clock);
  wait.Hide();
  if (!written) {
    ShowMessage(written.error());
    return;
  }
  SkinCreatedDialog created(this);
  created.exec();
}

}  // namespace vorlune
