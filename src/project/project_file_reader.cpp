#include <algorithm>

#include "core/byte_order.h"
#include "project/placed_parts_check.h"
#include "project/project_file.h"
#include "project/project_file_format.h"
#include "project/project_messages.h"

namespace vorlune {

namespace {

namespace f = project_format;

PickerIndex ColorFromByte(std::uint8_t b) {
  // Anything but a picker index is read as no colour, so no later step can
  // index past the 16 picker colours.
  return b < kPickerColors.size() ? static_cast<PickerIndex>(b) : kNoColor;
}

template <std::size_t N>
void ReadText(std::span<const std::uint8_t> file, std::size_t at, std::size_t count,
              std::array<char, N>& field) {
  field.fill(0);
  for (std::size_t i = 0; i < count; ++i) field[i] = static_cast<char>(file[at + i]);
}

}  // namespace

Result<SkinLayout> ReadProjectFile(std::span<const std::uint8_t> file) {
  if (file.size() < f::kHeaderStart) return DamagedProjectMessage(ProjectDamage::Length);
  const std::uint32_t headerLength = ReadBE32(file, f::kHeaderLengthField);
  if (headerLength < f::kBmpHeadersSize || headerLength > f::kMaxHeaderLength)
    return DamagedProjectMessage(ProjectDamage::HeaderLength);
  if (file.size() != f::kBytesBesideHeader + headerLength)
    return DamagedProjectMessage(ProjectDamage::Length);
  const std::uint32_t colors = ReadBE32(file, f::kColorsField);
  if (colors > f::kMaxColors || f::kBmpHeadersSize + 4 * colors > headerLength)
    return DamagedProjectMessage(ProjectDamage::ColorTable);

  const auto header = file.subspan(f::kHeaderStart, headerLength);
  const std::size_t body = f::kHeaderStart + headerLength;
  const auto rows = file.subspan(body + f::kPixelRows, kPixelBytes);
  if (std::any_of(rows.begin(), rows.end(), [](std::uint8_t b) { return b > f::kHighestPixel; }))
    return DamagedProjectMessage(ProjectDamage::PixelValue);

  SkinLayout layout = NewSkinLayout();
  for (std::size_t k = 0; k < layout.parts.size(); ++k) {
    const std::size_t at = body + f::kRows + k * f::kRowSize;
    PartRecord& row = layout.parts[k];
    row.x = static_cast<std::int32_t>(ReadBE32(file, at));
    row.y = static_cast<std::int32_t>(ReadBE32(file, at + 4));
    if ((row.x < 0) != (row.y < 0)) return DamagedProjectMessage(ProjectDamage::HalfPlaced);
    // A part that is not placed is always at (-1, -1).
    if (row.x < 0) row.x = row.y = -1;
    for (std::size_t c = 0; c < 3; ++c) row.colors[c] = ColorFromByte(file[at + 8 + c]);
  }
  if (const auto damage = CheckPlacedParts(layout)) return DamagedProjectMessage(*damage);

  layout.temporaryPictureSize = ReadBE32(file, f::kSizeField);
  layout.pixelOffset = headerLength;
  layout.pictureColorsUsed = colors;
  layout.pictureBitsPerPixel = ReadLE16(header, 28);
  for (std::uint32_t i = 0; i < colors; ++i) {
    const std::size_t entry = f::kBmpHeadersSize + 4 * i;
    layout.palette[kFirstBackgroundEntry + i] = Rgb{header[entry + 2], header[entry + 1], header[entry]};
  }

  // The temporary picture: the header and the rows as stored, bottom-up.
  layout.reducedBmp.assign(header.begin(), header.end());
  layout.reducedBmp.insert(layout.reducedBmp.end(), rows.begin(), rows.end());
  // The display form: the same header, then the rows top-down as skin palette indices.
  layout.picture.assign(header.begin(), header.end());
  layout.picture.resize(headerLength + kPixelBytes);
  for (std::size_t i = 0; i < kCanvasSize; ++i) {
    const auto source = rows.subspan(i * kCanvasSize, kCanvasSize);
    auto* target = layout.picture.data() + headerLength + (kCanvasSize - 1 - i) * kCanvasSize;
    for (std::size_t x = 0; x < kCanvasSize; ++x)
      target[x] = static_cast<std::uint8_t>(source[x] + kFirstBackgroundEntry);
  }

  layout.placedCount = ReadBE16(file, body + f::kPlacedCount);
  ReadText(file, body + f::kName, f::kTextFieldSize, layout.databaseName);
  ReadText(file, body + f::kAuthor, f::kTextFieldSize, layout.databaseAuthor);
  ReadText(file, body + f::kVersion, f::kVersionFieldSize, layout.databaseVersion);
  layout.backgroundLoaded = true;
  return layout;
}

}  // namespace vorlune
