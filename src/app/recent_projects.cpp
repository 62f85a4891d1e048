#include "recent_projects.h"

#include <QFileInfo>
#include <QSettings>

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

}  // namespace vorlune
