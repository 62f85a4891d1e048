#include "build_project_support.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "core/byte_order.h"
#include "core/file_io.h"
#include "project/project_file.h"

namespace vorlune::testing {

SkinLayout ImportedLayoutForBuild() {
  std::vector<std::uint8_t> bmp(kReducedBmpSize, 0);
  bmp[0] = 'B';
  bmp[1] = 'M';
  WriteLE32(&bmp[2], kReducedBmpSize + 2);
  WriteLE32(&bmp[10], kReducedHeaderSize);
  WriteLE32(&bmp[14], 40);
  WriteLE32(&bmp[18], 320);
  WriteLE32(&bmp[22], 320);
  WriteLE16(&bmp[26], 1);
  WriteLE16(&bmp[28], 8);
  WriteLE32(&bmp[34], kPixelBytes);
  WriteLE32(&bmp[46], kBackgroundColors);
  WriteLE32(&bmp[50], kBackgroundColors);
  SkinLayout layout = NewSkinLayout();
  for (int i = 0; i < kBackgroundColors; ++i) {
    const Rgb c{static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>(i),
                static_cast<std::uint8_t>(3 * i)};
    bmp[static_cast<std::size_t>(54 + 4 * i)] = c.b;
    bmp[static_cast<std::size_t>(55 + 4 * i)] = c.g;
    bmp[static_cast<std::size_t>(56 + 4 * i)] = c.r;
    layout.palette[static_cast<std::size_t>(17 + i)] = c;
  }
  layout.picture.assign(bmp.begin(), bmp.begin() + kReducedHeaderSize);
  layout.picture.resize(kReducedBmpSize);
  for (int y = 0; y < 320; ++y) {
    for (int x = 0; x < 320; ++x) {
      const auto index = static_cast<std::uint8_t>((5 * x + y) % kBackgroundColors);
      bmp[kReducedHeaderSize + static_cast<std::size_t>((319 - y) * 320 + x)] = index;
      layout.picture[kReducedHeaderSize + static_cast<std::size_t>(y * 320 + x)] =
          static_cast<std::uint8_t>(index + 17);
    }
  }
  layout.reducedBmp = std::move(bmp);
  layout.pixelOffset = kReducedHeaderSize;
  layout.temporaryPictureSize = kReducedBmpSize;
  layout.pictureColorsUsed = kBackgroundColors;
  layout.pictureBitsPerPixel = 8;
  layout.backgroundLoaded = true;
  return layout;
}

void PlaceCounted(SkinLayout& layout, PartKind k, int x, int y, ColorTriple colors) {
  layout.part(k).x = x;
  layout.part(k).y = y;
  layout.part(k).colors = colors;
  layout.placedCount = static_cast<std::uint32_t>(CountPlacedRows(layout));
}

void SaveProjectForBuild(const SkinLayout& layout, const std::filesystem::path& path) {
  const std::vector<std::uint8_t> bytes = WriteProjectFile(layout);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string FileText(const std::filesystem::path& path) {
  const FileBytes read = ReadWholeFile(path);
  return std::string(read.bytes.begin(), read.bytes.end());
}

std::filesystem::path EmptyFolder(const std::string& name) {
  const auto folder =
      std::filesystem::temp_directory_path() / ("vorlune-" + name + "-" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

CliRun RunCli(const std::string& arguments, const std::string& environment) {
  const auto folder =
      std::filesystem::temp_directory_path() / ("vorlune-cli-run-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string out = (folder / "out").string();
  const std::string err = (folder / "err").string();
  const std::string command = "env -u SOURCE_DATE_EPOCH " + environment + " '" + VORLUNE_CLI + "' " +
                              arguments + " >'" + out + "' 2>'" + err + "'";
  const int raw = std::system(command.c_str());
  CliRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = FileText(out);
  run.err = FileText(err);
  std::filesystem::remove_all(folder);
  return run;
}

}  // namespace vorlune::testing
