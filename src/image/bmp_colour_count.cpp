#include "image/bmp_colour_count.h"

#include <algorithm>
#include <array>
#include <vector>

#include "image/indexed_picture.h"

namespace vorlune {

std::size_t DistinctBmpColours(std::span<const std::uint8_t> file, const BmpFields& fields) {
  if (fields.bitsPerPixel != 8 && fields.bitsPerPixel != 24) return 0;
  // Rows of both depths are whole multiples of four bytes: no padding.
  const std::span<const std::uint8_t> pixels =
      file.subspan(fields.pixelOffset, PixelBytesOfDepth(fields.bitsPerPixel));
  std::vector<std::uint32_t> colours;
  if (fields.bitsPerPixel == 8) {
    std::array<bool, 256> used{};
    for (const std::uint8_t index : pixels) used[index] = true;
    for (std::size_t i = 0; i < used.size(); ++i) {
      if (!used[i]) continue;
      const Rgb c = ColorTableEntry(file, fields, i);
      colours.push_back(std::uint32_t(c.r) << 16 | std::uint32_t(c.g) << 8 | c.b);
    }
  } else {
    colours.reserve(kBackgroundPixels);
    for (std::size_t i = 0; i + 2 < pixels.size(); i += 3)
      colours.push_back(std::uint32_t(pixels[i]) << 16 | std::uint32_t(pixels[i + 1]) << 8 | pixels[i + 2]);
  }
  std::sort(colours.begin(), colours.end());
  return std::size_t(std::unique(colours.begin(), colours.end()) - colours.begin());
}

}  // namespace vorlune
