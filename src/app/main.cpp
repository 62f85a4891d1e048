#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "command_line.h"
#include "editor_window.h"
#include "language_choice.h"

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

  vorlune::EditorWindow window;
  window.show();
  // Once the window shows, so that its messages have their owner on screen: the
  // work of an editor that ended without closing, then the file of the command line.
  QTimer::singleShot(0, &window, [&window, file = commandLine.file] {
    window.OfferRecoveryCopies();
    if (!file.isEmpty()) window.OpenFile(file);
  });
  return QApplication::exec();
}
