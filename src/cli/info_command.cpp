#include <CLI/CLI.hpp>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "cli/commands.h"
#include "core/file_io.h"
#include "image/picture_decoding.h"

namespace vorlune::cli {

namespace {

struct InfoArguments {
  std::string path;
  bool json = false;
};

int RunInfo(const InfoArguments& args) {
  const std::string& path = args.path;
  const bool json = args.json;
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

}  // namespace

Command AddInfoCommand(CLI::App& tool) {
  auto args = std::make_shared<InfoArguments>();
  CLI::App* command =
      tool.add_subcommand("info",
                          "Describe a picture, a project (.hqd) or a skin database (.pdb).\n\n"
                          "For a background picture (.bmp), a project or a skin: the header fields the\n"
                          "editor reads or writes, and for a project its texts and parts; for another\n"
                          "picture (PNG, JPEG, WebP, GIF, TIFF) its format, size, orientation, colour\n"
                          "profile, transparency and colours. The kind of file is told from its content.");
  command->add_option("FILE", args->path, "the file to describe")->required();
  command->add_flag("--json", args->json, "print one JSON object instead of text");
  return {command, [args] { return RunInfo(*args); }};
}

}  // namespace vorlune::cli
