#include <cstdio>
#include <filesystem>

#include "cli/commands.h"
#include "core/file_io.h"
#include "image/picture_decoding.h"

namespace vorlune::cli {

bool WantsHelp(const Arguments& args) {
  for (const auto& arg : args) {
    if (arg == "--help" || arg == "-h") return true;
  }
  return false;
}

int RunInfo(const Arguments& args) {
  if (WantsHelp(args)) {
    std::puts(
        "usage: vorlune-cli info FILE [--json]\n\n"
        "Describes a background picture (.bmp), a project (.hqd) or a skin database (.pdb):\n"
        "the header fields the editor reads or writes, and for a project its texts and parts;\n"
        "for another picture (PNG, JPEG, WebP, GIF, TIFF) its format, size, orientation,\n"
        "colour profile, transparency and colours.");
    return 0;
  }
  bool json = false;
  std::string path;
  for (const auto& arg : args) {
    if (arg == "--json") {
      json = true;
    } else if (path.empty()) {
      path = arg;
    } else {
      std::fputs("vorlune-cli info: one file at a time\n", stderr);
      return 2;
    }
  }
  if (path.empty()) {
    std::fputs("usage: vorlune-cli info FILE [--json]\n", stderr);
    return 2;
  }
  // Decide by content, not by name: "BM" is a picture, a Palm database has its
  // type and creator at offset 60, anything else is tried as a project.
  const FileBytes head = ReadWholeFile(path, 68);
  if (head.failure) {
    std::fprintf(stderr, "Error : Cannot open %s\n", path.c_str());
    return 1;
  }
  const auto& b = head.bytes;
  if (b.size() >= 2 && b[0] == 'B' && b[1] == 'M') return DescribeBmp(path, json);
  if (!SniffPictureFormat(b).empty()) return DescribePicture(path, json);
  if (b.size() >= 68 && std::string(b.begin() + 60, b.begin() + 68) == "DataVrln") {
    return DescribeSkinDatabase(path, json);
  }
  return DescribeProject(path, json);
}

}  // namespace vorlune::cli
