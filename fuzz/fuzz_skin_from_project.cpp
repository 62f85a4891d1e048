// Fuzzes the way from a project file to a skin database, as Create takes it:
// whatever project the reader accepts, the skin made from it must read back
// with the same parts, background and palette, must render, and must unpack to
// the project's parts, colours, texts, picture and palette.
#include <algorithm>
#include <cstdint>
#include <span>

#include "fuzz_check.h"
#include "project/project_file.h"
#include "project/skin_unpacking.h"
#include "skin/skin_database_reader.h"
#include "skin/skin_database_writer.h"
#include "skin/skin_info_record.h"
#include "skin/skin_records.h"
#include "skin/skin_renderer.h"

namespace {

using namespace vorlune;

// What a skin keeps of the project comes back; the rest is none or empty.
void CheckUnpacking(const SkinLayout& project, const std::vector<std::uint8_t>& skin) {
  const Result<UnpackedSkin> unpacked = UnpackSkinDatabase(skin);
  FUZZ_CHECK(unpacked.ok());
  // Colours past entry 230 cannot be in a project this editor makes.
  FUZZ_CHECK(unpacked->madeByThisEditor || project.pictureColorsUsed > kBackgroundColors);
  const SkinLayout& layout = unpacked->layout;
  FUZZ_CHECK(layout.placedCount == project.placedCount);
  for (PartKind k = 0; k <= kLastKind; ++k) {
    const PartRecord& row = layout.part(k);
    const PartRecord& source = project.part(k);
    FUZZ_CHECK(row.placed() == source.placed());
    if (!row.placed()) {
      FUZZ_CHECK(row.x == -1 && row.y == -1 && row.colors == ColorTriple({kNoColor, kNoColor, kNoColor}));
      continue;
    }
    FUZZ_CHECK(row.x == source.x && row.y == source.y);
    FUZZ_CHECK(row.colors == ColorsKeptInSkin(k, source.colors));
  }
  const SkinInfoRecord info = MakeSkinInfoRecord(project);
  FUZZ_CHECK(std::equal(info.begin(), info.begin() + 32, layout.databaseName.begin(),
                        [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); }));
  FUZZ_CHECK(std::equal(project.databaseAuthor.begin(), project.databaseAuthor.begin() + 32,
                        layout.databaseAuthor.begin()));
  FUZZ_CHECK(std::equal(project.databaseVersion.begin(), project.databaseVersion.begin() + 6,
                        layout.databaseVersion.begin()));
  if (project.pictureColorsUsed <= kBackgroundColors) FUZZ_CHECK(layout.palette == project.palette);
  FUZZ_CHECK(std::equal(layout.picture.begin() + layout.pixelOffset, layout.picture.end(),
                        project.picture.begin() + project.pixelOffset));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Result<SkinLayout> loaded = ReadProjectFile(std::span<const std::uint8_t>(data, size));
  if (!loaded.ok()) return 0;
  const SkinLayout& layout = *loaded;
  const Result<std::vector<std::uint8_t>> made =
      MakeSkinDatabase(layout, "Fuzz.pdb", static_cast<std::int32_t>(layout.placedCount),
                       MakeSkinInfoRecord(layout), 1000000000);
  if (!made.ok()) {
    FUZZ_CHECK(!made.error().text.empty());
    return 0;
  }
  FUZZ_CHECK(static_cast<int>(layout.placedCount) == CountPlacedRows(layout));

  const Result<SkinDatabase> skin = ReadSkinDatabase(*made);
  FUZZ_CHECK(skin.ok());
  const std::vector<PlacedPart> placed = PlacedParts(layout);
  FUZZ_CHECK(skin->parts.size() == placed.size());
  FUZZ_CHECK(skin->info.partCount == layout.placedCount);
  for (std::size_t i = 0; i < placed.size(); ++i) {
    const SkinPartView& part = skin->parts[i];
    FUZZ_CHECK(part.kind == placed[i].kind && part.stateCount == placed[i].stateCount);
    FUZZ_CHECK(part.x == layout.part(part.kind).x && part.y == layout.part(part.kind).y);
  }
  for (int i = 0; i < kFirstBackgroundEntry + static_cast<int>(layout.pictureColorsUsed); ++i)
    FUZZ_CHECK(skin->palette[i] == layout.palette[i]);
  const std::uint8_t* shown = layout.picture.data() + layout.pixelOffset;
  for (int y = 0; y < kCanvasSize; ++y) {
    for (int x = 0; x < kCanvasSize; ++x) FUZZ_CHECK(skin->backgroundAt(x, y) == shown[y * kCanvasSize + x]);
  }
  FUZZ_CHECK(RenderSkinDatabase(*made).ok());
  CheckUnpacking(layout, *made);
  return 0;
}
