#include "command_line.h"

#include <QCommandLineParser>

#include "core/version.h"

namespace vorlune {

CommandLine ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Vorlune: skin editor for the Harmoniquest music player."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Print the options and exit."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Print the version and exit."));
  const QCommandLineOption lang(QStringLiteral("lang"),
                                QStringLiteral("The language of the editor: ja (Japanese) or en (English)."),
                                QStringLiteral("LANGUAGE"));
  parser.addOption(help);
  parser.addOption(version);
  parser.addOption(lang);
  parser.addPositionalArgument(QStringLiteral("FILE"),
                               QStringLiteral("A project (.hqd), skin (.pdb) or picture to open."),
                               QStringLiteral("[FILE]"));

  // Without an application object the parser cannot name the program.
  const QString helpText =
      parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("vorlune"));
  CommandLine result;
  const auto refuse = [&](const QString& reason) {
    result.action = CommandLine::Action::Refuse;
    result.text = QStringLiteral("vorlune: %1\n\n%2").arg(reason, helpText);
    return result;
  };
  if (!parser.parse(arguments)) return refuse(parser.errorText());
  if (parser.isSet(help)) {
    result.action = CommandLine::Action::PrintHelp;
    result.text = helpText;
    return result;
  }
  if (parser.isSet(version)) {
    result.action = CommandLine::Action::PrintVersion;
    result.text = QStringLiteral("vorlune %1\n").arg(QString::fromUtf8(kVersion));
    return result;
  }
  if (parser.isSet(lang)) {
    result.language = LanguageNamed(parser.value(lang));
    if (!result.language)
      return refuse(QStringLiteral("--lang takes ja or en, not '%1'").arg(parser.value(lang)));
  }
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) return refuse(QStringLiteral("one file at most"));
  if (!files.isEmpty()) result.file = files.front();
  return result;
}

}  // namespace vorlune
