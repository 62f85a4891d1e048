#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <new>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/file_message.h"
#include "cli/input_guard.h"
#include "cli/picture_options.h"
#include "core/file_io.h"
#include "document/layout_transfer.h"
#include "image/background_import.h"
#include "image/picture_import.h"
#include "layout/skin_layout.h"
#include "project/project_file.h"
#include "project/skin_unpacking.h"

namespace vorlune::cli {

namespace {

struct ImportArguments {
  std::string input;
  std::string output;
  std::string reducedBmpPath;
  std::string layoutFrom;
  PictureOptions picture;
};

// A note carries the editor's own text, line break included.
void PrintNote(const std::string& text) {
  std::fprintf(stderr, "note: %s\n", text.c_str());
}

int RunImport(const ImportArguments& args) {
  const std::string& input = args.input;
  const std::string& output = args.output;
  const PictureOptions& options = args.picture;

  // The layout first: a refused FROM costs no picture decoding.
  SkinLayout layout = NewSkinLayout();
  if (!args.layoutFrom.empty()) {
    Result<SkinLayout> from = ReadLayout(args.layoutFrom);
    if (!from) {
      RefuseFile(args.layoutFrom, from.error());
      if (from.error() == NotMadeByThisEditorMessage())
        std::fputs("vorlune-cli import: unpack --force writes its project, whose layout --layout takes.\n",
                   stderr);
      return 1;
    }
    layout = std::move(*from);
  }

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
  if ((*imported)->reductionNoticeDue) PrintNote(CliText(ReductionNoticeMessage()));
  for (const auto& warning : (*imported)->warnings) PrintNote(CliText(warning));

  // Every output is written whole, or none is.
  const std::vector<std::uint8_t> temporaryPicture = TemporaryPictureFileBytes((*imported)->reducedBmp);
  if (args.layoutFrom.empty())
    ApplyImportedBackground(layout, std::move(**imported));
  else
    layout = LayoutOnPicture(layout, std::move(**imported));
  const std::vector<std::uint8_t> project = WriteProjectFile(layout);
  std::vector<OutputFile> outputs{{output, project}};
  if (!args.reducedBmpPath.empty()) outputs.push_back({args.reducedBmpPath, temporaryPicture});
  std::size_t failed = 0;
  if (const auto failure = WriteFilesAtomically(outputs, &failed)) {
    const std::string kind = failed == 0 ? "hqd" : "bmp";
    return RefuseFile(outputs[failed].target, {"Error : Cannot make " + kind + "-file. (" + *failure + ")",
                                               MessageIcon::Exclamation,
                                               MessageCode::FileCannotMake,
                                               {kind}});
  }
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
      "standard error). Any BMP goes the same way unless --fit, --focus or --reduce fine\n"
      "is given.\n"
      "Every other picture (PNG, JPEG, WebP, GIF's first frame, TIFF, BMP of any size) is\n"
      "turned upright, converted to sRGB, laid over the matte colour where transparent,\n"
      "fitted to 320 x 320 and reduced to at most 214 colours. Large pictures are decoded\n"
      "at reduced size, in bounded memory.");
  command->add_option("IN", args->input, "the picture")->required();
  command->add_option("OUT.hqd", args->output, "the project to write")->required();
  args->picture.AddTo(*command);
  command
      ->add_option("--reduced-bmp", args->reducedBmpPath,
                   "also write the reduced 8-bit picture as the editor keeps it\n"
                   "in its temporary picture file (103,312 bytes)")
      ->type_name("FILE");
  command
      ->add_option("--layout", args->layoutFrom,
                   "place the parts of this project or skin (.pdb) on the picture, with\n"
                   "their colours and the database title, author and version")
      ->type_name("FROM.hqd|FROM.pdb");
  command->footer(
      "A picture the editor refuses gives its message on standard error and exit status 1;\n"
      "no file is then created or changed. Only regular files that may be written are\n"
      "replaced, and the outputs are written all together or not at all.");
  return {command, [args] { return RunImport(*args); }};
}

}  // namespace vorlune::cli
