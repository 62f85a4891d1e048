#include <charconv>
#include <cstdio>
#include <string_view>

#include "cli/commands.h"
#include "cli/project_editing.h"
#include "layout/placement_rules.h"

namespace vorlune::cli {

namespace {

constexpr const char* kUsage = "usage: vorlune-cli place PROJECT.hqd KIND X Y [--colors C0,C1,C2]\n";

constexpr const char* kHelp =
    "usage: vorlune-cli place PROJECT.hqd KIND X Y [--colors C0,C1,C2]\n\n"
    "Places a part on the project's background with its top-left corner at canvas\n"
    "pixel (X, Y), as a click in the editor would, and saves the project.\n\n"
    "  KIND           1..30 or a kind name (Play, Stop, VolumeBarH, LevelBarH, Time1, ...)\n"
    "  --colors       the three picker indexes, each -1 (none) or 0..15. Without it the\n"
    "                 part gets what its colour dialog hands back on OK: the colours\n"
    "                 it last had, or for a part that never had any: buttons -1,-1,-1,\n"
    "                 volume and equaliser 6,14,-1, level meters 6,14,9, displays 14,-1,-1.\n\n"
    "Refused (exit 1, file unchanged): a kind already placed or one of its group placed,\n"
    "a part not wholly on the 320x320 canvas, a part touching another.\n";

std::optional<int> ParseNumber(std::string_view text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::optional<ColorTriple> ParseColors(std::string_view text) {
  ColorTriple colors{};
  for (std::size_t slot = 0; slot < colors.size(); ++slot) {
    const std::size_t comma = text.find(',');
    const bool last = slot + 1 == colors.size();
    if (last != (comma == std::string_view::npos)) return std::nullopt;
    const auto value = ParseNumber(text.substr(0, comma));
    if (!value || *value < -1 || *value > 15) return std::nullopt;
    colors[slot] = static_cast<PickerIndex>(*value);
    if (!last) text.remove_prefix(comma + 1);
  }
  return colors;
}

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

}  // namespace

int RunPlace(const Arguments& args) {
  if (WantsHelp(args)) {
    std::fputs(kHelp, stdout);
    return 0;
  }
  std::vector<std::string> positional;
  std::optional<std::string> colorText;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--colors" && i + 1 < args.size()) {
      colorText = args[++i];
    } else if (arg.starts_with("--colors=")) {
      colorText = arg.substr(9);
    } else if (arg.starts_with("--")) {
      std::fputs(kUsage, stderr);
      return 2;
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() != 4) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const auto kind = ParseKindArgument("place", positional[1]);
  if (!kind) return 2;
  const auto x = ParseNumber(positional[2]);
  const auto y = ParseNumber(positional[3]);
  if (!x || !y) {
    std::fputs("vorlune-cli place: X and Y are whole numbers of canvas pixels\n", stderr);
    return 2;
  }
  std::optional<ColorTriple> chosen;
  if (colorText) {
    chosen = ParseColors(*colorText);
    if (!chosen) {
      std::fputs("vorlune-cli place: --colors takes three numbers -1..15, such as 6,14,-1\n", stderr);
      return 2;
    }
    if (!DialogCouldGive(*kind, *chosen)) {
      return Refuse({"Error : " + KindName(*kind) + " cannot have the colours " + ColorText(*chosen) +
                     " (a first colour of -1 is only for a button without image, -1,-1,-1)."});
    }
  }

  auto layout = LoadProjectForEditing(positional[0]);
  if (!layout) return 1;
  if (!layout->backgroundLoaded) return Refuse({"Error : the project has no background picture."});
  if (layout->placed(*kind)) return Refuse({"Error : " + KindName(*kind) + " is already placed."});
  if (const auto other = PlacedKindOfGroup(*layout, *kind)) {
    return Refuse({"Error : " + KindName(*kind) + " cannot be placed while " + KindName(*other) +
                   " of the same group is placed."});
  }
  const CanvasPoint at{*x, *y};
  const bool onCanvas = *x <= kCanvasSize && *y <= kCanvasSize && LiesOnCanvas(*kind, at);
  if (!onCanvas) {
    return Refuse({"Error : " + KindName(*kind) + " at (" + positional[2] + ", " + positional[3] +
                   ") would not lie wholly on the 320x320 picture."});
  }
  if (FirstTouchedPart(*layout, *kind, at)) return Refuse({"他の部品と重なっているため配置できません"});

  PartRecord& row = layout->part(*kind);
  row.x = at.x;
  row.y = at.y;
  row.colors = chosen ? *chosen : ColorsOnPlainOk(*kind, row.colors);
  const int status = SaveEditedProject(positional[0], *layout);
  if (status == 0) {
    std::printf("placed %s (kind %d) at (%d, %d), colours %s; placed count %u\n", KindName(*kind).c_str(),
                *kind, at.x, at.y, ColorText(row.colors).c_str(), layout->placedCount);
  }
  return status;
}

}  // namespace vorlune::cli
