// Fuzzes the skin database reader behind `info`, `render` and `unpack`. An
// accepted skin must be wholly inside the file, its counts must agree, and it
// must render. A skin that unpacks gives a project the project reader takes
// back unchanged; one made by this editor is built again byte for byte.
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

void CheckBitmap(const SkinBitmap& bitmap, int width, int height, std::size_t fileSize) {
  FUZZ_CHECK(bitmap.width == width && bitmap.height == height);
  FUZZ_CHECK(bitmap.rowBytes >= bitmap.width);
  FUZZ_CHECK(bitmap.pixelSize == 8 && bitmap.compressionType == 0);
  FUZZ_CHECK(bitmap.pixels.size() == static_cast<std::size_t>(bitmap.rowBytes) * bitmap.height);
  FUZZ_CHECK(bitmap.offset + kBitmapHeaderSize + bitmap.pixels.size() <= fileSize);
}

void CheckRecords(const SkinDatabase& skin, std::size_t fileSize) {
  FUZZ_CHECK(skin.type == "Data" && skin.creator == "Vrln");
  FUZZ_CHECK(skin.records.size() >= kFixedRecords);
  // Records follow the list without gaps or overlaps, the last one up to the end.
  const std::size_t listEnd = kDatabaseHeaderSize + kRecordEntrySize * skin.records.size();
  std::size_t next = skin.records.front().offset;
  FUZZ_CHECK(next >= listEnd);
  for (const SkinRecordEntry& record : skin.records) {
    FUZZ_CHECK(record.offset == next);
    FUZZ_CHECK(record.uniqueId < (1u << 24));
    next = std::size_t{record.offset} + record.size;
    FUZZ_CHECK(next <= fileSize);
  }
  FUZZ_CHECK(next == fileSize);
  FUZZ_CHECK(skin.records[0].size == 96 && skin.records[1].size == kPaletteRecordSize);
  for (std::size_t k = 0; k < skin.strips.size(); ++k) {
    FUZZ_CHECK(skin.strips[k].offset == skin.records[2 + k].offset);
    CheckBitmap(skin.strips[k], 320, kStripHeight, fileSize);
  }
}

void CheckParts(const SkinDatabase& skin, std::size_t fileSize) {
  FUZZ_CHECK(skin.parts.size() == skin.info.partCount);
  std::size_t records = kFixedRecords;
  PartKind previous = kNoKind;
  for (const SkinPartView& part : skin.parts) {
    FUZZ_CHECK(IsPartKind(part.kind) && part.kind > previous);
    previous = part.kind;
    FUZZ_CHECK(part.offset == skin.records[records].offset);
    FUZZ_CHECK(part.width == KindInfo(part.kind).width && part.height == KindInfo(part.kind).height);
    FUZZ_CHECK(part.x >= 0 && part.y >= 0 && part.x + part.width <= 320 && part.y + part.height <= 320);
    FUZZ_CHECK(part.stateCount >= 0 && part.stateCount <= 3);
    FUZZ_CHECK(part.states.size() == static_cast<std::size_t>(part.stateCount));
    const BitmapSize size = StateBitmapSize(part.kind);
    for (std::size_t s = 0; s < part.states.size(); ++s) {
      FUZZ_CHECK(part.states[s].offset == skin.records[records + 1 + s].offset);
      CheckBitmap(part.states[s], size.width, size.height, fileSize);
    }
    records += 1 + part.states.size();
  }
  FUZZ_CHECK(records == skin.records.size());
}

void CheckUnpacking(const SkinDatabase& skin, std::span<const std::uint8_t> file) {
  const Result<UnpackedSkin> unpacked = UnpackSkinDatabase(file);
  if (!unpacked.ok()) {
    FUZZ_CHECK(unpacked.error().text.rfind("Error : ", 0) == 0);
    return;
  }
  const std::vector<std::uint8_t> project = WriteProjectFile(unpacked->layout);
  const Result<SkinLayout> reloaded = ReadProjectFile(project);
  FUZZ_CHECK(reloaded.ok());
  FUZZ_CHECK(WriteProjectFile(*reloaded) == project);
  if (!unpacked->madeByThisEditor) return;
  // The project as saved builds the same skin, time stamps aside.
  Result<std::vector<std::uint8_t>> rebuilt =
      MakeSkinDatabase(*reloaded, skin.name, static_cast<std::int32_t>(reloaded->placedCount),
                       MakeSkinInfoRecord(*reloaded), 1000000000);
  FUZZ_CHECK(rebuilt.ok() && rebuilt->size() == file.size());
  std::copy_n(file.begin() + 36, 8, rebuilt->begin() + 36);
  FUZZ_CHECK(std::equal(rebuilt->begin(), rebuilt->end(), file.begin()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> file(data, size);
  const Result<SkinDatabase> skin = ReadSkinDatabase(file);
  const Result<RgbImage> picture = RenderSkinDatabase(file);
  FUZZ_CHECK(skin.ok() == picture.ok());
  if (!skin.ok()) {
    FUZZ_CHECK(!skin.error().text.empty());
    FUZZ_CHECK(picture.error() == skin.error());
    return 0;
  }
  CheckRecords(*skin, size);
  CheckParts(*skin, size);
  for (int y = 0; y < 320; y += 79) {
    for (int x = 0; x < 320; x += 53) static_cast<void>(skin->backgroundAt(x, y));
  }
  FUZZ_CHECK(picture->width == 320 && picture->height == 320);
  FUZZ_CHECK(picture->rgb.size() == std::size_t{320} * 320 * 3);
  CheckUnpacking(*skin, file);
  return 0;
}
