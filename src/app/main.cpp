#include <QApplication>

#include "skin_editor_app.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  vorlune::CSkinEditorApp editor;
  editor.InitInstance();
  return 0;
}
