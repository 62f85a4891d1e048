#include <QApplication>
#include <QFile>
#include <QLineEdit>

#include "core/file_io.h"
#include "image/background_import.h"
#include "skin_editor_dlg.h"

namespace vorlune {

namespace {

// The wait cursor of a long operation; message boxes in between get the arrow.
class WaitCursor {
 public:
  WaitCursor() { Show(); }
  ~WaitCursor() { Hide(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

  void Show() {
    if (m_shown) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_shown = true;
  }
  void Hide() {
    if (!m_shown) return;
    QApplication::restoreOverrideCursor();
    m_shown = false;
  }

 private:
  bool m_shown = false;
};

}  // namespace

void CSkinEditorDlg::OnImportBackground() {
  const std::optional<QString> chosen =
      m_prompts->ChooseFileToOpen(this, {QStringLiteral("bitmap (*.bmp)"), QStringLiteral("bmp"), QString()});
  if (!chosen) return;

  const FileBytes file = ReadWholeFile(std::filesystem::path(QFile::encodeName(*chosen).toStdString()));
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
  ApplyImportedBackground(m_layout, std::move(*imported));
  wait.Hide();
  for (const UserMessage& warning : warnings) ShowMessage(warning);

  // Back to idle: edit 1033 and the indicator follow, and a part lifted for a
  // move stays removed, so its group is free again.
  ApplyPlacementEffects(m_placementEditor.BackgroundReplaced());
}

}  // namespace vorlune
