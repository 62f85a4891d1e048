#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "language_choice.h"

namespace vorlune {

// What the editor's command line asks for:
//   vorlune [--lang ja|en] [FILE]   |   vorlune --help   |   vorlune --version
struct CommandLine {
  enum class Action { RunEditor, PrintHelp, PrintVersion, Refuse };
  Action action = Action::RunEditor;
  QString text;  // the help, the version line or the reason for refusing
  std::optional<Language> language;
  QString file;  // a project or picture to open at start, or empty
};

// `arguments` begins with the program's name, as QCoreApplication::arguments().
CommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace vorlune
