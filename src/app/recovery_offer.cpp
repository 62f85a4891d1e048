#include <QDateTime>
#include <QFileInfo>
#include <QLockFile>

#include "image/background_import.h"
#include "project/project_messages.h"
#include "project/recovery_files.h"
#include "skin_editor_dlg.h"

namespace vorlune {

void CSkinEditorDlg::OfferRecoveryCopies() {
  for (const RecoveryCopy::LeftBehind& left : m_recovery.FindLeftBehind()) {
    Result<RecoveredWork> work = ReadRecoveryCopy(left.copy);
    if (!work) {
      // A damaged copy is refused as Load refuses a damaged file, and goes.
      ShowMessage(work.error());
      RemoveRecoveryCopy(left.copy);
      continue;
    }
    const QString original = QString::fromStdString(work->originalPath);
    const QString name = original.isEmpty() ? tr("無題") : QFileInfo(original).fileName();
    const QString when = QFileInfo(QString::fromStdString(left.copy.string()))
                             .lastModified()
                             .toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    if (!m_prompts->AskToRestoreRecovery(this, QStringLiteral("%1 (%2)").arg(name, when))) {
      RemoveRecoveryCopy(left.copy);
      continue;
    }
    if (m_temporaryFolder.WritePicture(TemporaryPictureFileBytes(work->layout.reducedBmp))) {
      ShowMessage(CannotMakeProjectFileMessage());
      return;  // the copy stays for the next start
    }
    work->layout.filePath = m_layout.filePath;
    m_layout = std::move(work->layout);
    if (!original.isEmpty()) SetProjectPath(original);
    ApplyPlacementEffects(m_placementEditor.BackgroundReplaced());
    // The restored work is not what its file holds: it stays marked unsaved.
    m_history.Reset(m_layout);
    m_history.ForgetSavedState();
    HistoryChanged();
    RemoveRecoveryCopy(left.copy);
    return;  // one restored piece of work; any others are offered at the next start
  }
}

}  // namespace vorlune
