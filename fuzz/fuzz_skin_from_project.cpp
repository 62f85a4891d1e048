// Fuzzes the way from a project file to a skin database, as Create takes it:
// whatever project the reader accepts, the skin made from it must read back
// with the same parts, background and palette, and must render.
#include <cstdint>
#include <span>

#include "fuzz_check.h"
#include "project/project_file.h"
#include "skin/skin_database_reader.h"
#include "skin/skin_database_writer.h"
#include "skin/skin_info_record.h"
#include "skin/skin_records.h"
#include "skin/skin_renderer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorlune;
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
  return 0;
}
