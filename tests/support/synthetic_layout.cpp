#include "support/synthetic_layout.h"

#include "core/byte_order.h"
#include "project/project_file.h"
#include "support/test_files.h"

namespace vorlune::testing {

Rgb SyntheticColor(int i) {
  return {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>(i * 7)};
}

std::uint8_t SyntheticPixel(int x, int y) {
  return static_cast<std::uint8_t>((x + 3 * y) % kBackgroundColors);
}

SkinLayout SyntheticLayout() {
  std::vector<std::uint8_t> bmp(kReducedBmpSize, 0);
  bmp[0] = 'B';
  bmp[1] = 'M';
  WriteLE32(&bmp[2], kReducedBmpSize + 2);  // the temporary file carries two more bytes
  WriteLE32(&bmp[10], kReducedHeaderSize);
  WriteLE32(&bmp[14], 40);
  WriteLE32(&bmp[18], 320);
  WriteLE32(&bmp[22], 320);
  WriteLE16(&bmp[26], 1);
  WriteLE16(&bmp[28], 8);
  WriteLE32(&bmp[34], kPixelBytes);
  WriteLE32(&bmp[46], kBackgroundColors);
  WriteLE32(&bmp[50], kBackgroundColors);
  for (int i = 0; i < kBackgroundColors; ++i) {
    const Rgb c = SyntheticColor(i);
    bmp[54 + 4 * i] = c.b;
    bmp[55 + 4 * i] = c.g;
    bmp[56 + 4 * i] = c.r;
  }
  SkinLayout layout = NewSkinLayout();
  layout.picture.assign(bmp.begin(), bmp.begin() + kReducedHeaderSize);
  layout.picture.resize(kReducedBmpSize);
  for (int y = 0; y < kCanvasSize; ++y) {
    for (int x = 0; x < kCanvasSize; ++x) {
      const std::uint8_t index = SyntheticPixel(x, y);
      bmp[kReducedHeaderSize + (kCanvasSize - 1 - y) * kCanvasSize + x] = index;
      layout.picture[kReducedHeaderSize + y * kCanvasSize + x] = static_cast<std::uint8_t>(index + 17);
    }
  }
  layout.reducedBmp = std::move(bmp);
  for (int i = 0; i < kBackgroundColors; ++i) layout.palette[17 + i] = SyntheticColor(i);
  layout.pixelOffset = kReducedHeaderSize;
  layout.temporaryPictureSize = kReducedBmpSize;
  layout.pictureColorsUsed = kBackgroundColors;
  layout.pictureBitsPerPixel = 8;
  layout.backgroundLoaded = true;
  return layout;
}

void Place(SkinLayout& layout, PartKind k, int x, int y, ColorTriple colors) {
  layout.part(k).x = x;
  layout.part(k).y = y;
  layout.part(k).colors = colors;
  layout.placedCount = static_cast<std::uint32_t>(CountPlacedRows(layout));
}

SkinLayout EveryFamilyLayout() {
  SkinLayout layout = SyntheticLayout();
  Place(layout, 1, 0, 0, {9, 12, kNoColor});
  Place(layout, 2, 40, 0, {15, kNoColor, kNoColor});
  Place(layout, 3, 80, 0, {kNoColor, kNoColor, kNoColor});
  Place(layout, 9, 130, 0, {6, 14, kNoColor});
  Place(layout, 13, 0, 40, {6, 14, kNoColor});
  Place(layout, 17, 130, 40, {6, 14, 9});
  Place(layout, 21, 130, 90, {14, kNoColor, kNoColor});
  Place(layout, 24, 130, 130, {14, kNoColor, kNoColor});
  Place(layout, 27, 0, 210, {14, kNoColor, kNoColor});
  Place(layout, 30, 284, 290, {0, 7, kNoColor});
  return layout;
}

void SaveProject(const std::filesystem::path& path, const SkinLayout& layout) {
  WriteBytes(path, WriteProjectFile(layout));
}

std::vector<std::uint8_t> LayoutBytes(const SkinLayout& layout) {
  std::vector<std::uint8_t> out;
  const auto number = [&out](std::int64_t value) { AppendBE32(out, static_cast<std::uint32_t>(value)); };
  for (const Rgb& c : layout.palette) out.insert(out.end(), {c.r, c.g, c.b});
  for (const auto* text :
       {layout.databaseName.data(), layout.databaseAuthor.data(), layout.databaseVersion.data()})
    out.insert(out.end(), text, text + (text == layout.databaseVersion.data() ? 7 : 33));
  for (const PartRecord& part : layout.parts) {
    for (std::int32_t value : {part.x, part.y, part.width, part.height}) number(value);
    out.insert(out.end(), part.colors.begin(), part.colors.end());
  }
  for (std::int64_t value :
       {std::int64_t{layout.pictureColorsUsed}, std::int64_t{layout.pictureBitsPerPixel},
        std::int64_t{layout.placedCount}, std::int64_t{layout.pixelOffset},
        std::int64_t{layout.temporaryPictureSize}, std::int64_t{layout.backgroundLoaded}})
    number(value);
  out.insert(out.end(), layout.filePath.begin(), layout.filePath.end());
  number(static_cast<std::int64_t>(layout.picture.size()));
  out.insert(out.end(), layout.picture.begin(), layout.picture.end());
  out.insert(out.end(), layout.reducedBmp.begin(), layout.reducedBmp.end());
  return out;
}

}  // namespace vorlune::testing
