#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "image/background_import.h"
#include "layout/skin_layout.h"

namespace vorlune::testing {

// Seconds for 2024-06-01 12:00 UTC.
inline constexpr std::int64_t kSomeTime = 1717243200;

// A layout as it stands right after importing a 320 x 320 picture: a reduced
// BMP with a 910-byte header, its display form and palette, nothing placed.
SkinLayout SyntheticLayout();

// A rectangle of one colour, (x0, y0) .. (x1, y1) ends excluded.
struct Patch {
  int x0, y0, x1, y1;
  Rgb colour;
};

// A layout right after importing an 8-bit picture painted with at most 214
// patches, later ones over earlier ones, black where none lies.
SkinLayout PaintedLayout(const std::vector<Patch>& patches);

// An 8-bit picture of 214 colours, another for each shift, as the Image command imports it.
ImportedBackground ShiftedBackground(int shift);

// Puts kind k at (x, y) with the given colours and recounts, as the editor does.
void Place(SkinLayout& layout, PartKind k, int x, int y, ColorTriple colors);

// The synthetic layout with a part of every family and every state count.
SkinLayout EveryFamilyLayout();

// The layout's skin database, named skin.pdb and made at kSomeTime.
std::vector<std::uint8_t> SkinBytes(const SkinLayout& layout);

// Writes the layout's project file.
void SaveProject(const std::filesystem::path& path, const SkinLayout& layout);

// Every field of the layout as one run of bytes, for golden checks.
std::vector<std::uint8_t> LayoutBytes(const SkinLayout& layout);

}  // namespace vorlune::testing
