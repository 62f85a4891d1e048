#include "recent_projects.h"

#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "skin_editor_dlg.h"

namespace vorlune {

namespace {

const QString kRecentKey = QStringLiteral("recentProjects");

QSettings EditorSettings() {
  return QSettings(QStringLiteral("Vorlune"), QStringLiteral("vorlune"));
}

}  // namespace

QStringList RecentProjects() {
  return EditorSettings().value(kRecentKey).toStringList();
}

void AddRecentProject(const QString& path) {
  const QString full = QFileInfo(path).absoluteFilePath();
  QStringList recent = RecentProjects();
  recent.removeAll(full);
  recent.prepend(full);
  while (recent.size() > kRecentProjectsKept) recent.removeLast();
  EditorSettings().setValue(kRecentKey, recent);
}

void CSkinEditorDlg::RememberRecentProject(const QString& path) {
  AddRecentProject(path);
}

void CSkinEditorDlg::AddRecentProjectsMenu(QMenu& menu) {
  const QStringList recent = RecentProjects();
  QMenu* submenu = menu.addMenu(tr("最近使ったプロジェクト"));
  submenu->setObjectName(QStringLiteral("recentProjects"));
  submenu->setEnabled(!recent.isEmpty());
  for (int i = 0; i < recent.size(); ++i) {
    const QString path = recent[i];
    QAction* action = submenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
    action->setToolTip(path);
    connect(action, &QAction::triggered, this, [this, path] {
      if (MaySetAsideChanges()) LoadProjectFrom(path);
    });
  }
}

}  // namespace vorlune
