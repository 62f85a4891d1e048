#include "app/temporary_picture_folder.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <csignal>

#include "app_test_support.h"

namespace vorlune {
namespace {

TEST(TemporaryPictureFolder, HoldsThePictureAndReplacesItWhole) {
  testing::EnsureApplication();
  TemporaryPictureFolder folder;
  ASSERT_TRUE(folder.isValid());
  EXPECT_TRUE(QFileInfo(folder.folderPath()).isDir());
  EXPECT_EQ(QFileInfo(folder.picturePath()).fileName(), "harmoniquest0tempfile.$$$");
  const std::vector<std::uint8_t> first{'B', 'M', 1, 2, 3};
  EXPECT_FALSE(folder.WritePicture(first).has_value());
  EXPECT_FALSE(folder.WritePicture(std::vector<std::uint8_t>{'B', 'M'}).has_value());
  QFile file(folder.picturePath());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("BM"));
  EXPECT_EQ(QDir(folder.folderPath()).entryList(QDir::Files).size(), 1);  // no leftovers of the write

  const QString path = folder.folderPath();
  folder.Remove();
  folder.Remove();
  EXPECT_FALSE(QDir(path).exists());
  EXPECT_FALSE(folder.isValid());
  EXPECT_TRUE(folder.WritePicture(first).has_value());
}

TEST(TemporaryPictureFolder, IsRemovedWhenTheEditorIsTerminated) {
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    int channel[2];
    ASSERT_EQ(pipe(channel), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(channel[0]);
      TemporaryPictureFolder folder;
      folder.WritePicture(std::vector<std::uint8_t>(100, 7));
      const QByteArray path = QFile::encodeName(folder.folderPath()) + '\n';
      if (write(channel[1], path.constData(), static_cast<std::size_t>(path.size())) < 0) _exit(2);
      std::raise(signal);
      _exit(3);  // not reached: the signal ends the process
    }
    close(channel[1]);
    char buffer[4096] = {};
    std::size_t got = 0;
    for (ssize_t n; (n = read(channel[0], buffer + got, sizeof buffer - 1 - got)) > 0;)
      got += static_cast<std::size_t>(n);
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), signal);
    const QString path = QString::fromLocal8Bit(buffer).trimmed();
    ASSERT_FALSE(path.isEmpty());
    EXPECT_FALSE(QDir(path).exists()) << path.toStdString();
  }
}

}  // namespace
}  // namespace vorlune
