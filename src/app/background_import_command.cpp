#include <QGuiApplication>

#include "core/file_io.h"
#include "dialogs/picture_import_dialog.h"
#include "file_paths.h"
#include "image/background_import.h"
#include "image/picture_import.h"
#include "skin_editor_dlg.h"
#include "wait_cursor.h"

namespace vorlune {

namespace {

// The open dialog's filters: BMP first, as it always was, then every picture.
FileDialogRequest PictureFileRequest() {
  return {QStringLiteral("bitmap (*.bmp)"), QStringLiteral("bmp"), QString(),
          QCoreApplication::translate("CSkinEditorDlg",
                                      "画像 (*.png *.jpg *.jpeg *.webp *.gif *.tif *.tiff *.bmp)")};
}

// Pictures other than BMP may be large; a 100-megapixel one stored without
// compression still fits.
constexpr std::size_t kLargestPictureFile = std::size_t{512} << 20;

}  // namespace

void CSkinEditorDlg::OnImportBackground() {
  if (QGuiApplication::keyboardModifiers() & Qt::ShiftModifier) {
    OnImportBackgroundWithOptions();
    return;
  }
  const std::optional<QString> chosen = m_prompts->ChooseFileToOpen(this, PictureFileRequest());
  if (!chosen) return;
  ImportBackgroundFrom(*chosen);
}

void CSkinEditorDlg::OnImportBackgroundWithOptions() {
  const std::optional<QString> chosen = m_prompts->ChooseFileToOpen(this, PictureFileRequest());
  if (!chosen) return;
  ImportBackgroundFrom(*chosen, true);
}

void CSkinEditorDlg::ImportBackgroundFrom(const QString& path, bool askOptions) {
  const bool namedBmp = path.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive);
  const FileBytes file = ReadWholeFile(ToFileSystemPath(path), kLargestPictureFile);
  if (file.failure) {
    ShowMessage(PictureReadFailureMessage(*file.failure, path.toStdString()));
    return;
  }

  WaitCursor wait;
  if (!askOptions && TakesExactPathByDefault(file.bytes, namedBmp)) {
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
    InstallBackground(std::move(*imported));
    return;
  }

  Result<DecodedPicture> decoded = file.bytes.size() > kLargestPictureFile
                                       ? Result<DecodedPicture>(PictureTooLargeMessage())
                                       : DecodePicture(file.bytes);
  if (!decoded) {
    wait.Hide();
    ShowMessage(decoded.error());
    return;
  }
  PictureImportDialog dialog(std::move(decoded->image), PictureImportOptions{}, this);
  wait.Hide();
  if (dialog.exec() != QDialog::Accepted) return;
  wait.Show();
  InstallBackground(dialog.Imported());
}

void CSkinEditorDlg::InstallBackground(ImportedBackground imported) {
  WaitCursor wait;
  // The file is replaced whole or not at all, so a failed write keeps the
  // previous background in force.
  if (const auto failure = m_temporaryFolder.WritePicture(TemporaryPictureFileBytes(imported.reducedBmp))) {
    wait.Hide();
    ShowMessage(
        {"Error : Cannot write the temporary picture file (" + *failure + ").", MessageIcon::Exclamation});
    return;
  }
  const std::vector<UserMessage> warnings = imported.warnings;
  // A part lifted for a move is let go first, as its own step, so that undoing
  // the import brings back the picture alone.
  if (m_placement.movingFlag != 0) EndPlacement();
  ApplyImportedBackground(m_layout, std::move(imported));
  wait.Hide();
  for (const UserMessage& warning : warnings) ShowMessage(warning);

  // Back to idle: edit 1033 and the indicator follow, and a part lifted for a
  // move stays removed, so its group is free again.
  ApplyPlacementEffects(m_placementEditor.BackgroundReplaced());
  RecordLayoutChange();
}

}  // namespace vorlune
