#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "cli/argument_checks.h"
#include "cli/commands.h"
#include "cli/file_message.h"
#include "cli/project_editing.h"
#include "layout/part_colors.h"

namespace vorlune::cli {

namespace {

struct PlaceArguments {
  std::string project;
  std::string kind;
  int x = 0;
  int y = 0;
  std::string colors;  // empty: those of a plain OK
};

std::string ColorText(const ColorTriple& colors) {
  return std::to_string(colors[0]) + "," + std::to_string(colors[1]) + "," + std::to_string(colors[2]);
}

std::string KindName(PartKind k) {
  return std::string(KindInfo(k).name);
}

int RunPlace(const PlaceArguments& args) {
  const PartKind kind = KindOf(args.kind);
  SkinDocument document;
  if (!LoadProject(document, args.project)) return 1;
  const std::optional<ColorTriple> chosen =
      args.colors.empty() ? std::nullopt : std::optional<ColorTriple>(ColorsOf(args.colors));
  const Status placed = document.PlacePart(kind, args.x, args.y, chosen);
  if (!placed && placed.error().code == MessageCode::PartsTouch) {
    return Refuse({"Error : " + KindName(kind) + " at (" + std::to_string(args.x) + ", " +
                   std::to_string(args.y) + ") would touch another part."});
  }
  if (!placed) return Refuse(placed.error());
  const int status = SaveProject(document, args.project);
  if (status == 0) {
    const SkinLayout& layout = document.Layout();
    std::printf("placed %s (kind %d) at (%d, %d), colours %s; placed count %u\n", KindName(kind).c_str(),
                kind, args.x, args.y, ColorText(layout.part(kind).colors).c_str(), layout.placedCount);
  }
  return status;
}

// The colours of a plain OK as the help states them, from the dialogs' defaults.
std::string DefaultColorsText() {
  const ColorTriple none{kNoColor, kNoColor, kNoColor};
  return "buttons " + ColorText(ColorsOnPlainOk(kFirstKind, none)) + ", volume and equaliser " +
         ColorText(DefaultColors(DialogFamily::TwoColor)) + ",\nlevel meters " +
         ColorText(DefaultColors(DialogFamily::ThreeColor)) + ", displays " +
         ColorText(DefaultColors(DialogFamily::TextColor)) + ".";
}

}  // namespace

Command AddPlaceCommand(CLI::App& tool) {
  auto args = std::make_shared<PlaceArguments>();
  CLI::App* command =
      tool.add_subcommand("place",
                          "Place a part on a project's background.\n\n"
                          "Places the part on the project's background with its top-left corner at canvas\n"
                          "pixel (X, Y), as a click in the editor would, and saves the project.");
  command->add_option("PROJECT.hqd", args->project, "the project, changed in place")->required();
  command
      ->add_option("KIND", args->kind, "1..30 or a kind name (Play, Stop, VolumeBarH, LevelBarH, Time1, ...)")
      ->required()
      ->check(PartKindArgument());
  command->add_option("X", args->x, "the canvas column of the part's left edge")
      ->required()
      ->check(CanvasPixels());
  command->add_option("Y", args->y, "the canvas row of the part's top edge")
      ->required()
      ->check(CanvasPixels());
  command
      ->add_option("--colors", args->colors,
                   "the three picker indexes, each -1 (none) or 0..15. Without it the\n"
                   "part gets what its colour dialog hands back on OK: the colours\n"
                   "it last had, or for a part that never had any:\n" +
                       DefaultColorsText())
      ->type_name("C0,C1,C2")
      ->check(PickerColors());
  command->footer(
      "Refused (exit 1, file unchanged): a kind already placed or one of its group placed,\n"
      "a part not wholly on the 320x320 canvas, a part touching another.");
  return {command, [args] { return RunPlace(*args); }};
}

}  // namespace vorlune::cli
