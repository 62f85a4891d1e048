#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "cli/file_message.h"
#include "cli/picture_options.h"
#include "core/file_io.h"
#include "image/background_import.h"
#include "image/picture_import.h"
#include "layout/skin_layout.h"
#include "project/project_file.h"

namespace vorlune::cli {

namespace {

struct ImportArguments {
  std::string input;
  std::string output;
  std::string reducedBmpPath;
  PictureOptions picture;
};

// A note carries the editor's own text, line break included.
void PrintNote(const std::string& text) {
  std::fprintf(stderr, "note: %s\n", text.c_str());
}

bool WriteOutput(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  if (const auto failure = WriteFileAtomically(path, bytes)) {
    PrintFileMessage(path, *failure);
    return false;
  }
  return true;
}

int RunImport(const ImportArguments& args) {
  const std::string& input = args.input;
  const std::string& output = args.output;
  const PictureOptions& options = args.picture;

  // Only the first bytes up to the picture buffer's size can matter to the
  // exact import; other pictures are read whole.
  const bool namedBmp = input.size() >= 4 && (input.ends_with(".bmp") || input.ends_with(".BMP"));
  FileBytes file = ReadWholeFile(input, kPictureBufferSize);
  if (file.failure) return RefuseFile(input, PictureReadFailureMessage(*file.failure, input));
  const bool exact = TakesExactPathByDefault(file.bytes, namedBmp) && !options.AsksForFitting();
  if (!exact && file.bytes.size() > kPictureBufferSize) {
    file = ReadWholeFile(input, kMaxPictureFileSize);
    if (file.failure) return RefuseFile(input, PictureReadFailureMessage(*file.failure, input));
    if (file.bytes.size() > kMaxPictureFileSize) return RefuseFile(input, PictureTooLargeMessage());
  }
  Result<ImportedBackground> imported =
      exact ? ImportBackground(file.bytes) : ImportPicture(file.bytes, options.options());
  if (!imported) return RefuseFile(input, imported.error());
  if (imported->reductionNoticeDue) PrintNote(CliText(ReductionNoticeMessage()));
  for (const auto& warning : imported->warnings) PrintNote(CliText(warning));

  const std::vector<std::uint8_t> temporaryPicture = TemporaryPictureFileBytes(imported->reducedBmp);
  SkinLayout layout = NewSkinLayout();
  ApplyImportedBackground(layout, std::move(*imported));
  if (!WriteOutput(output, WriteProjectFile(layout))) return 1;
  if (!args.reducedBmpPath.empty() && !WriteOutput(args.reducedBmpPath, temporaryPicture)) return 1;
  return 0;
}

}  // namespace

Command AddImportCommand(CLI::App& tool) {
  auto args = std::make_shared<ImportArguments>();
  CLI::App* command = tool.add_subcommand(
      "import",
      "Make a project from a picture.\n\n"
      "Imports the picture as the background of a new skin and writes the project file\n"
      "that the editor would save right after the import: nothing placed, no name,\n"
      "author or version.\n\n"
      "A 320 x 320 BMP (1, 2, 4, 8 or 24 bits per pixel, uncompressed) is imported exactly:\n"
      "pictures with more than 214 colours are reduced to 214 colours (a note says so on\n"
      "standard error). Any BMP goes the same way unless --fit or --reduce fine is given.\n"
      "Every other picture (PNG, JPEG, WebP, GIF's first frame, TIFF, BMP of any size) is\n"
      "turned upright, converted to sRGB, laid over the matte colour where transparent,\n"
      "fitted to 320 x 320 and reduced to at most 214 colours.");
  command->add_option("IN", args->input, "the picture")->required();
  command->add_option("OUT.hqd", args->output, "the project to write")->required();
  args->picture.AddTo(*command);
  command
      ->add_option("--reduced-bmp", args->reducedBmpPath,
                   "also write the reduced 8-bit picture as the editor keeps it\n"
                   "in its temporary picture file (103,312 bytes)")
      ->type_name("FILE");
  command->footer(
      "A picture the editor refuses gives its message on standard error and exit status 1;\n"
      "no file is then created or changed.");
  return {command, [args] { return RunImport(*args); }};
}

}  // namespace vorlune::cli
