#pragma once

#include <vector>

#include "checks/skin_finding.h"

namespace vorlune {

// The steps of CheckSkin, each adding its findings in a fixed order.

// What would stop Create or the skin writer.
void AddPlacementErrors(const SkinLayout& layout, std::vector<Finding>& findings);

// Colours that would be hard to see on the handheld.
void AddContrastWarnings(const SkinLayout& layout, std::vector<Finding>& findings);

// The canvas rectangle of placed kind k, clipped to the skin.
SkinArea PartArea(const SkinLayout& layout, PartKind k);

}  // namespace vorlune
