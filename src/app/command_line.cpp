#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace vorlune {

CommandLine ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QCoreApplication::translate("CommandLine", "Vorlune: Harmoniquest のスキンエディタ"));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  parser.addPositionalArgument(
      QStringLiteral("FILE"),
      QCoreApplication::translate("CommandLine", "開くプロジェクト(.hqd)、または取り込む画像(.bmp)"),
      QStringLiteral("[FILE]"));

  CommandLine command;
  if (!parser.parse(arguments)) {
    command.exitCode = 2;
    command.output = parser.errorText() + QLatin1Char('\n');
    return command;
  }
  if (parser.isSet(help)) {
    command.exitCode = 0;
    command.output = parser.helpText();
    return command;
  }
  if (parser.isSet(version)) {
    command.exitCode = 0;
    command.output = QStringLiteral("vorlune %1\n").arg(QStringLiteral(VORLUNE_VERSION));
    return command;
  }
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    command.exitCode = 2;
    command.output =
        QCoreApplication::translate("CommandLine", "ファイルは一つだけ指定して下さい") + QLatin1Char('\n');
    return command;
  }
  if (!files.isEmpty()) command.file = files.front();
  return command;
}

}  // namespace vorlune
