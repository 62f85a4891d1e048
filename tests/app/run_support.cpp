#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>

#include "app/file_paths.h"
#include "app/kind_indicator.h"
#include "document/recovery_copy_writer.h"
#include "project/project_file.h"
#include "session_support.h"
#include "support/bmp_builder.h"

namespace vorlune::testing {

std::vector<std::uint8_t> RampPicture() {
  std::vector<Rgb> table;
  for (int i = 0; i < 200; ++i)
    table.push_back(Rgb{std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i * 7 % 256)});
  return Indexed(8, table, 200, [](int x, int row) { return std::uint8_t((x + 3 * (319 - row)) % 200); })
      .Bytes();
}

std::vector<std::uint8_t> IndexedPicture(int bits, const std::vector<Rgb>& table,
                                         std::uint8_t (*index)(int x, int y), std::uint32_t colorsUsed) {
  const auto at = [&](int x, int row) { return index(x, 319 - row); };
  TestBmp bmp = bits == 24 ? TrueColor([&](int x, int row) { return table[at(x, row)]; })
                           : Indexed(static_cast<unsigned>(bits), table, colorsUsed, at);
  bmp.colorsUsed = colorsUsed;
  return bmp.Bytes();
}

std::vector<Rgb> PickerTable() {
  return {kPickerColors.begin(), kPickerColors.end()};
}

QString WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  file.write(bytes);
  return path;
}

QString WriteFile(const QString& path, const std::vector<std::uint8_t>& bytes) {
  return WriteFile(path, QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
}

QByteArray ReadFileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Import(EditorSession& s, const std::vector<std::uint8_t>& bytes, const QString& name) {
  s.prompts.files.push_back(WriteFile(s.Path(name), bytes));
  s.Click(s.window().ImageButton());
}

std::vector<std::uint8_t> ProjectBytes(const EditorSession& s) {
  return WriteProjectFile(s.layout());
}

std::vector<std::uint8_t> Pixels(const QImage& image) {
  const QImage plain = image.convertToFormat(QImage::Format_RGB32);
  std::vector<std::uint8_t> bytes;
  for (int y = 0; y < plain.height(); ++y)
    bytes.insert(bytes.end(), plain.constScanLine(y), plain.constScanLine(y) + 4 * plain.width());
  return bytes;
}

QImage CanvasShot(const EditorSession& s) {
  const QImage framed = s.Framed();
  const QImage indicator = s.window().Indicator()->grab().toImage();
  QImage shot(framed.width() + indicator.width(), framed.height(), QImage::Format_RGB32);
  shot.fill(Qt::white);
  QPainter painter(&shot);
  painter.drawImage(0, 0, framed);
  painter.drawImage(framed.width(), framed.height() - indicator.height(), indicator);
  return shot;
}

QStringList RecoveryCopies() {
  return QDir(FromFileSystemPath(RecoveryCopyWriter::DefaultFolder())).entryList({"*.hqd"});
}

int RunCli(const QStringList& arguments, std::string& error) {
  QProcess cli;
  cli.start(VORLUNE_CLI, arguments);
  if (!cli.waitForFinished(30000)) return -1;
  error += cli.readAllStandardError().toStdString();
  return cli.exitCode();
}

}  // namespace vorlune::testing
