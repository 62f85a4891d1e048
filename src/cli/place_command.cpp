#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>
#include <string>

#include "cli/argument_checks.h"
#include "cli/commands.h"
#include "cli/project_editing.h"
#include "layout/placement_rules.h"

namespace vorlune::cli {

namespace {

struct PlaceArguments {
  std::string project;
  std::string kind;
  int x = 0;
  int y = 0;
  std::string colors;  // empty: those of a plain OK
};

// What the kind's property dialog hands back when it is closed with OK at
// once: the colours the row still holds, or the dialog's defaults when its
// first colour is none.
ColorTriple ColorsOnPlainOk(PartKind k, const ColorTriple& held) {
  if (held[0] >= 0) return held;
  switch (DialogFamilyOf(k)) {
    case DialogFamily::Button:
      break;
    case DialogFamily::TwoColor:
      return {6, 14, kNoColor};
    case DialogFamily::ThreeColor:
      return {6, 14, 9};
    case DialogFamily::TextColor:
      return {14, kNoColor, kNoColor};
  }
  return {kNoColor, kNoColor, kNoColor};
}

// Colours no dialog could hand back: the colour dialogs always set the first
// colour, and a button without image has none at all.
bool DialogCouldGive(PartKind k, const ColorTriple& colors) {
  if (DialogFamilyOf(k) != DialogFamily::Button) return colors[0] >= 0;
  return colors[0] >= 0 || (colors[1] < 0 && colors[2] < 0);
}

std::string ColorText(const ColorTriple& colors) {
  return std::to_string(colors[0]) + "," + std::to_string(colors[1]) + "," + std::to_string(colors[2]);
}

std::string KindName(PartKind k) {
  return std::string(KindInfo(k).name);
}

int RunPlace(const PlaceArguments& args) {
  const PartKind kind = KindOf(args.kind);
  std::optional<ColorTriple> chosen;
  if (!args.colors.empty()) {
    chosen = ColorsOf(args.colors);
    if (!DialogCouldGive(kind, *chosen)) {
      return Refuse({"Error : " + KindName(kind) + " cannot have the colours " + ColorText(*chosen) +
                     " (a first colour of -1 is only for a button without image, -1,-1,-1)."});
    }
  }

  auto layout = LoadProjectForEditing(args.project);
  if (!layout) return 1;
  if (!layout->backgroundLoaded) return Refuse({"Error : the project has no background picture."});
  if (layout->placed(kind)) return Refuse({"Error : " + KindName(kind) + " is already placed."});
  if (const auto other = PlacedKindOfGroup(*layout, kind)) {
    return Refuse({"Error : " + KindName(kind) + " cannot be placed while " + KindName(*other) +
                   " of the same group is placed."});
  }
  const CanvasPoint at{args.x, args.y};
  const bool onCanvas = args.x <= kCanvasSize && args.y <= kCanvasSize && LiesOnCanvas(kind, at);
  if (!onCanvas) {
    return Refuse({"Error : " + KindName(kind) + " at (" + std::to_string(args.x) + ", " +
                   std::to_string(args.y) + ") would not lie wholly on the 320x320 picture."});
  }
  if (FirstTouchedPart(*layout, kind, at)) return Refuse({"他の部品と重なっているため配置できません"});

  PartRecord& row = layout->part(kind);
  row.x = at.x;
  row.y = at.y;
  row.colors = chosen ? *chosen : ColorsOnPlainOk(kind, row.colors);
  const int status = SaveEditedProject(args.project, *layout);
  if (status == 0) {
    std::printf("placed %s (kind %d) at (%d, %d), colours %s; placed count %u\n", KindName(kind).c_str(),
                kind, at.x, at.y, ColorText(row.colors).c_str(), layout->placedCount);
  }
  return status;
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
                   "it last had, or for a part that never had any: buttons -1,-1,-1,\n"
                   "volume and equaliser 6,14,-1, level meters 6,14,9, displays 14,-1,-1.")
      ->type_name("C0,C1,C2")
      ->check(PickerColors());
  command->footer(
      "Refused (exit 1, file unchanged): a kind already placed or one of its group placed,\n"
      "a part not wholly on the 320x320 canvas, a part touching another.");
  return {command, [args] { return RunPlace(*args); }};
}

}  // namespace vorlune::cli
