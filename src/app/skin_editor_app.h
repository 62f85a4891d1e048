#pragma once

#include <QString>

namespace vorlune {

// The application object: runs the main editor window and ends with it.
class CSkinEditorApp {
 public:
  // Runs the whole program; returns false, so that the process ends. A file
  // given on the command line opens once the window shows (see OpenFile).
  bool InitInstance(const QString& file = QString());
};

}  // namespace vorlune
