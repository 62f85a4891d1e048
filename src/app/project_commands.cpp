#include <QFileInfo>

#include "file_paths.h"
#include "project/project_messages.h"
#include "project/project_storage.h"
#include "project/skin_unpacking.h"
#include "skin_editor_dlg.h"
#include "wait_cursor.h"

namespace vorlune {

namespace {

bool IsSkinDatabasePath(const QString& path) {
  return QFileInfo(path).suffix().compare(QLatin1String("pdb"), Qt::CaseInsensitive) == 0;
}

}  // namespace

void CSkinEditorDlg::OnSaveProject() {
  SaveProject();
}

bool CSkinEditorDlg::SaveProject() {
  if (!m_layout.backgroundLoaded) {
    ShowMessage(SaveNeedsBackgroundMessage());
    return false;
  }
  const std::optional<QString> chosen = m_prompts->ChooseFileToSave(
      this, {QStringLiteral("Harmoniquest data file(*.hqd)"), QStringLiteral("hqd"), QString()});
  if (!chosen) return false;
  m_layout.filePath = ToFileSystemPath(*chosen).string();

  WaitCursor wait;
  // Written beside and renamed over the target, so a failed save keeps the
  // user's older file of that name.
  RecordLayoutChange();
  // The recorded layout: a part lifted for a move is saved where it stood.
  const Status saved = SaveProjectFile(ToFileSystemPath(*chosen), m_history.Recorded());
  wait.Hide();
  if (!saved) {
    ShowMessage(saved.error());
    return false;
  }
  SetProjectPath(*chosen);
  m_history.MarkSaved();
  HistoryChanged();
  RememberRecentProject(*chosen);
  return true;
}

void CSkinEditorDlg::OnLoadProject() {
  if (!MaySetAsideChanges()) return;
  const std::optional<QString> chosen = m_prompts->ChooseFileToOpen(
      this, {QStringLiteral("Harmoniquest file (*.hqd);;Database for Harmoniquest (*.pdb)"),
             QStringLiteral("hqd"), QString()});
  if (!chosen) return;
  LoadProjectFrom(*chosen);
}

void CSkinEditorDlg::LoadProjectFrom(const QString& path) {
  WaitCursor wait;
  // The whole file is read and checked before anything of the editor changes,
  // and the temporary picture is replaced whole, so a failed load leaves the
  // background, the layout and the canvas as they were.
  const bool skin = IsSkinDatabasePath(path);
  std::optional<SkinLayout> loaded = ReadLayoutToLoad(path, skin, wait);
  if (!loaded) return;
  if (m_temporaryFolder.WritePicture(loaded->reducedBmp)) {
    wait.Hide();
    ShowMessage(CannotMakeProjectFileMessage());
    return;
  }
  loaded->filePath = m_layout.filePath;  // a load keeps the path Save and Create last chose
  m_layout = std::move(*loaded);
  SetProjectPath(path);
  // The title names the skin, but Save asks for a project name: it never
  // writes over the skin.
  if (skin) m_projectPath.clear();
  wait.Hide();
  // Idle again, the part buttons mirroring the loaded layout, all repainted.
  ApplyPlacementEffects(m_placementEditor.BackgroundReplaced());
  m_history.Reset(m_layout);
  HistoryChanged();
  RememberRecentProject(path);
}

std::optional<SkinLayout> CSkinEditorDlg::ReadLayoutToLoad(const QString& path, bool skin, WaitCursor& wait) {
  if (!skin) {
    Result<SkinLayout> loaded = LoadProjectFile(ToFileSystemPath(path));
    if (loaded) return std::move(*loaded);
    wait.Hide();
    ShowMessage(loaded.error());
    return std::nullopt;
  }
  Result<UnpackedSkin> unpacked = UnpackSkinFile(ToFileSystemPath(path));
  if (!unpacked) {
    wait.Hide();
    ShowMessage(unpacked.error());
    return std::nullopt;
  }
  if (!unpacked->madeByThisEditor) {
    wait.Hide();
    const bool agreed = m_prompts->AskYesNo(
        this, tr("このスキンは、このエディタで作られたものではないか、\n"
                 "作成後に変更されています。\n"
                 "プロジェクトとして開いて作成し直すと、元のスキンと同じにはなりません。\n"
                 "開きますか？"));
    if (!agreed) return std::nullopt;
    wait.Show();
  }
  return std::move(unpacked->layout);
}

}  // namespace vorlune
