#include "core/file_io.h"
#include "file_paths.h"
#include "image/background_import.h"
#include "skin_editor_dlg.h"
#include "wait_cursor.h"

namespace vorlune {

void CSkinEditorDlg::OnImportBackground() {
  const std::optional<QString> chosen =
      m_prompts->ChooseFileToOpen(this, {QStringLiteral("bitmap (*.bmp)"), QStringLiteral("bmp"), QString()});
  if (!chosen) return;
  ImportBackgroundFrom(*chosen);
}

void CSkinEditorDlg::ImportBackgroundFrom(const QString& path) {
  const FileBytes file = ReadWholeFile(ToFileSystemPath(path));
  if (file.failure) {
    ShowMessage(BmpReadFailureMessage(*file.failure));
    return;
  }

  WaitCursor wait;
  const Result<BackgroundCheck> check = CheckBackgroundFile(file.bytes);
  if (!check) {
    wait.Hide();
    ShowMessage(check.error());
    return;
  }
  if (check->reductionNoticeDue) {
    wait.Hide();
    ShowMessage(ReductionNoticeMessage());
    wait.Show();
  }

  Result<ImportedBackground> imported = ImportBackground(file.bytes);
  if (!imported) {
    wait.Hide();
    ShowMessage(imported.error());
    return;
  }
  // The file is replaced whole or not at all, so a failed write keeps the
  // previous background in force.
  if (const auto failure = m_temporaryFolder.WritePicture(TemporaryPictureFileBytes(imported->reducedBmp))) {
    wait.Hide();
    ShowMessage(
        {"Error : Cannot write the temporary picture file (" + *failure + ").", MessageIcon::Exclamation});
    return;
  }
  const std::vector<UserMessage> warnings = imported->warnings;
  // A part lifted for a move is let go first, as its own step, so that undoing
  // the import brings back the picture alone.
  if (m_placement.movingFlag != 0) EndPlacement();
  ApplyImportedBackground(m_layout, std::move(*imported));
  wait.Hide();
  for (const UserMessage& warning : warnings) ShowMessage(warning);

  // Back to idle: edit 1033 and the indicator follow, and a part lifted for a
  // move stays removed, so its group is free again.
  ApplyPlacementEffects(m_placementEditor.BackgroundReplaced());
  RecordLayoutChange();
}

}  // namespace vorlune
