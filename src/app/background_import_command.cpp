// The Image command: a picture file checked, converted and handed to the document.
#include <QGuiApplication>

#include "core/file_io.h"
#include "dialogs/picture_import_dialog.h"
#include "editor_window.h"
#include "file_paths.h"
#include "image/background_import.h"
#include "image/picture_import.h"
#include "remembered_import_options.h"
#include "wait_cursor.h"

namespace vorlune {

// The open dialog's filters: BMP first, as it always was, then every picture,
// which it opens on, so that no picture the editor takes is hidden.
FileDialogRequest PictureFileRequest() {
  const QString pictures = EditorWindow::tr("画像 (*.png *.jpg *.jpeg *.webp *.gif *.tif *.tiff *.bmp)");
  return {QStringLiteral("bitmap (*.bmp)"), QStringLiteral("bmp"), QString(), pictures, pictures};
}

namespace {

// Pictures other than BMP may be large; a 100-megapixel one stored without
// compression still fits.
constexpr std::size_t kLargestPictureFile = std::size_t{512} << 20;

}  // namespace

void EditorWindow::ImportBackground() {
  if (QGuiApplication::keyboardModifiers() & Qt::ShiftModifier) {
    ImportBackgroundWithOptions();
    return;
  }
  const std::optional<QString> chosen = prompts_->ChooseFileToOpen(this, PictureFileRequest());
  if (!chosen) return;
  ImportBackgroundFrom(*chosen);
}

void EditorWindow::ImportBackgroundWithOptions() {
  const std::optional<QString> chosen = prompts_->ChooseFileToOpen(this, PictureFileRequest());
  if (!chosen) return;
  ImportBackgroundFrom(*chosen, true);
}

void EditorWindow::ImportBackgroundFrom(const QString& path, bool askOptions) {
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
    Result<ImportedBackground> imported = ::vorlune::ImportBackground(file.bytes);
    if (!imported) {
      wait.Hide();
      ShowMessage(imported.error());
      return;
    }
    // The fine reduction would have chosen the colours for the picture: the
    // line says that it is one Shift away, until the next command.
    const bool hint = imported->manyColoursMerged;
    InstallBackground(std::move(*imported));
    if (hint) ShowCommandHint(tr("Shift+画像: 精細な減色で取り込み直す"));
    return;
  }

  // At the size the dialog shows and fits, never at full size.
  Result<DecodedPicture> decoded = file.bytes.size() > kLargestPictureFile
                                       ? Result<DecodedPicture>(PictureTooLargeMessage())
                                       : DecodePictureReduced(file.bytes);
  if (!decoded) {
    wait.Hide();
    ShowMessage(decoded.error());
    return;
  }
  PictureImportDialog dialog(std::move(decoded->image), RememberedImportOptions(), this);
  wait.Hide();
  if (dialog.exec() != QDialog::Accepted) return;
  RememberImportOptions(dialog.Options());
  wait.Show();
  InstallBackground(dialog.Imported());
}

void EditorWindow::InstallBackground(ImportedBackground imported) {
  WaitCursor wait;
  const std::vector<UserMessage> warnings = document_.InstallBackground(std::move(imported));
  wait.Hide();
  for (const UserMessage& warning : warnings) ShowMessage(warning);
}

}  // namespace vorlune
