#pragma once

namespace vorlune {

// The application object: runs the main editor window and ends with it.
class CSkinEditorApp {
 public:
  // Runs the whole program; returns false, so that the process ends.
  bool InitInstance();
};

}  // namespace vorlune
