#include "skin/skin_renderer.h"

// Grey stand-ins until the renderer is in.
namespace vorlune {

RgbImage RenderLayoutPreview(const SkinLayout& layout) {
  (void)layout;
  return RgbImage(kCanvasSize, kCanvasSize, Rgb{128, 128, 128});
}

Result<RgbImage> RenderSkinDatabase(std::span<const std::uint8_t> pdb) {
  (void)pdb;
  return UserMessage{"Error : the skin renderer is not available yet."};
}

}  // namespace vorlune
