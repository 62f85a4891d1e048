#pragma once

#include <QString>
#include <utility>

namespace vorlune {

// The application object: runs the main editor window and ends with it.
class CSkinEditorApp {
 public:
  // `startFile`: a project to load or a picture to import once the window shows.
  explicit CSkinEditorApp(QString startFile = {}) : m_startFile(std::move(startFile)) {}

  // Runs the whole program; returns false, so that the process ends.
  bool InitInstance();

 private:
  QString m_startFile;
};

}  // namespace vorlune
