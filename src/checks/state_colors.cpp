#include "checks/state_colors.h"

namespace vorlune {

namespace {

bool IsPickerColor(PickerIndex c) {
  return c >= 0 && c < static_cast<int>(kPickerColors.size());
}

}  // namespace

double RequiredContrast(PartKind k) {
  return DialogFamilyOf(k) == DialogFamily::TextColor ? kTextContrast : kGraphicContrast;
}

std::vector<StateColor> StateColors(PartKind k, const ColorTriple& colors) {
  if (!IsPickerColor(colors[0])) return {};
  if (DialogFamilyOf(k) == DialogFamily::TextColor) return {{ColorRole::Text, colors[0]}};
  std::vector<StateColor> states{{ColorRole::Off, colors[0]}};
  if (IsPickerColor(colors[1])) states.push_back({ColorRole::On, colors[1]});
  if (DialogFamilyOf(k) == DialogFamily::ThreeColor && IsPickerColor(colors[2]))
    states.push_back({ColorRole::Max, colors[2]});
  return states;
}

Rgb PickerRgb(PickerIndex c) {
  return kPickerColors.at(static_cast<std::size_t>(c));
}

}  // namespace vorlune
