#include <QKeySequence>
#include <QShortcut>

#include "file_paths.h"
#include "image/background_import.h"
#include "skin_editor_dlg.h"

namespace vorlune {

namespace {

QString ActionText(LayoutAction action) {
  switch (action) {
    case LayoutAction::PlacePart:
      return CSkinEditorDlg::tr("部品の配置");
    case LayoutAction::MovePart:
      return CSkinEditorDlg::tr("部品の移動");
    case LayoutAction::RemovePart:
      return CSkinEditorDlg::tr("部品の削除");
    case LayoutAction::RecolorPart:
      return CSkinEditorDlg::tr("色の変更");
    case LayoutAction::ImportBackground:
      return CSkinEditorDlg::tr("背景画像の読み込み");
    case LayoutAction::EditDatabaseInfo:
      return CSkinEditorDlg::tr("データベース情報の変更");
  }
  return {};
}

}  // namespace

void CSkinEditorDlg::CreateHistoryShortcuts() {
  const struct {
    QKeySequence keys;
    void (CSkinEditorDlg::*command)();
  } shortcuts[] = {{QKeySequence(Qt::CTRL | Qt::Key_Z), &CSkinEditorDlg::OnUndo},
                   {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &CSkinEditorDlg::OnRedo},
                   {QKeySequence(Qt::CTRL | Qt::Key_Y), &CSkinEditorDlg::OnRedo}};
  for (const auto& s : shortcuts) {
    auto* shortcut = new QShortcut(s.keys, this);
    connect(shortcut, &QShortcut::activated, this, s.command);
  }
}

QString CSkinEditorDlg::UndoText() const {
  const auto action = m_history.UndoAction();
  return action ? tr("元に戻す: %1").arg(ActionText(*action)) : tr("元に戻す");
}

QString CSkinEditorDlg::RedoText() const {
  const auto action = m_history.RedoAction();
  return action ? tr("やり直し: %1").arg(ActionText(*action)) : tr("やり直し");
}

void CSkinEditorDlg::RecordLayoutChange() {
  // A lifted part is out of the layout only until it is put down or let go;
  // the step is recorded then, as one move or one removal.
  if (m_placement.movingFlag != 0) return;
  if (m_history.Record(m_layout)) HistoryChanged();
}

void CSkinEditorDlg::HistoryChanged() {
  setWindowModified(m_history.Modified());
  // The copy holds exactly what Save would write; with nothing unsaved there
  // is nothing to recover.
  if (m_history.Modified() && m_history.Recorded().backgroundLoaded) {
    m_recovery.Write(m_history.Recorded(), m_projectPath);
  } else {
    m_recovery.Remove();
  }
}

void CSkinEditorDlg::EndPlacement() {
  if (!IsPartKind(m_placement.currentKind)) return;
  ApplyPlacementEffects(m_placementEditor.RightButtonDown({}));
  RecordLayoutChange();
}

void CSkinEditorDlg::OnUndo() {
  EndPlacement();
  ShowHistoryStep(m_history.Undo(m_layout));
}

void CSkinEditorDlg::OnRedo() {
  EndPlacement();
  ShowHistoryStep(m_history.Redo(m_layout));
}

void CSkinEditorDlg::ShowHistoryStep(const std::optional<LayoutHistory::Applied>& applied) {
  if (!applied) return;
  if (applied->backgroundChanged && m_layout.backgroundLoaded)
    m_temporaryFolder.WritePicture(TemporaryPictureFileBytes(m_layout.reducedBmp));
  ApplyPlacementEffects(m_placementEditor.BackgroundReplaced());
  HistoryChanged();
}

bool CSkinEditorDlg::MaySetAsideChanges() {
  if (!m_history.Modified()) return true;
  switch (m_prompts->AskToSaveChanges(this)) {
    case UnsavedChangesAnswer::Save:
      return SaveProject();
    case UnsavedChangesAnswer::Discard:
      return true;
    case UnsavedChangesAnswer::Cancel:
      break;
  }
  return false;
}

}  // namespace vorlune
