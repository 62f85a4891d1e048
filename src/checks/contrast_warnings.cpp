#include "checks/background_contrast.h"
#include "checks/background_under_part.h"
#include "checks/contrast.h"
#include "checks/skin_check_steps.h"
#include "checks/state_colors.h"

namespace vorlune {

namespace {

namespace code = finding_code;

Finding Warning(std::string_view code, PartKind k, const SkinLayout& layout) {
  return {Severity::Warning, code, {k}, {}, PartArea(layout, k)};
}

// Each colour against the worst of the background colours that cover much
// of the area under the part: one warning per colour at most.
void AddBackgroundContrast(const SkinLayout& layout, PartKind k, const std::vector<StateColor>& states,
                           std::vector<Finding>& findings) {
  const auto dominant = DominantColorsUnderPart(layout, k);
  if (!dominant) return;
  const double required = RequiredContrast(k);
  for (const StateColor& state : states) {
    const auto worst = WorstBackgroundContrast(*dominant, PickerRgb(state.color));
    if (!worst || worst->ratio >= required) continue;
    Finding finding = Warning(code::kLowContrast, k, layout);
    FindingParameters& p = finding.parameters;
    p.role = state.role;
    p.color = state.color;
    p.background = worst->background.color;
    p.share = worst->background.share;
    p.ratio = worst->ratio;
    p.required = required;
    findings.push_back(std::move(finding));
  }
}

const StateColor* Role(const std::vector<StateColor>& states, ColorRole role) {
  for (const StateColor& state : states) {
    if (state.role == role) return &state;
  }
  return nullptr;
}

void AddPairContrast(const SkinLayout& layout, PartKind k, std::string_view code, const StateColor* one,
                     const StateColor* other, double required, std::vector<Finding>& findings) {
  if (one == nullptr || other == nullptr) return;
  const double ratio = ContrastRatio(PickerRgb(one->color), PickerRgb(other->color));
  if (ratio >= required) return;
  Finding finding = Warning(code, k, layout);
  FindingParameters& p = finding.parameters;
  p.role = one->role;
  p.color = one->color;
  p.otherRole = other->role;
  p.otherColor = other->color;
  p.ratio = ratio;
  p.required = required;
  findings.push_back(std::move(finding));
}

}  // namespace

void AddContrastWarnings(const SkinLayout& layout, std::vector<Finding>& findings) {
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    if (!layout.placed(k)) continue;
    const std::vector<StateColor> states = StateColors(k, layout.part(k).colors);
    if (states.empty()) continue;
    AddBackgroundContrast(layout, k, states, findings);
    // A lit unit must be told from an unlit one, a level meter's peak from lit.
    AddPairContrast(layout, k, code::kOnOffContrast, Role(states, ColorRole::On),
                    Role(states, ColorRole::Off), kOnOffContrast, findings);
    AddPairContrast(layout, k, code::kMaxOnContrast, Role(states, ColorRole::Max),
                    Role(states, ColorRole::On), kMaxOnContrast, findings);
  }
}

}  // namespace vorlune
