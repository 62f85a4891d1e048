#include <QApplication>
#include <cstdio>

#include "command_line.h"
#include "skin_editor_app.h"

int main(int argc, char** argv) {
  QString startFile;
  {
    // Read without a display, so that --help and --version work anywhere.
    QCoreApplication commandLine(argc, argv);
    const vorlune::CommandLine command = vorlune::ParseCommandLine(QCoreApplication::arguments());
    if (command.exitCode) {
      std::fputs(command.output.toLocal8Bit().constData(), *command.exitCode == 0 ? stdout : stderr);
      return *command.exitCode;
    }
    startFile = command.file;
  }
  QApplication application(argc, argv);
  vorlune::CSkinEditorApp editor(startFile);
  editor.InitInstance();
  return 0;
}
