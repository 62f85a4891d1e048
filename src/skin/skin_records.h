#pragma once

#include <cstdint>
#include <vector>

#include "layout/skin_layout.h"

namespace vorlune {

// Shared sizes of the skin database's records.
inline constexpr std::uint32_t kDatabaseHeaderSize = 78;
inline constexpr std::uint32_t kRecordEntrySize = 8;
inline constexpr std::uint32_t kFixedRecords = 6;  // info, palette, four strips
inline constexpr std::uint32_t kPaletteRecordSize = 768;
inline constexpr std::uint32_t kBitmapHeaderSize = 16;
inline constexpr int kStripHeight = 80;
inline constexpr std::uint32_t kStripRecordSize = kBitmapHeaderSize + 320 * kStripHeight;  // 25,616
inline constexpr std::uint32_t kDescriptorSize = 24;
inline constexpr std::uint8_t kRecordAttributes = 0x40;  // dirty
inline constexpr std::uint16_t kBitmapFlags = 0x2000;    // hasTransparency
inline constexpr std::uint8_t kUnusedByte = 0xFF;

// Picker bytes of 0x80 and up (0xFF included) mean no colour.
inline bool ColorSet(PickerIndex c) {
  return c >= 0;
}

// How many state bitmaps follow a placed part's descriptor: none for a title
// display or a part without colour 0, else one per set colour of the chain
// 0, 1, 2 (colour 2 set gives three whatever colour 1 holds).
int StateCount(PartKind k, const ColorTriple& colors);

// Bitmap size of a state of kind k: the digit strip for time and track
// displays, the kind's own size otherwise.
struct BitmapSize {
  int width;
  int height;
};
BitmapSize StateBitmapSize(PartKind k);

// The titleSizeCode byte of a descriptor.
std::uint8_t TitleSizeCode(PartKind k);

// The placed parts of a layout in kind order, with their state counts.
struct PlacedPart {
  PartKind kind;
  int stateCount;
};
std::vector<PlacedPart> PlacedParts(const SkinLayout& layout);

}  // namespace vorlune
