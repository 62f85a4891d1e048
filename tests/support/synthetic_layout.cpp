#include "support/synthetic_layout.h"

#include "core/byte_order.h"
#include "image/background_import.h"
#include "project/project_file.h"
#include "skin/skin_database_writer.h"
#include "skin/skin_info_record.h"
#include "support/bmp_builder.h"
#include "support/test_files.h"

namespace vorlune::testing {

// An 8-bit picture of 214 distinct colours, imported: the colours and the
// pixels are kept as they stand.
SkinLayout SyntheticLayout() {
  std::vector<Rgb> table;
  for (int i = 0; i < kBackgroundColors; ++i)
    table.push_back(
        {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>(i * 7)});
  const TestBmp bmp = Indexed(8, table, kBackgroundColors, [](int x, int row) {
    return static_cast<std::uint8_t>((x + 3 * (kCanvasSize - 1 - row)) % kBackgroundColors);
  });
  SkinLayout layout = NewSkinLayout();
  ApplyImportedBackground(layout, *ImportBackground(bmp.Bytes()));
  // The header as the goldens know it: the size of the pixels given, no resolution.
  for (auto* bytes : {&layout.picture, &layout.reducedBmp}) {
    WriteLE32(&(*bytes)[34], kPixelBytes);
    WriteLE32(&(*bytes)[38], 0);
    WriteLE32(&(*bytes)[42], 0);
  }
  return layout;
}

SkinLayout PaintedLayout(const std::vector<Patch>& patches) {
  std::vector<Rgb> colours{{0, 0, 0}};
  for (const Patch& p : patches) colours.push_back(p.colour);
  const TestBmp bmp = Indexed(8, colours, static_cast<std::uint32_t>(colours.size()), [&](int x, int row) {
    const int y = kCanvasSize - 1 - row;
    std::uint8_t top = 0;
    for (std::size_t i = 0; i < patches.size(); ++i) {
      const Patch& p = patches[i];
      if (x >= p.x0 && x < p.x1 && y >= p.y0 && y < p.y1) top = static_cast<std::uint8_t>(i + 1);
    }
    return top;
  });
  SkinLayout layout = NewSkinLayout();
  ApplyImportedBackground(layout, *ImportBackground(bmp.Bytes()));
  return layout;
}

ImportedBackground ShiftedBackground(int shift) {
  return *ImportBackground(Indexed(8, DistinctColours(214), 214, [=](int x, int row) {
                             return static_cast<std::uint8_t>((x + row * shift) % 214);
                           }).Bytes());
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

std::vector<std::uint8_t> SkinBytes(const SkinLayout& layout) {
  return *MakeSkinDatabase(layout, "skin.pdb", static_cast<std::int32_t>(layout.placedCount),
                           MakeSkinInfoRecord(layout), kSomeTime);
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
