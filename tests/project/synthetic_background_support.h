#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "layout/skin_layout.h"

namespace vorlune::testing {

// The colour of entry i of the synthetic picture's 214-entry table.
Rgb SyntheticColor(int i);

// The colour-table index of canvas pixel (x, y) (y from the top).
std::uint8_t SyntheticPixel(int x, int y);

// A layout as it stands right after importing a 320 x 320 picture: a reduced
// BMP with a 910-byte header, its display form and palette, nothing placed.
SkinLayout SyntheticImportedLayout();

// Puts kind k at (x, y) with the given colours, counting it as the editor does.
void PlaceForTest(SkinLayout& layout, PartKind k, int x, int y, ColorTriple colors);

// A fresh, empty folder under the system's temporary folder.
std::filesystem::path FreshFolder(const char* name);

// The names in a folder.
std::vector<std::string> FolderEntries(const std::filesystem::path& folder);

}  // namespace vorlune::testing
