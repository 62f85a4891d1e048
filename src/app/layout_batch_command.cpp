// The layout applied to other pictures: one project per picture, written by
// the core (WriteLayoutOnPicture); the window only asks, loops, shows the
// progress and lists what could not be done.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>
#include <QSet>
#include <QStatusBar>

#include "dialogs/core_texts.h"
#include "document/layout_transfer.h"
#include "editor_window.h"
#include "file_paths.h"
#include "remembered_import_options.h"

namespace vorlune {

void EditorWindow::ApplyLayoutToPictures() {
  const QStringList pictures = prompts_->ChooseFilesToOpen(this, PictureFileRequest());
  if (pictures.isEmpty()) return;
  const std::optional<QString> folder = prompts_->ChooseFolder(this, tr("プロジェクトを書き出すフォルダ"));
  if (!folder) return;

  // Each picture's project is named after it. Two pictures of one name would
  // write one file: the later one is skipped.
  QStringList outputs;
  QStringList existing;
  QSet<QString> named;
  for (const QString& picture : pictures) {
    const QString output =
        QDir(*folder).filePath(QFileInfo(picture).completeBaseName() + QStringLiteral(".hqd"));
    outputs.push_back(named.contains(output) ? QString() : output);
    named.insert(output);
    if (!outputs.back().isEmpty() && QFileInfo::exists(output))
      existing.push_back(QFileInfo(output).fileName());
  }
  // As a file manager does for a batch: asked once; No skips those pictures.
  // A long list is cut, so that the question fits on the screen.
  constexpr qsizetype kNamesShown = 10;
  if (existing.size() > kNamesShown) {
    existing.resize(kNamesShown);
    existing.push_back(QStringLiteral("..."));
  }
  const bool overwrite =
      existing.isEmpty() || prompts_->AskYesNo(this, tr("次のプロジェクトは既にあります。上書きしますか?\n"
                                                        "（いいえ: その画像は飛ばします）\n\n") +
                                                         existing.join(QLatin1Char('\n')));

  // The layout as Save would write it, with the options the import dialog last used.
  const SkinLayout layout = document_.History().Recorded();
  QProgressDialog progress(tr("プロジェクトを書き出しています..."), tr("キャンセル"), 0,
                           static_cast<int>(pictures.size()), this);
  progress.setObjectName(QStringLiteral("layoutBatchProgress"));
  progress.setWindowTitle(tr("レイアウトを別の画像に適用"));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  // Wide enough for its title and the longer picture names.
  progress.setMinimumWidth(progress.fontMetrics().horizontalAdvance(progress.windowTitle()) * 2);
  progress.show();
  QCoreApplication::processEvents();  // shown before the first, perhaps slow, picture

  QStringList problems;
  int written = 0;
  for (qsizetype i = 0; i < pictures.size() && !progress.wasCanceled(); ++i) {
    const QString name = QFileInfo(pictures[i]).fileName();
    progress.setLabelText(tr("%1 を取り込んでいます (%2 / %3)").arg(name).arg(i + 1).arg(pictures.size()));
    if (outputs[i].isEmpty()) {
      problems.push_back(name + QStringLiteral(": ") + tr("同じ名前の画像が先にあるため飛ばしました"));
    } else if (!overwrite && QFileInfo::exists(outputs[i])) {
      problems.push_back(name + QStringLiteral(": ") + tr("プロジェクトが既にあるため飛ばしました"));
    } else if (const Status done =
                   WriteLayoutOnPicture(layout, ToFileSystemPath(pictures[i]), RememberedImportOptions(),
                                        ToFileSystemPath(outputs[i]));
               !done) {
      problems.push_back(name + QStringLiteral(": ") + CoreText(done.error().text));
    } else {
      ++written;
    }
    progress.setValue(static_cast<int>(i + 1));
  }
  const bool cancelled = progress.wasCanceled();
  progress.reset();

  statusBar()->showMessage(tr("プロジェクトを %1 個書き出しました").arg(written) +
                               (cancelled ? tr("（キャンセルしました）") : QString()),
                           5000);
  if (!problems.isEmpty()) {
    UserMessage message;
    message.icon = MessageIcon::Exclamation;
    message.text = (tr("次の画像のプロジェクトは書き出していません:") + QStringLiteral("\n\n") +
                    problems.join(QLatin1Char('\n')))
                       .toStdString();
    ShowMessage(message);
  }
}

}  // namespace vorlune
