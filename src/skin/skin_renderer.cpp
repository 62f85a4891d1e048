#include "skin/skin_renderer.h"

#include <array>

#include "skin/mask_picture.h"
#include "skin/skin_database_reader.h"

namespace vorlune {

namespace {

constexpr Rgb kPreviewGrey{128, 128, 128};
constexpr int kColonCell = 10;

// The preview's own colour table: a colour byte 0..15 is a picker colour;
// none, or any other value, paints black.
Rgb PreviewColor(PickerIndex c) {
  return (c >= 0 && c < 16) ? kPickerColors[static_cast<std::size_t>(c)] : Rgb{};
}

bool OnCanvas(int x, int y) {
  return x >= 0 && y >= 0 && x < kCanvasSize && y < kCanvasSize;
}

void PaintBackground(RgbImage& image, const SkinLayout& layout) {
  // The display form: the reduced picture's header (910 bytes after an
  // import, as stored in a loaded project), then top-down rows of skin palette
  // indices. Without a whole picture the grey stays, as it does in the dialog
  // when the temporary picture cannot be loaded.
  const std::size_t offset = layout.pixelOffset != 0 ? layout.pixelOffset : kReducedHeaderSize;
  if (layout.picture.size() < offset + kPixelBytes) return;
  const std::uint8_t* pixels = layout.picture.data() + offset;
  for (int y = 0; y < kCanvasSize; ++y) {
    for (int x = 0; x < kCanvasSize; ++x) image.set(x, y, layout.palette[pixels[y * kCanvasSize + x]]);
  }
}

void PaintPreviewPart(RgbImage& image, const PartRecord& part, const MaskPicture& mask) {
  const std::array<Rgb, 3> colors{PreviewColor(part.colors[0]), PreviewColor(part.colors[1]),
                                  PreviewColor(part.colors[2])};
  for (int r = 0; r < mask.height; ++r) {
    for (int c = 0; c < mask.width; ++c) {
      const std::uint8_t value = mask.at(c, r);
      const int x = part.x + c;
      const int y = part.y + r;
      // Values above 3 never occur in the built-in masks; they draw nothing.
      if (value == 0 || value > 3 || !OnCanvas(x, y)) continue;
      image.set(x, y, colors[value - 1u]);
    }
  }
}

// Copies a w x h window of the bitmap, from column `sourceX`, to (x, y);
// index 0 is transparent.
void PaintBitmapWindow(RgbImage& image, const SkinPalette& palette, const SkinBitmap& bitmap, int sourceX,
                       int w, int h, int x, int y) {
  for (int r = 0; r < h && r < bitmap.height; ++r) {
    for (int c = 0; c < w && sourceX + c < bitmap.width; ++c) {
      const std::uint8_t index = bitmap.at(sourceX + c, r);
      if (index != 0 && OnCanvas(x + c, y + r)) image.set(x + c, y + r, palette[index]);
    }
  }
}

// A time or track display carries the whole digit strip; the handheld shows
// digits cut from it. Show the same sample as the Create preview: 23:56, 03.
void PaintDigitDisplay(RgbImage& image, const SkinPalette& palette, const SkinPartView& part) {
  const bool time = part.kind <= 23;
  const std::vector<int> cells = time ? std::vector<int>{2, 3, kColonCell, 5, 6} : std::vector<int>{0, 3};
  int left = part.x;
  for (const int cell : cells) {
    const int width = std::min(kDigitCellWidth, part.x + part.width - left);
    if (width <= 0) break;
    PaintBitmapWindow(image, palette, part.states.front(), cell * kDigitCellWidth, width, part.height, left,
                      part.y);
    left += kDigitCellWidth;
  }
}

// A title display has no bitmap: the handheld writes the song title in the
// text colour (stored + 1, 0 for none). Show the sample name in its place.
void PaintTitleDisplay(RgbImage& image, const SkinPalette& palette, const SkinPartView& part) {
  const std::uint8_t index = part.stateColors[0];
  if (index == 0 || index == 255) return;
  const MaskPicture mask = TitleSampleMask(part.kind);
  for (int r = 0; r < mask.height && r < part.height; ++r) {
    for (int c = 0; c < mask.width && c < part.width; ++c) {
      if (mask.at(c, r) != 0 && OnCanvas(part.x + c, part.y + r))
        image.set(part.x + c, part.y + r, palette[index]);
    }
  }
}

}  // namespace

RgbImage RenderLayoutPreview(const SkinLayout& layout) {
  RgbImage image(kCanvasSize, kCanvasSize, kPreviewGrey);
  PaintBackground(image, layout);
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    const PartRecord& part = layout.part(k);
    if (!part.placed() || part.colors[0] < 0) continue;
    PaintPreviewPart(image, part, PartShapeMask(k));
  }
  return image;
}

Result<RgbImage> RenderSkinDatabase(std::span<const std::uint8_t> pdb) {
  Result<SkinDatabase> read = ReadSkinDatabase(pdb);
  if (!read) return read.error();
  const SkinDatabase& skin = *read;

  RgbImage image(kCanvasSize, kCanvasSize);
  for (int y = 0; y < kCanvasSize; ++y) {
    for (int x = 0; x < kCanvasSize; ++x) image.set(x, y, skin.palette[skin.backgroundAt(x, y)]);
  }
  for (const SkinPartView& part : skin.parts) {
    if (part.kind >= 27 && part.kind <= 29) {
      PaintTitleDisplay(image, skin.palette, part);
    } else if (part.states.empty()) {
      continue;  // a button without picture: the handheld draws nothing
    } else if (part.kind >= 21 && part.kind <= 26) {
      PaintDigitDisplay(image, skin.palette, part);
    } else {
      PaintBitmapWindow(image, skin.palette, part.states.front(), 0, part.width, part.height, part.x, part.y);
    }
  }
  return image;
}

}  // namespace vorlune
