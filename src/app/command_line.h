#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace vorlune {

// What the editor's command line asks for: a file to open at start, or only
// a text to print (--help, --version, a usage error) and an exit code.
struct CommandLine {
  QString file;  // a project (.hqd) to load or a picture to import; may be empty
  std::optional<int> exitCode;
  QString output;  // printed before exiting: to standard output on 0, else standard error
};

// `arguments` as QCoreApplication::arguments() gives them, program name first.
CommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace vorlune
