#include <QApplication>
#include <cstdio>

#include "command_line.h"
#include "language_choice.h"
#include "skin_editor_app.h"

namespace {

// --help and --version are answered before the window system is needed, so
// that they work without a display.
int Answer(const vorlune::CommandLine& commandLine) {
  const bool refused = commandLine.action == vorlune::CommandLine::Action::Refuse;
  std::fputs(commandLine.text.toLocal8Bit().constData(), refused ? stderr : stdout);
  return refused ? 2 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  QStringList rawArguments;
  for (int i = 0; i < argc; ++i) rawArguments << QString::fromLocal8Bit(argv[i]);
  // Options of Qt's own (-platform, -style, ...) are known only after QApplication took them.
  const vorlune::CommandLine early = vorlune::ParseCommandLine(rawArguments);
  if (early.action == vorlune::CommandLine::Action::PrintHelp ||
      early.action == vorlune::CommandLine::Action::PrintVersion)
    return Answer(early);

  QApplication application(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Vorlune"));
  QCoreApplication::setApplicationName(QStringLiteral("vorlune"));
  const vorlune::CommandLine commandLine = vorlune::ParseCommandLine(QCoreApplication::arguments());
  if (commandLine.action != vorlune::CommandLine::Action::RunEditor) return Answer(commandLine);

  const vorlune::Language language = vorlune::ChooseLanguage(
      commandLine.language, qEnvironmentVariable("VORLUNE_LANG"), vorlune::RememberedLanguage());
  if (!vorlune::InstallTranslation(application, language))
    std::fputs("vorlune: the English translation cannot be loaded; the editor stays in Japanese\n", stderr);
  vorlune::CSkinEditorApp editor;
  editor.InitInstance(commandLine.file);
  return 0;
}
