#include <algorithm>

#include "core/byte_order.h"
#include "project/project_file.h"
#include "project/project_file_format.h"

namespace vorlune {

namespace {

// Copies `count` bytes from `source` at `from`; bytes the source lacks are zero.
void AppendBytes(std::vector<std::uint8_t>& out, const std::vector<std::uint8_t>& source, std::size_t from,
                 std::size_t count) {
  const std::size_t available = from < source.size() ? std::min(count, source.size() - from) : 0;
  const auto begin = source.begin() + static_cast<std::ptrdiff_t>(from < source.size() ? from : 0);
  out.insert(out.end(), begin, begin + static_cast<std::ptrdiff_t>(available));
  out.insert(out.end(), count - available, 0);
}

template <std::size_t N>
void AppendText(std::vector<std::uint8_t>& out, const std::array<char, N>& field, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) out.push_back(static_cast<std::uint8_t>(field[i]));
}

}  // namespace

std::vector<std::uint8_t> WriteProjectFile(const SkinLayout& layout) {
  namespace f = project_format;
  const std::uint32_t headerLength = layout.pixelOffset;
  std::vector<std::uint8_t> out;
  out.reserve(f::kBytesBesideHeader + headerLength);

  AppendBE32(out, layout.temporaryPictureSize);
  AppendBE32(out, headerLength);
  AppendBE32(out, layout.pictureColorsUsed);
  // The header as it opens the picture buffer; the rows as they stand in the
  // reduced BMP file, bottom row first, indices into its own colour table.
  AppendBytes(out, layout.picture, 0, headerLength);
  AppendBytes(out, layout.reducedBmp, headerLength, kPixelBytes);

  AppendBE16(out, static_cast<std::uint16_t>(layout.placedCount));
  AppendText(out, layout.databaseName, f::kTextFieldSize);
  AppendText(out, layout.databaseAuthor, f::kTextFieldSize);
  AppendText(out, layout.databaseVersion, f::kVersionFieldSize);

  for (const PartRecord& row : layout.parts) {
    AppendBE32(out, static_cast<std::uint32_t>(row.x));
    AppendBE32(out, static_cast<std::uint32_t>(row.y));
    for (const PickerIndex color : row.colors) out.push_back(static_cast<std::uint8_t>(color));
    out.push_back(0);
  }
  return out;
}

}  // namespace vorlune
