#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "core/file_io.h"
#include "image/background_import.h"
#include "layout/skin_layout.h"
#include "project/project_file.h"

namespace vorlune::cli {

namespace {

constexpr const char* kUsage = "usage: vorlune-cli import IN.bmp OUT.hqd [--reduced-bmp FILE]\n";

void PrintHelp() {
  std::fputs(kUsage, stdout);
  std::puts(
      "\nImports a 320 x 320 BMP picture (1, 2, 4, 8 or 24 bits per pixel, uncompressed) as the\n"
      "background of a new skin and writes the project file that the editor would save right\n"
      "after the import: nothing placed, no name, author or version. Pictures with more than\n"
      "214 colours are reduced to 214 colours (a note says so on standard error).\n\n"
      "  --reduced-bmp FILE   also write the reduced 8-bit picture as the editor keeps it\n"
      "                       in its temporary picture file (103,312 bytes)\n\n"
      "A picture the editor refuses gives its message on standard error and exit status 1;\n"
      "no file is then created or changed.");
}

// A note carries the editor's own text, line break included.
void PrintNote(const std::string& text) {
  std::fprintf(stderr, "note: %s\n", text.c_str());
}

bool WriteOutput(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  if (const auto failure = WriteFileAtomically(path, bytes)) {
    std::fprintf(stderr, "vorlune-cli import: %s\n", failure->c_str());
    return false;
  }
  return true;
}

}  // namespace

int RunImport(const Arguments& args) {
  if (WantsHelp(args)) {
    PrintHelp();
    return 0;
  }
  std::string input;
  std::string output;
  std::string reducedBmpPath;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--reduced-bmp") {
      if (i + 1 == args.size()) {
        std::fputs(kUsage, stderr);
        return 2;
      }
      reducedBmpPath = args[++i];
    } else if (input.empty()) {
      input = args[i];
    } else if (output.empty()) {
      output = args[i];
    } else {
      std::fputs(kUsage, stderr);
      return 2;
    }
  }
  if (input.empty() || output.empty()) {
    std::fputs(kUsage, stderr);
    return 2;
  }

  // Only the first bytes up to the picture buffer's size can matter.
  const FileBytes file = ReadWholeFile(input, kPictureBufferSize);
  if (file.failure) {
    std::fprintf(stderr, "%s\n", BmpReadFailureMessage(*file.failure).text.c_str());
    return 1;
  }
  Result<ImportedBackground> imported = ImportBackground(file.bytes);
  if (!imported) {
    std::fprintf(stderr, "%s\n", imported.error().text.c_str());
    return 1;
  }
  if (imported->reductionNoticeDue) PrintNote(ReductionNoticeMessage().text);
  for (const auto& warning : imported->warnings) PrintNote(warning.text);

  const std::vector<std::uint8_t> temporaryPicture = TemporaryPictureFileBytes(imported->reducedBmp);
  SkinLayout layout = NewSkinLayout();
  ApplyImportedBackground(layout, std::move(*imported));
  if (!WriteOutput(output, WriteProjectFile(layout))) return 1;
  if (!reducedBmpPath.empty() && !WriteOutput(reducedBmpPath, temporaryPicture)) return 1;
  return 0;
}

}  // namespace vorlune::cli
