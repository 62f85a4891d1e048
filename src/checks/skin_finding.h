#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/user_message.h"
#include "layout/skin_layout.h"

namespace vorlune {

enum class Severity { Error, Warning };

// Which of a part's colours a finding is about.
enum class ColorRole { Off, On, Max, Text };

// The stable codes of the findings, for scripts and for the editor's own texts.
namespace finding_code {
// Errors: Create or the skin writer would stop.
inline constexpr std::string_view kUnreadableFile = "unreadable-file";  // the readers refuse the file
inline constexpr std::string_view kNoBackground = "no-background";
inline constexpr std::string_view kPartMissing = "part-missing";       // Play or Stop not placed
inline constexpr std::string_view kOffSkin = "part-off-skin";          // not wholly on the 320 x 320 skin
inline constexpr std::string_view kGroupTwice = "group-placed-twice";  // two forms of one group
inline constexpr std::string_view kPartsOverlap = "parts-overlap";
inline constexpr std::string_view kPartsTouch = "parts-touch";    // edges meet, no free pixel between
inline constexpr std::string_view kPlacedCount = "placed-count";  // the stored count is not the placed one
// Warnings: the handheld would show a part that is hard to see.
inline constexpr std::string_view kLowContrast = "low-contrast";       // a colour against the background
inline constexpr std::string_view kOnOffContrast = "on-off-contrast";  // lit against unlit
inline constexpr std::string_view kMaxOnContrast = "max-on-contrast";  // a level meter's peak against lit
}  // namespace finding_code

// A canvas rectangle, (x, y) its top-left pixel. Empty when the finding is
// about no place in particular (a part not placed, the whole file).
struct SkinArea {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool empty() const { return width <= 0 || height <= 0; }
  friend bool operator==(const SkinArea&, const SkinArea&) = default;
};

// What a finding's message is made of; which values are set depends on its code.
struct FindingParameters {
  ColorRole role = ColorRole::Off;  // contrast: the colour checked ...
  PickerIndex color = kNoColor;
  ColorRole otherRole = ColorRole::Off;  // ... and, between two colours, the one it is held against
  PickerIndex otherColor = kNoColor;
  Rgb background{};     // low-contrast: the background colour
  double share = 0;     // low-contrast: the background colour's share of the area under the part, 0..1
  double ratio = 0;     // contrast: the ratio found, 1..21; 0 for the other codes
  double required = 0;  // contrast: the ratio asked for
  std::uint32_t storedCount = 0;  // placed-count: the count the file holds ...
  int placedCount = 0;            // ... and the parts really placed
  UserMessage readerMessage;      // unreadable-file: the reader's own message
};

struct Finding {
  Severity severity = Severity::Error;
  std::string_view code;        // one of finding_code
  std::vector<PartKind> kinds;  // the parts concerned, the one the message is about first
  FindingParameters parameters;
  SkinArea area;
};

// An error about the parts `kinds` in `area`. Built member by member: GCC 12 at
// -O3 takes a braced temporary's message for uninitialised.
inline Finding ErrorFinding(std::string_view code, std::vector<PartKind> kinds = {}, SkinArea area = {}) {
  Finding finding;
  finding.code = code;
  finding.kinds = std::move(kinds);
  finding.area = area;
  return finding;
}

}  // namespace vorlune
