#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "cli/commands.h"
#include "cli/file_message.h"
#include "cli/input_guard.h"
#include "cli/picture_options.h"
#include "core/file_io.h"
#include "image/picture_decoding.h"
#include "project/project_file.h"

namespace vorlune::cli {

namespace {

struct InfoArguments {
  std::string path;
  bool json = false;
  bool countColours = false;
};

// What the readers other than the pictures' were given before: at most
// their whole-file read's share.
constexpr std::size_t kLongestOtherFile = 64u << 20;

std::string Suffix(const std::string& path) {
  std::string suffix = std::filesystem::path(path).extension().string();
  std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return suffix;
}

int RunInfo(const InfoArguments& args) {
  const std::string& path = args.path;
  const bool json = args.json;
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
  if (!SniffPictureFormat(b).empty()) return DescribePicture(path, file, json, args.countColours);
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

}  // namespace

Command AddInfoCommand(CLI::App& tool) {
  auto args = std::make_shared<InfoArguments>();
  CLI::App* command =
      tool.add_subcommand("info",
                          "Describe a picture, a project (.hqd) or a skin database (.pdb).\n\n"
                          "For a background picture (.bmp), a project or a skin: the header fields the\n"
                          "editor reads or writes, and for a project its texts and parts; for another\n"
                          "picture (PNG, JPEG, WebP, GIF, TIFF) what its header says: format, size,\n"
                          "orientation, colour profile and transparency. The kind of file is told from\n"
                          "its content. A file that is none of these, or a picture that is too large or\n"
                          "damaged, gives its message on standard error and exit status 1.");
  command->add_option("FILE", args->path, "the file to describe")->required();
  command->add_flag("--json", args->json, "print one JSON object instead of text");
  command->add_flag("--count-colors", args->countColours,
                    "also decode a picture's pixels and count their colours");
  return {command, [args] { return RunInfo(*args); }};
}

}  // namespace vorlune::cli
