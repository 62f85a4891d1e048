#pragma once

#include <cstdint>
#include <span>

#include "core/result.h"
#include "core/rgb_image.h"
#include "layout/skin_layout.h"

namespace vorlune {

// The Create preview of a layout, 320 x 320: the background, then every placed
// part whose colour 0 is set, drawn from its mask in its colours.
RgbImage RenderLayoutPreview(const SkinLayout& layout);

// A skin database as the handheld shows it, 320 x 320: the background strips,
// then each part's first state bitmap with index 0 transparent, through the
// skin's palette. A file that is not a readable skin is refused.
Result<RgbImage> RenderSkinDatabase(std::span<const std::uint8_t> pdb);

}  // namespace vorlune
