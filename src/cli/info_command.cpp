#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>

#include "cli/commands.h"
#include "cli/file_message.h"
#include "cli/input_guard.h"
#include "cli/picture_options.h"
#include "core/file_io.h"
#include "image/picture_decoding.h"
#include "project/project_file.h"

namespace vorlune::cli {

namespace {

// What the readers other than the pictures' were given before: at most
// their whole-file read's share.
constexpr std::size_t kLongestOtherFile = 64u << 20;

std::string Suffix(const std::string& path) {
  std::string suffix = std::filesystem::path(path).extension().string();
  std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return suffix;
}

}  // namespace

bool WantsHelp(const Arguments& args) {
  for (const auto& arg : args) {
    if (arg == "--help" || arg == "-h") return true;
  }
  return false;
}

int RunInfo(const Arguments& args) {
  if (WantsHelp(args)) {
    std::puts(
        "usage: vorlune-cli info FILE [--json] [--count-colors]\n\n"
        "Describes a background picture (.bmp), a project (.hqd) or a skin database (.pdb):\n"
        "the header fields the editor reads or writes, and for a project its texts and parts;\n"
        "for another picture (PNG, JPEG, WebP, GIF, TIFF) what its header says: format, size,\n"
        "orientation, colour profile and transparency. --count-colors also decodes its pixels\n"
        "and counts their colours. A file that is not one of these, or a picture that is too\n"
        "large or damaged, gives its message on standard error and exit status 1.");
    return 0;
  }
  bool json = false;
  bool countColours = false;
  std::string path;
  for (const auto& arg : args) {
    if (arg == "--json") {
      json = true;
    } else if (arg == "--count-colors") {
      countColours = true;
    } else if (path.empty()) {
      path = arg;
    } else {
      std::fputs("vorlune-cli info: one file at a time\n", stderr);
      return 2;
    }
  }
  if (path.empty()) {
    std::fputs("usage: vorlune-cli info FILE [--json] [--count-colors]\n", stderr);
    return 2;
  }
  // Read once (a pipe gives its bytes only once); decided by content, not by
  // name: "BM" is a picture, a Palm database has its type and creator at
  // offset 60, other pictures have their signatures.
  const InputFile file = InputFile::Open(path, kMaxPictureFileSize);
  GuardMappedInput(path);
  if (file.failure()) {
    std::fprintf(stderr, "Error : Cannot open %s\n", path.c_str());
    return 1;
  }
  const std::span<const std::uint8_t> b = file.bytes();
  const std::span<const std::uint8_t> other = b.first(std::min(b.size(), kLongestOtherFile + 1));
  if (b.size() >= 2 && b[0] == 'B' && b[1] == 'M') return DescribeBmp(path, other, json);
  if (!SniffPictureFormat(b).empty()) return DescribePicture(path, file, json, countColours);
  const bool database = b.size() >= 68 && std::equal(b.begin() + 60, b.begin() + 68, "DataVrln");
  const std::string suffix = Suffix(path);
  if (database || suffix == ".pdb") return DescribeSkinDatabase(path, other, json);
  if (suffix == ".hqd" || ReadProjectFile(other).ok()) return DescribeProject(path, other, json);
  constexpr const char* kPictureSuffixes[] = {".png", ".jpg", ".jpeg", ".webp", ".gif", ".tif", ".tiff"};
  if (std::find(std::begin(kPictureSuffixes), std::end(kPictureSuffixes), suffix) !=
      std::end(kPictureSuffixes))
    return RefuseFile(path, NotAPictureMessage());
  return RefuseFile(path,
                    {"Error : this file is not a picture (PNG, JPEG, WebP, GIF, TIFF or BMP), a project "
                     "(.hqd) or a skin (.pdb)."});
}

}  // namespace vorlune::cli
