#include "checks/finding_text.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "checks/state_colors.h"

namespace vorlune {

namespace {

namespace code = finding_code;

constexpr std::array<std::string_view, 16> kPickerNames{
    "black", "maroon", "green", "olive",  "navy", "purple",  "teal", "silver",
    "grey",  "red",    "lime",  "yellow", "blue", "fuchsia", "aqua", "white"};

std::string Hex(Rgb c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", c.r, c.g, c.b);
  return text;
}

std::string_view RoleName(ColorRole role) {
  switch (role) {
    case ColorRole::Off:
      return "off colour";
    case ColorRole::On:
      return "on colour";
    case ColorRole::Max:
      return "maximum colour";
    case ColorRole::Text:
      return "text colour";
  }
  return {};
}

// "4.5:1", "3:1": the figures asked for, as they are usually written.
std::string RequiredText(double ratio) {
  char text[16];
  std::snprintf(text, sizeof text, "%g:1", ratio);
  return text;
}

std::string Name(PartKind k) {
  return std::string(KindInfo(k).name);
}

std::string OtherParts(const Finding& f) {
  std::string names;
  for (std::size_t i = 1; i < f.kinds.size(); ++i) names += (i > 1 ? ", " : "") + Name(f.kinds[i]);
  return names;
}

std::string Contrast(const FindingParameters& p) {
  return RatioText(p.ratio) + ", below " + RequiredText(p.required);
}

}  // namespace

std::string_view SeverityName(Severity severity) {
  return severity == Severity::Error ? "error" : "warning";
}

std::string_view FindingSubject(const Finding& finding) {
  return finding.kinds.empty() ? std::string_view{} : KindInfo(finding.kinds.front()).name;
}

std::string RatioText(double ratio) {
  char text[16];
  std::snprintf(text, sizeof text, "%.2f:1", ratio);
  return text;
}

std::string PickerColorText(PickerIndex c) {
  return std::string(kPickerNames.at(static_cast<std::size_t>(c))) + " " + Hex(PickerRgb(c));
}

std::string FindingMessage(const Finding& f) {
  const FindingParameters& p = f.parameters;
  if (f.code == code::kUnreadableFile) return p.readerMessage.text;
  if (f.code == code::kNoBackground) return "no background picture; a skin cannot be written without one";
  if (f.code == code::kPartMissing) return "not placed; Create needs both the play and the stop button";
  if (f.code == code::kOffSkin) return "lies outside the 320 x 320 skin";
  if (f.code == code::kGroupTwice)
    return "placed together with " + OtherParts(f) + " of the same group; only one of them may be";
  if (f.code == code::kPartsOverlap) return "overlaps " + OtherParts(f);
  if (f.code == code::kPartsTouch)
    return "touches " + OtherParts(f) + "; parts need a free pixel between them";
  if (f.code == code::kPlacedCount)
    return "the file counts " + std::to_string(p.storedCount) + " placed parts, but " +
           std::to_string(p.placedCount) + " are placed; the skin writer refuses that";
  if (f.code == code::kLowContrast)
    return std::string(RoleName(p.role)) + " " + PickerColorText(p.color) +
           " against the background colour " + Hex(p.background) + " covering " +
           std::to_string(std::lround(p.share * 100)) + " % of the area: " + Contrast(p);
  const std::string pair = std::string(RoleName(p.role)) + " " + PickerColorText(p.color) + " against " +
                           std::string(RoleName(p.otherRole)) + " " + PickerColorText(p.otherColor) + ": " +
                           Contrast(p);
  if (f.code == code::kOnOffContrast) return pair + "; a lit unit cannot be told from an unlit one";
  return pair;
}

}  // namespace vorlune
