#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "layout/skin_palette.h"
#include "session_support.h"

namespace vorlune::testing {

// A 320 x 320 8-bit picture of 200 colours (no reduction), pixel (x, y) of
// colour (x + 3y) % 200, so that any shift of the background shows.
std::vector<std::uint8_t> RampPicture();
// A 320 x 320 picture of `bits` bits whose pixel (x, y), counted from the top,
// has colour index(x, y) of `table` (24 bits: the colour itself).
std::vector<std::uint8_t> IndexedPicture(int bits, const std::vector<Rgb>& table,
                                         std::uint8_t (*index)(int x, int y), std::uint32_t colorsUsed = 0);
// The sixteen colours of the property dialogs, which no reduction changes.
std::vector<Rgb> PickerTable();

QString WriteFile(const QString& path, const std::vector<std::uint8_t>& bytes);
QString WriteFile(const QString& path, const QByteArray& bytes);
QByteArray ReadFileBytes(const QString& path);
inline std::span<const std::uint8_t> Bytes(const QByteArray& bytes) {
  return {reinterpret_cast<const std::uint8_t*>(bytes.data()), static_cast<std::size_t>(bytes.size())};
}
// Chooses `bytes`, written as `name`, in the open dialog of "画　像".
void Import(EditorSession& s, const std::vector<std::uint8_t>& bytes, const QString& name = "picture.bmp");

// The window's layout as a project file would hold it.
std::vector<std::uint8_t> ProjectBytes(CSkinEditorDlg& window);
// The pixels of `image`, for golden checks.
std::vector<std::uint8_t> Pixels(const QImage& image);
// The canvas with its grey frame and the placement indicator.
QImage Canvas(EditorSession& s);

// Runs vorlune-cli; its exit code, its error output appended to `error`.
int RunCli(const QStringList& arguments, std::string& error);

}  // namespace vorlune::testing
