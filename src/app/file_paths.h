#pragma once

#include <QFile>
#include <QString>
#include <filesystem>

#include "dialogs/user_prompts.h"

namespace vorlune {

// The open dialog of the pictures the Image command takes.
FileDialogRequest PictureFileRequest();

// A path chosen in a dialog or dropped on the window, in the form the core's
// file functions take (the file system's own encoding of the name), and back.
inline std::filesystem::path ToFileSystemPath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}
inline QString FromFileSystemPath(const std::filesystem::path& path) {
  return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

}  // namespace vorlune
