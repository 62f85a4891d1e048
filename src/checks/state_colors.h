#pragma once

#include <vector>

#include "checks/skin_finding.h"

namespace vorlune {

// The ratios asked for: WCAG 2 level AA for text (the time, track and title
// displays), its figure for graphics (buttons, meters); a lit unit against an
// unlit one as a graphic; a level meter's peak need only be told from lit.
inline constexpr double kTextContrast = 4.5;
inline constexpr double kGraphicContrast = 3.0;
inline constexpr double kOnOffContrast = 3.0;
inline constexpr double kMaxOnContrast = 1.5;

// The ratio kind k's colours need against the background under it.
double RequiredContrast(PartKind k);

struct StateColor {
  ColorRole role;
  PickerIndex color;  // 0..15
};

// The colours the handheld shows a part in, by its family: a button with
// image its off and on colour (a button without image shows nothing), the
// volume meters and equalisers off and on, the level meters off, on and
// maximum, the displays their text colour. Colour 0 unset means the part has
// no colours at all; other unset colours are left out.
std::vector<StateColor> StateColors(PartKind k, const ColorTriple& colors);

// The RGB of picker colour c (0..15).
Rgb PickerRgb(PickerIndex c);

}  // namespace vorlune
