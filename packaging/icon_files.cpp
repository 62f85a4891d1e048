// Writes the application icon into a hicolor icon theme folder at every size a
// desktop asks for, drawn by the same code as the window icon:
//   vorlune-icons FOLDER   ->  FOLDER/NxN/apps/vorlune.png
#include <cstdio>
#include <filesystem>
#include <string>

#include "core/file_io.h"
#include "core/png_writer.h"
#include "part_pictures.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: vorlune-icons FOLDER\n", stderr);
    return 2;
  }
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    const std::string sizeName = std::to_string(size) + "x" + std::to_string(size);
    const std::filesystem::path folder = std::filesystem::path(argv[1]) / sizeName / "apps";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (const auto failure = vorlune::WriteFileAtomically(
            folder / "vorlune.png", vorlune::EncodePng(vorlune::ApplicationIcon(size)))) {
      std::fprintf(stderr, "vorlune-icons: %s\n", failure->c_str());
      return 1;
    }
  }
  return 0;
}
