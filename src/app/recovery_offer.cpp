// The work of editors that ended without closing, offered at start-up.
#include <QDateTime>
#include <QFileInfo>

#include "document/recovery_copy_writer.h"
#include "editor_window.h"
#include "file_paths.h"
#include "project/recovery_files.h"

namespace vorlune {

void EditorWindow::OfferRecoveryCopies() {
  for (const LeftBehindCopy& left : FindLeftBehindCopies(RecoveryCopyWriter::DefaultFolder())) {
    Result<RecoveredWork> work = ReadRecoveryCopy(left.copy);
    if (!work) {
      // A damaged copy is refused as Load refuses a damaged file, and goes.
      ShowMessage(work.error());
      RemoveRecoveryCopy(left.copy);
      continue;
    }
    const QString original = QString::fromStdString(work->originalPath);
    const QString name = original.isEmpty() ? tr("無題") : QFileInfo(original).fileName();
    const QString when =
        QFileInfo(FromFileSystemPath(left.copy)).lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    if (!prompts_->AskToRestoreRecovery(this, QStringLiteral("%1 (%2)").arg(name, when))) {
      RemoveRecoveryCopy(left.copy);
      continue;
    }
    document_.RestoreRecovered(std::move(*work));
    RemoveRecoveryCopy(left.copy);
    return;  // one restored piece of work; any others are offered at the next start
  }
}

}  // namespace vorlune
