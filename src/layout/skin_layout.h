#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "layout/part_kind.h"
#include "layout/skin_palette.h"

namespace vorlune {

// Picker index: 0..15, or -1 (the byte 0xFF) for no colour.
using PickerIndex = std::int8_t;
inline constexpr PickerIndex kNoColor = -1;
using ColorTriple = std::array<PickerIndex, 3>;

inline constexpr int kCanvasSize = 320;

// One row of the layout's part tables. Not placed means x = y = -1.
struct PartRecord {
  std::int32_t x = -1;
  std::int32_t y = -1;
  std::int32_t width = 0;
  std::int32_t height = 0;
  ColorTriple colors{kNoColor, kNoColor, kNoColor};

  bool placed() const { return x >= 0 && y >= 0; }
};

// Sizes of the background's forms.
inline constexpr std::uint32_t kReducedHeaderSize = 910;  // 14 + 40 + 214 * 4
inline constexpr std::uint32_t kPixelBytes = 320 * 320;
inline constexpr std::uint32_t kReducedBmpSize = kReducedHeaderSize + kPixelBytes;  // 103,310
inline constexpr std::uint32_t kPictureBufferSize = 308480;
inline constexpr std::uint32_t kReducedBufferSize = 308110;

// The skin being edited: background and palette, placed parts with their
// colours, and the texts that go into the skin database.
struct SkinLayout {
  SkinPalette palette = FixedSkinPalette();
  std::uint32_t pictureColorsUsed = 0;
  std::uint32_t pictureBitsPerPixel = 0;

  // Zero-terminated CP932 byte strings. Bytes after the terminator keep what an
  // earlier, longer text left there; the skin writer copies them as they are.
  std::array<char, 33> databaseName{};
  std::array<char, 33> databaseAuthor{};
  std::array<char, 7> databaseVersion{};

  std::uint32_t placedCount = 0;
  std::string filePath;  // last file chosen in the project-save or Create dialog

  std::array<PartRecord, kLayoutRows> parts{};

  // The picture buffer after reduction: the reduced picture's header followed
  // by 320 top-down rows of skin palette indices (the display form).
  std::vector<std::uint8_t> picture;
  // The reduced picture as a complete 8-bit BMP file (rows bottom-up).
  std::vector<std::uint8_t> reducedBmp;
  std::uint32_t pixelOffset = 0;
  std::uint32_t temporaryPictureSize = 0;
  bool backgroundLoaded = false;

  PartRecord& part(PartKind k) { return parts.at(static_cast<std::size_t>(k)); }
  const PartRecord& part(PartKind k) const { return parts.at(static_cast<std::size_t>(k)); }
  bool placed(PartKind k) const { return part(k).placed(); }
};

// The layout as the editor window sets it up when it opens: nothing placed,
// every colour none, sizes from the kind table, texts empty.
SkinLayout NewSkinLayout();

// Number of rows 1..30 that are placed.
int CountPlacedRows(const SkinLayout& layout);

}  // namespace vorlune
