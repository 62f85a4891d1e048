#include "skin/skin_database_reader.h"

#include <algorithm>
#include <string_view>

#include "core/byte_order.h"
#include "skin/skin_info_record.h"
#include "skin/skin_records.h"

namespace vorlune {

namespace {

UserMessage Refusal(const std::string& why) {
  return UserMessage{"Error : This is not a readable skin database (" + why + ").",
                     MessageIcon::Information,
                     MessageCode::NotASkinDatabase,
                     {why}};
}

std::string TextUpToZero(std::span<const std::uint8_t> field) {
  const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
  return std::string(field.begin(), end);
}

// Reads the Palm bitmap of a record of `size` bytes at `at`; the record must
// hold exactly the header and the uncompressed 8-bit pixel rows.
Result<SkinBitmap> ReadBitmap(std::span<const std::uint8_t> b, std::uint32_t at, std::uint32_t size,
                              const std::string& what) {
  if (size < kBitmapHeaderSize) return Refusal(what + " is too short");
  SkinBitmap bitmap;
  bitmap.offset = at;
  bitmap.width = ReadBE16(b, at);
  bitmap.height = ReadBE16(b, at + 2);
  bitmap.rowBytes = ReadBE16(b, at + 4);
  bitmap.flags = ReadBE16(b, at + 6);
  bitmap.pixelSize = b[at + 8];
  bitmap.version = b[at + 9];
  bitmap.transparentIndex = b[at + 12];
  bitmap.compressionType = b[at + 13];
  if (bitmap.pixelSize != 8 || bitmap.compressionType != 0)
    return Refusal(what + " is not an 8-bit plain bitmap");
  if (bitmap.rowBytes < bitmap.width) return Refusal(what + " has rows shorter than its width");
  const std::uint64_t pixelBytes = static_cast<std::uint64_t>(bitmap.rowBytes) * bitmap.height;
  if (pixelBytes + kBitmapHeaderSize != size) return Refusal(what + " has the wrong size");
  bitmap.pixels.assign(b.begin() + at + kBitmapHeaderSize, b.begin() + at + size);
  return bitmap;
}

Result<SkinPartView> ReadDescriptor(std::span<const std::uint8_t> b, std::uint32_t at, std::uint32_t size) {
  const std::string what = "part record at " + std::to_string(at);
  if (size != kDescriptorSize) return Refusal(what + " has the wrong size");
  SkinPartView part;
  part.offset = at;
  part.kind = b[at];
  part.stateCount = b[at + 1];
  part.x = ReadBE16(b, at + 2);
  part.y = ReadBE16(b, at + 4);
  part.width = ReadBE16(b, at + 6);
  part.height = ReadBE16(b, at + 8);
  std::copy_n(b.begin() + at + 10, 8, part.stateColors.begin());
  part.titleSizeCode = b[at + 18];
  if (!IsPartKind(part.kind)) return Refusal(what + " has no part kind");
  if (part.stateCount > 3 || (part.kind >= 27 && part.kind <= 29 && part.stateCount != 0)) {
    return Refusal(what + " has a wrong state count");
  }
  if (part.width != KindInfo(part.kind).width || part.height != KindInfo(part.kind).height) {
    return Refusal(what + " has a size other than its kind's");
  }
  if (part.x + part.width > 320 || part.y + part.height > 320)
    return Refusal(what + " lies off the background");
  return part;
}

}  // namespace

bool HasSkinDatabaseSignature(std::span<const std::uint8_t> bytes) {
  constexpr std::string_view kSignature = "DataVrln";
  constexpr std::size_t kAt = 60;
  return bytes.size() >= kAt + kSignature.size() &&
         std::equal(kSignature.begin(), kSignature.end(), bytes.begin() + kAt);
}

Result<SkinDatabase> ReadSkinDatabase(std::span<const std::uint8_t> b) {
  if (b.size() < kDatabaseHeaderSize) return Refusal("shorter than a database header");
  SkinDatabase db;
  db.name = TextUpToZero(b.subspan(0, 32));
  db.attributes = ReadBE16(b, 32);
  db.version = ReadBE16(b, 34);
  db.creationDate = ReadBE32(b, 36);
  db.modificationDate = ReadBE32(b, 40);
  db.lastBackupDate = ReadBE32(b, 44);
  db.modificationNumber = ReadBE32(b, 48);
  db.appInfoId = ReadBE32(b, 52);
  db.sortInfoId = ReadBE32(b, 56);
  db.type.assign(b.begin() + 60, b.begin() + 64);
  db.creator.assign(b.begin() + 64, b.begin() + 68);
  db.uniqueIdSeed = ReadBE32(b, 68);
  db.nextRecordListId = ReadBE32(b, 72);
  const std::uint32_t count = ReadBE16(b, 76);
  if (db.type != "Data" || db.creator != "Vrln") return Refusal("not of type Data and creator Vrln");
  if (count < kFixedRecords) return Refusal("fewer than six records");
  const std::uint64_t listEnd = kDatabaseHeaderSize + static_cast<std::uint64_t>(kRecordEntrySize) * count;
  if (listEnd > b.size()) return Refusal("the record list runs past the end");

  // Records lie in list order, each up to the next one, the last up to the end.
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t at = kDatabaseHeaderSize + kRecordEntrySize * i;
    SkinRecordEntry entry;
    entry.offset = ReadBE32(b, at);
    entry.attributes = b[at + 4];
    entry.uniqueId = (static_cast<std::uint32_t>(b[at + 5]) << 16) | (b[at + 6] << 8) | b[at + 7];
    db.records.push_back(entry);
  }
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint64_t start = db.records[i].offset;
    const std::uint64_t end = i + 1 < count ? db.records[i + 1].offset : b.size();
    if (start < listEnd || start > end || end > b.size())
      return Refusal("record " + std::to_string(i) + " is misplaced");
    db.records[i].size = static_cast<std::uint32_t>(end - start);
  }

  const SkinRecordEntry& info = db.records[0];
  if (info.size != kSkinInfoRecordSize) return Refusal("the information record has the wrong size");
  std::copy_n(b.begin() + info.offset, kSkinInfoRecordSize, db.info.raw.begin());
  db.info.title = TextUpToZero(std::span(db.info.raw).subspan(0, 32));
  db.info.author = TextUpToZero(std::span(db.info.raw).subspan(32, 32));
  db.info.version = TextUpToZero(std::span(db.info.raw).subspan(64, 6));
  db.info.partCount = ReadBE16(db.info.raw, 70);

  const SkinRecordEntry& palette = db.records[1];
  if (palette.size != kPaletteRecordSize) return Refusal("the palette has the wrong size");
  for (std::size_t i = 0; i < db.palette.size(); ++i) {
    const std::size_t at = palette.offset + 3 * i;
    db.palette[i] = Rgb{b[at], b[at + 1], b[at + 2]};
  }

  for (std::uint32_t k = 0; k < 4; ++k) {
    const SkinRecordEntry& entry = db.records[2 + k];
    Result<SkinBitmap> strip =
        ReadBitmap(b, entry.offset, entry.size, "background strip " + std::to_string(k));
    if (!strip) return strip.error();
    if (strip->width != 320 || strip->height != kStripHeight)
      return Refusal("a background strip is not 320 x 80");
    db.strips[k] = std::move(*strip);
  }

  PartKind previous = kNoKind;
  for (std::uint32_t i = kFixedRecords; i < count;) {
    Result<SkinPartView> part = ReadDescriptor(b, db.records[i].offset, db.records[i].size);
    if (!part) return part.error();
    if (part->kind <= previous) return Refusal("parts out of kind order");
    previous = part->kind;
    ++i;
    if (count - i < static_cast<std::uint32_t>(part->stateCount)) return Refusal("state bitmaps are missing");
    const BitmapSize size = StateBitmapSize(part->kind);
    for (int s = 0; s < part->stateCount; ++s, ++i) {
      Result<SkinBitmap> state =
          ReadBitmap(b, db.records[i].offset, db.records[i].size, "state bitmap " + std::to_string(i));
      if (!state) return state.error();
      if (state->width != size.width || state->height != size.height) {
        return Refusal("state bitmap " + std::to_string(i) + " has the wrong size");
      }
      part->states.push_back(std::move(*state));
    }
    db.parts.push_back(std::move(*part));
  }
  if (db.parts.size() != db.info.partCount) return Refusal("the part count does not match the parts");
  return db;
}

}  // namespace vorlune
