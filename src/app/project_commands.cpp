// The Save and Load commands: project files and skins as projects.
#include <QFileInfo>

#include "editor_window.h"
#include "file_paths.h"
#include "project/project_messages.h"
#include "recent_projects.h"
#include "wait_cursor.h"

namespace vorlune {

namespace {

bool IsSkinDatabasePath(const QString& path) {
  return QFileInfo(path).suffix().compare(QLatin1String("pdb"), Qt::CaseInsensitive) == 0;
}

}  // namespace

bool EditorWindow::SaveProject() {
  if (!document_.Layout().backgroundLoaded) {
    ShowMessage(SaveNeedsBackgroundMessage());
    return false;
  }
  const std::optional<QString> chosen = prompts_->ChooseFileToSave(
      this, {QStringLiteral("Harmoniquest data file(*.hqd)"), QStringLiteral("hqd"), QString()});
  if (!chosen) return false;

  WaitCursor wait;
  // Written beside and renamed over the target, so a failed save keeps the
  // user's older file of that name.
  const Status saved = document_.Save(ToFileSystemPath(*chosen));
  wait.Hide();
  if (!saved) {
    ShowMessage(saved.error());
    return false;
  }
  AddRecentProject(*chosen);
  return true;
}

void EditorWindow::LoadProject() {
  if (!MaySetAsideChanges()) return;
  const std::optional<QString> chosen = prompts_->ChooseFileToOpen(
      this, {QStringLiteral("Harmoniquest file (*.hqd);;Database for Harmoniquest (*.pdb)"),
             QStringLiteral("hqd"), QString()});
  if (!chosen) return;
  LoadProjectFrom(*chosen);
}

void EditorWindow::LoadProjectFrom(const QString& path) {
  WaitCursor wait;
  // The whole file is read and checked before the document changes, so a
  // failed load leaves the background, the layout and the canvas as they were.
  if (IsSkinDatabasePath(path)) {
    if (!LoadSkinFrom(path, wait)) return;
  } else if (const Status loaded = document_.LoadProject(ToFileSystemPath(path)); !loaded) {
    wait.Hide();
    ShowMessage(loaded.error());
    return;
  }
  AddRecentProject(path);
}

bool EditorWindow::LoadSkinFrom(const QString& path, WaitCursor& wait) {
  const auto openForeign = [&] {
    wait.Hide();
    const bool agreed =
        prompts_->AskYesNo(this, tr("このスキンは、このエディタで作られたものではないか、\n"
                                    "作成後に変更されています。\n"
                                    "プロジェクトとして開いて作成し直すと、元のスキンと同じにはなりません。\n"
                                    "開きますか？"));
    wait.Show();
    return agreed;
  };
  const Result<bool> loaded = document_.LoadSkin(ToFileSystemPath(path), openForeign);
  if (!loaded) {
    wait.Hide();
    ShowMessage(loaded.error());
    return false;
  }
  return *loaded;
}

}  // namespace vorlune
