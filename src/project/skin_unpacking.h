#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "core/result.h"
#include "layout/skin_layout.h"

namespace vorlune {

// A skin database turned back into the project that made it.
struct UnpackedSkin {
  // As the Load command fills it from a project file: the background with a
  // full 214-colour table taken from the skin's palette, every placed part
  // with the colours its descriptor carries, the texts and count as stored.
  SkinLayout layout;
  // False when building this layout gives other bytes than the skin's (time
  // stamps aside): the skin was not made by this editor, or was changed since.
  // The layout is then the nearest project, and the user must agree to it.
  bool madeByThisEditor = true;
};

// Reads, checks and unpacks the bytes of a skin database. A database that is
// not a skin, or is damaged, is refused with the user's message.
Result<UnpackedSkin> UnpackSkinDatabase(std::span<const std::uint8_t> bytes);

// Reads a skin database file and unpacks it.
Result<UnpackedSkin> UnpackSkinFile(const std::filesystem::path& path);

// Why a skin that unpacked is still not offered without the user's consent.
UserMessage NotMadeByThisEditorMessage();

// The colours of a placed row that a skin keeps: the title displays keep only
// their text colour, other parts the colours of their state bitmaps.
ColorTriple ColorsKeptInSkin(PartKind k, const ColorTriple& colors);

}  // namespace vorlune
