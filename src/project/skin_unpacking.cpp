#include "project/skin_unpacking.h"

#include <algorithm>

#include "core/byte_order.h"
#include "core/file_io.h"
#include "image/convert_background.h"
#include "project/placed_parts_check.h"
#include "skin/skin_database_reader.h"
#include "skin/skin_database_writer.h"
#include "skin/skin_info_record.h"
#include "skin/skin_records.h"

namespace vorlune {

namespace {

// Any sound time serves for the comparison: the stamps are copied over.
constexpr std::int64_t kComparisonTime = 1700000000;
constexpr std::size_t kStampsAt = 36;  // creation and modification dates
constexpr std::size_t kStampsSize = 8;
// Far larger than any skin: thirty parts of three states each stay below 2 MB.
constexpr std::size_t kLongestSkin = 4u << 20;
constexpr int kLastBackgroundEntry = kFirstBackgroundEntry + kBackgroundColors - 1;  // 230

UserMessage Refusal(const std::string& why) {
  return {"Error : This skin cannot be opened as a project (" + why + ").",
          MessageIcon::Information,
          MessageCode::NotUnpackable,
          {why}};
}

std::string PlacementRefusal(ProjectDamage damage) {
  switch (damage) {
    case ProjectDamage::PartsTouch:
      return "two parts touch each other";
    case ProjectDamage::GroupPlacedTwice:
      return "two parts of one group are placed";
    default:
      return "a part lies outside the picture";
  }
}

// A descriptor's colour byte is the picker index + 1; 0 and 255 mean none.
PickerIndex ColorOfByte(std::uint8_t b) {
  return b >= 1 && b <= kPickerColors.size() ? static_cast<PickerIndex>(b - 1) : kNoColor;
}

ColorTriple ColorsOf(const SkinPartView& part) {
  ColorTriple colors{kNoColor, kNoColor, kNoColor};
  const std::size_t kept = part.kind >= 27 && part.kind <= 29 ? 1 : 3;
  for (std::size_t i = 0; i < kept; ++i) colors[i] = ColorOfByte(part.stateColors[i]);
  return colors;
}

template <std::size_t N>
void CopyField(const std::uint8_t* from, std::size_t count, std::array<char, N>& field) {
  field.fill(0);
  std::copy_n(from, count, reinterpret_cast<std::uint8_t*>(field.data()));
}

// A project may hold colours beyond its picture's 214 (the reader takes up to
// 239); the skin's palette keeps them after the picture's. They come back as
// the tail of the colour table, up to the last one that is not black.
int ExtraColors(const SkinDatabase& db) {
  for (int n = static_cast<int>(db.palette.size()) - 1 - kLastBackgroundEntry; n > 0; --n) {
    if (db.palette[static_cast<std::size_t>(kLastBackgroundEntry + n)] != Rgb{}) return n;
  }
  return 0;
}

// The reduced BMP's header (of the temporary picture or its display form)
// with the extra colours added to its colour table.
void AddExtraColors(std::vector<std::uint8_t>& bmp, const SkinDatabase& db, int extra) {
  std::vector<std::uint8_t> table(4 * static_cast<std::size_t>(extra), 0);
  for (std::size_t n = 0; n < static_cast<std::size_t>(extra); ++n) {
    const Rgb c = db.palette[kLastBackgroundEntry + 1 + n];
    table[4 * n] = c.b;
    table[4 * n + 1] = c.g;
    table[4 * n + 2] = c.r;
  }
  bmp.insert(bmp.begin() + kReducedHeaderSize, table.begin(), table.end());
  const auto grown = static_cast<std::uint32_t>(table.size());
  WriteLE32(bmp.data() + 2, ReadLE32(bmp, 2) + grown);                                // file size
  WriteLE32(bmp.data() + 10, kReducedHeaderSize + grown);                             // pixel offset
  WriteLE32(bmp.data() + 46, kBackgroundColors + static_cast<std::uint32_t>(extra));  // colours used
  WriteLE32(bmp.data() + 50, kBackgroundColors + static_cast<std::uint32_t>(extra));  // colours important
}

// The background as an import leaves it: the reduced BMP (bottom-up rows of
// colour-table positions), its display form and the palette built from it,
// and any colours the project held beyond the picture's.
void PutBackground(const SkinDatabase& db, SkinLayout& layout) {
  IndexedPicture picture;
  picture.colorsUsed = kBackgroundColors;
  for (int n = 0; n < kBackgroundColors; ++n)
    picture.palette[static_cast<std::size_t>(n)] =
        db.palette[static_cast<std::size_t>(kFirstBackgroundEntry + n)];
  picture.pixels.resize(kPixelBytes);
  for (int y = 0; y < kCanvasSize; ++y) {
    std::uint8_t* row = picture.pixels.data() + static_cast<std::size_t>(kCanvasSize - 1 - y) * kCanvasSize;
    for (int x = 0; x < kCanvasSize; ++x)
      row[x] = static_cast<std::uint8_t>(db.backgroundAt(x, y) - kFirstBackgroundEntry);
  }
  layout.reducedBmp = WriteReducedBmp(picture);
  layout.picture = DisplayFormOf(layout.reducedBmp);
  layout.palette = SkinPaletteOf(layout.reducedBmp);
  const int extra = ExtraColors(db);
  AddExtraColors(layout.reducedBmp, db, extra);
  AddExtraColors(layout.picture, db, extra);
  for (int n = 1; n <= extra; ++n) {
    const auto entry = static_cast<std::size_t>(kLastBackgroundEntry + n);
    layout.palette[entry] = db.palette[entry];
  }
  const auto grown = 4 * static_cast<std::uint32_t>(extra);
  layout.pixelOffset = kReducedHeaderSize + grown;
  layout.temporaryPictureSize = kReducedBmpSize + grown;
  layout.pictureColorsUsed = kBackgroundColors + static_cast<std::uint32_t>(extra);
  layout.pictureBitsPerPixel = 8;
  layout.backgroundLoaded = true;
}

bool RebuildsTheSameSkin(const SkinDatabase& db, const SkinLayout& layout,
                         std::span<const std::uint8_t> bytes) {
  Result<std::vector<std::uint8_t>> rebuilt =
      MakeSkinDatabase(layout, db.name, static_cast<std::int32_t>(layout.placedCount),
                       MakeSkinInfoRecord(layout), kComparisonTime);
  if (!rebuilt || rebuilt->size() != bytes.size()) return false;
  std::copy_n(bytes.begin() + kStampsAt, kStampsSize, rebuilt->begin() + kStampsAt);
  return std::equal(rebuilt->begin(), rebuilt->end(), bytes.begin());
}

}  // namespace

ColorTriple ColorsKeptInSkin(PartKind k, const ColorTriple& colors) {
  ColorTriple kept{kNoColor, kNoColor, kNoColor};
  if (k >= 27 && k <= 29) {
    kept[0] = ColorSet(colors[0]) ? colors[0] : kNoColor;
    return kept;
  }
  const int states = StateCount(k, colors);
  for (int i = 0; i < states; ++i) {
    const auto c = static_cast<std::size_t>(i);
    kept[c] = ColorSet(colors[c]) ? colors[c] : kNoColor;
  }
  return kept;
}

Result<UnpackedSkin> UnpackSkinDatabase(std::span<const std::uint8_t> bytes) {
  Result<SkinDatabase> read = ReadSkinDatabase(bytes);
  if (!read) return read.error();
  const SkinDatabase& db = *read;

  for (const SkinBitmap& strip : db.strips) {
    for (int y = 0; y < strip.height; ++y) {
      for (int x = 0; x < strip.width; ++x) {
        const int pixel = strip.at(x, y);
        if (pixel < kFirstBackgroundEntry || pixel > kLastBackgroundEntry)
          return Refusal("a background pixel is not one of the picture's 214 colours");
      }
    }
  }

  UnpackedSkin unpacked{NewSkinLayout(), true};
  SkinLayout& layout = unpacked.layout;
  for (const SkinPartView& part : db.parts) {
    PartRecord& row = layout.part(part.kind);
    row.x = part.x;
    row.y = part.y;
    row.colors = ColorsOf(part);
  }
  if (const auto damage = CheckPlacedParts(layout)) return Refusal(PlacementRefusal(*damage));

  PutBackground(db, layout);
  layout.placedCount = db.info.partCount;
  // As the project keeps them: the bytes after a terminator stay.
  CopyField(db.info.raw.data(), 32, layout.databaseName);
  CopyField(db.info.raw.data() + 32, 32, layout.databaseAuthor);
  CopyField(db.info.raw.data() + 64, 6, layout.databaseVersion);

  unpacked.madeByThisEditor = RebuildsTheSameSkin(db, layout, bytes);
  return unpacked;
}

Result<UnpackedSkin> UnpackSkinFile(const std::filesystem::path& path) {
  const FileBytes file = ReadWholeFile(path, kLongestSkin);
  if (file.failure && *file.failure == ReadFailure::NotFound)
    return UserMessage{
        "Error : Cannot find pdb-file", MessageIcon::Exclamation, MessageCode::FileNotFound, {"pdb"}};
  if (file.failure)
    return UserMessage{
        "Error : Cannot open pdb-file", MessageIcon::Information, MessageCode::FileCannotOpen, {"pdb"}};
  return UnpackSkinDatabase(file.bytes);
}

UserMessage NotMadeByThisEditorMessage() {
  return {
      "Error : This skin was not made by this editor or was changed afterwards: its project would build "
      "a different skin.",
      MessageIcon::Information, MessageCode::NotMadeByThisEditor};
}

}  // namespace vorlune
