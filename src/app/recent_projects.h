#pragma once

#include <QStringList>

namespace vorlune {

// The projects last saved or loaded, newest first, kept in the user's settings.
inline constexpr int kRecentProjectsKept = 8;
QStringList RecentProjects();
void AddRecentProject(const QString& path);

}  // namespace vorlune
