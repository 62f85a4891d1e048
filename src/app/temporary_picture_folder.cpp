#include "temporary_picture_folder.h"

#include <QDir>
#include <filesystem>

#include "core/file_io.h"

#ifdef Q_OS_UNIX
#include <unistd.h>

#include <csignal>
#include <cstring>
#endif

namespace vorlune {

namespace {

#ifdef Q_OS_UNIX
// Paths kept as plain characters, so that a signal handler can remove them with
// async-signal-safe calls only.
char g_picturePath[4096];
char g_folderPath[4096];
constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

void RemoveOnSignal(int signal) {
  if (g_picturePath[0] != '\0') unlink(g_picturePath);
  if (g_folderPath[0] != '\0') rmdir(g_folderPath);
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

void ArmSignalCleanup(const QString& folder, const QString& picture) {
  const QByteArray folderBytes = QFile::encodeName(folder);
  const QByteArray pictureBytes = QFile::encodeName(picture);
  if (folderBytes.size() >= static_cast<int>(sizeof g_folderPath) ||
      pictureBytes.size() >= static_cast<int>(sizeof g_picturePath))
    return;
  std::memcpy(g_folderPath, folderBytes.constData(), static_cast<std::size_t>(folderBytes.size()) + 1);
  std::memcpy(g_picturePath, pictureBytes.constData(), static_cast<std::size_t>(pictureBytes.size()) + 1);
  for (int signal : kEndingSignals) std::signal(signal, RemoveOnSignal);
}

void DisarmSignalCleanup() {
  for (int signal : kEndingSignals) std::signal(signal, SIG_DFL);
  g_picturePath[0] = '\0';
  g_folderPath[0] = '\0';
}
#else
void ArmSignalCleanup(const QString&, const QString&) {}
void DisarmSignalCleanup() {}
#endif

}  // namespace

TemporaryPictureFolder::TemporaryPictureFolder() {
  m_folder.emplace(QDir::tempPath() + QStringLiteral("/vorlune-XXXXXX"));
  if (m_folder->isValid()) {
    m_folder->setAutoRemove(true);
    ArmSignalCleanup(folderPath(), picturePath());
  }
}

TemporaryPictureFolder::~TemporaryPictureFolder() {
  Remove();
}

bool TemporaryPictureFolder::isValid() const {
  return m_folder && m_folder->isValid();
}

QString TemporaryPictureFolder::folderPath() const {
  return isValid() ? m_folder->path() : QString();
}

QString TemporaryPictureFolder::picturePath() const {
  return isValid() ? m_folder->filePath(QString::fromLatin1(kTemporaryPictureName)) : QString();
}

std::optional<std::string> TemporaryPictureFolder::WritePicture(std::span<const std::uint8_t> bytes) const {
  if (!isValid()) return std::string("the temporary folder could not be created");
  return WriteFileAtomically(std::filesystem::path(picturePath().toStdString()), bytes);
}

void TemporaryPictureFolder::Remove() {
  if (!m_folder) return;
  DisarmSignalCleanup();
  m_folder.reset();  // removes the folder with its content
}

}  // namespace vorlune
