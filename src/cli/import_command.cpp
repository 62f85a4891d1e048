#include <algorithm>
#include <cstdio>
#include <new>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/file_message.h"
#include "cli/input_guard.h"
#include "cli/picture_options.h"
#include "core/file_io.h"
#include "image/background_import.h"
#include "image/picture_import.h"
#include "layout/skin_layout.h"
#include "project/project_file.h"

namespace vorlune::cli {

namespace {

constexpr const char* kUsage =
    "usage: vorlune-cli import IN.bmp OUT.hqd [--reduced-bmp FILE]\n"
    "       vorlune-cli import IN OUT.hqd [--fit cover|contain|stretch] [--reduce classic|fine]\n"
    "                          [--dither fs|none] [--matte RRGGBB] [--reduced-bmp FILE]\n";

void PrintHelp() {
  std::fputs(kUsage, stdout);
  std::puts(
      "\nImports a picture as the background of a new skin and writes the project file that the\n"
      "editor would save right after the import: nothing placed, no name, author or version.\n\n"
      "A 320 x 320 BMP (1, 2, 4, 8 or 24 bits per pixel, uncompressed) is imported exactly:\n"
      "pictures with more than 214 colours are reduced to 214 colours (a note says so on\n"
      "standard error). Any BMP goes the same way unless --fit or --reduce fine is given.\n"
      "Every other picture (PNG, JPEG, WebP, GIF's first frame, TIFF, BMP of any size) is\n"
      "turned upright, converted to sRGB, laid over the matte colour where transparent,\n"
      "fitted to 320 x 320 and reduced to at most 214 colours:\n\n"
      "  --fit cover          scale to fill and crop the overhang equally (default)\n"
      "  --fit contain        the whole picture, bars of the matte colour\n"
      "  --fit stretch        scale to the square\n"
      "  --reduce fine        214 colours chosen for the picture (default)\n"
      "  --reduce classic     the 24-bit BMP reduction, applied to the fitted picture\n"
      "  --dither fs|none     error diffusion of the fine reduction on (default) or off\n"
      "  --matte RRGGBB       colour under transparent parts and of the bars (default FFFFFF)\n"
      "  --reduced-bmp FILE   also write the reduced 8-bit picture as the editor keeps it\n"
      "                       in its temporary picture file (103,312 bytes)\n\n"
      "A picture the editor refuses gives its message on standard error and exit status 1;\n"
      "no file is then created or changed.");
}

// A note carries the editor's own text, line break included.
void PrintNote(const std::string& text) {
  std::fprintf(stderr, "note: %s\n", text.c_str());
}

int Usage() {
  std::fputs(kUsage, stderr);
  return 2;
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
  PictureOptionsParser options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--reduced-bmp") {
      if (!hasValue) return Usage();
      reducedBmpPath = args[++i];
    } else if (options.Takes(args[i])) {
      if (!hasValue || !options.Parse(args[i], args[i + 1])) return Usage();
      ++i;
    } else if (input.empty()) {
      input = args[i];
    } else if (output.empty()) {
      output = args[i];
    } else {
      return Usage();
    }
  }
  if (input.empty() || output.empty()) return Usage();

  // Read once: a pipe gives its bytes only once. Only the first bytes up to
  // the picture buffer's size can matter to the exact import.
  const bool namedBmp = input.size() >= 4 && (input.ends_with(".bmp") || input.ends_with(".BMP"));
  const InputFile file = InputFile::Open(input, kMaxPictureFileSize);
  GuardMappedInput(input);
  if (file.failure()) return RefuseFile(input, PictureReadFailureMessage(*file.failure(), input));
  const std::span<const std::uint8_t> bytes = file.bytes();
  const bool exact = TakesExactPathByDefault(bytes, namedBmp) && !options.AsksForFitting();
  if (!exact && bytes.size() > kMaxPictureFileSize) return RefuseFile(input, PictureTooLargeMessage());
  ReducedDecoding decoding;
  decoding.consumed = [&file](std::size_t offset) { file.Release(offset); };
  std::optional<Result<ImportedBackground>> imported;
  try {
    imported =
        exact ? ImportBackground(bytes.first(std::min<std::size_t>(bytes.size(), kPictureBufferSize + 1)))
              : ImportPicture(bytes, options.options(), decoding);
  } catch (const std::bad_alloc&) {
    imported = Result<ImportedBackground>(PictureTooLargeMessage());
  }
  if (!*imported) return RefuseFile(input, imported->error());
  if ((*imported)->reductionNoticeDue) PrintNote(ReductionNoticeMessage().text);
  for (const auto& warning : (*imported)->warnings) PrintNote(warning.text);

  // Every output is written whole, or none is.
  const std::vector<std::uint8_t> temporaryPicture = TemporaryPictureFileBytes((*imported)->reducedBmp);
  SkinLayout layout = NewSkinLayout();
  ApplyImportedBackground(layout, std::move(**imported));
  const std::vector<std::uint8_t> project = WriteProjectFile(layout);
  std::vector<OutputFile> outputs{{output, project}};
  if (!reducedBmpPath.empty()) outputs.push_back({reducedBmpPath, temporaryPicture});
  std::size_t failed = 0;
  if (const auto failure = WriteFilesAtomically(outputs, &failed)) {
    return RefuseFile(outputs[failed].target, {std::string(failed == 0 ? "Error : Cannot make hqd-file. ("
                                                                       : "Error : Cannot make bmp-file. (") +
                                               *failure + ")"});
  }
  return 0;
}

}  // namespace vorlune::cli
