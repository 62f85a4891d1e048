#include "skin/skin_database_writer.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <ctime>

#include "core/file_io.h"
#include "skin/mask_picture.h"
#include "skin/skin_records.h"

namespace vorlune {

namespace {

constexpr std::int64_t kPalmEpochOffset = 2082844800;  // 1904-01-01 to 1970-01-01
constexpr std::int64_t kJapanOffset = 9 * 3600;

const UserMessage kCountError{"Error : Wtire item number error", MessageIcon::Exclamation,
                              MessageCode::PartCountWrong};
const UserMessage kCannotMake{
    "Error : Cannot make pdb-file.", MessageIcon::Exclamation, MessageCode::FileCannotMake, {"pdb"}};
const UserMessage kAbnormalDate{"Error : The date of this system is abnormal.", MessageIcon::Information,
                                MessageCode::ClockAbnormal};

// Writes into a buffer sized beforehand, so the bytes land where the record
// list said they would.
class ByteSink {
 public:
  explicit ByteSink(std::size_t size) : bytes_(size) {}
  void U8(std::uint8_t v) { bytes_[at_++] = v; }
  void U16(std::uint16_t v) {
    U8(static_cast<std::uint8_t>(v >> 8));
    U8(static_cast<std::uint8_t>(v));
  }
  void U32(std::uint32_t v) {
    U16(static_cast<std::uint16_t>(v >> 16));
    U16(static_cast<std::uint16_t>(v));
  }
  void Bytes(const std::uint8_t* p, std::size_t n) {
    std::memcpy(bytes_.data() + at_, p, n);
    at_ += n;
  }
  void Zeros(std::size_t n) { at_ += n; }  // the buffer starts zeroed
  std::uint8_t* Take(std::size_t n) {
    std::uint8_t* p = bytes_.data() + at_;
    at_ += n;
    return p;
  }
  std::size_t position() const { return at_; }
  std::vector<std::uint8_t> Finish() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t at_ = 0;
};

void BitmapHeader(ByteSink& out, int width, int height) {
  out.U16(static_cast<std::uint16_t>(width));
  out.U16(static_cast<std::uint16_t>(height));
  out.U16(static_cast<std::uint16_t>(width + width % 2));
  out.U16(kBitmapFlags);
  out.U8(8);  // pixel size
  out.U8(2);  // version
  out.U16(0);
  out.U8(0);  // transparent index
  out.U8(0);  // uncompressed
  out.U16(0);
}

std::uint32_t StateRecordSize(PartKind k) {
  const BitmapSize size = StateBitmapSize(k);
  return kBitmapHeaderSize + static_cast<std::uint32_t>((size.width + size.width % 2) * size.height);
}

const MaskPicture& StateMask(PartKind k) {
  if (k >= 21 && k <= 26) return DigitStrip((k - 21) % 3 + 1);
  return PartShapeMask(k);
}

void Descriptor(ByteSink& out, PartKind k, const PartRecord& part, int stateCount) {
  const PartKindInfo& info = KindInfo(k);
  out.U8(static_cast<std::uint8_t>(k));
  out.U8(static_cast<std::uint8_t>(stateCount));
  out.U16(static_cast<std::uint16_t>(part.x));
  out.U16(static_cast<std::uint16_t>(part.y));
  out.U16(static_cast<std::uint16_t>(info.width));
  out.U16(static_cast<std::uint16_t>(info.height));
  std::array<std::uint8_t, 8> colors;
  colors.fill(kUnusedByte);
  if (k >= 27 && k <= 29) {
    colors[0] = ColorSet(part.colors[0]) ? static_cast<std::uint8_t>(part.colors[0] + 1) : 0;
  }
  for (int i = 0; i < stateCount; ++i)
    colors[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(part.colors[i] + 1);
  out.Bytes(colors.data(), colors.size());
  out.U8(TitleSizeCode(k));
  out.Zeros(5);
}

void StateBitmaps(ByteSink& out, PartKind k, const PartRecord& part, int stateCount) {
  const MaskPicture& mask = StateMask(k);
  const int rowBytes = mask.width + mask.width % 2;
  // Every state has the same shape: unpack it once, then colour it per state.
  std::vector<std::uint8_t> inside(static_cast<std::size_t>(rowBytes * mask.height), 0);
  for (int y = 0; y < mask.height; ++y) {
    for (int x = 0; x < mask.width; ++x)
      inside[static_cast<std::size_t>(y * rowBytes + x)] = mask.at(x, y) != 0;
  }
  for (int i = 0; i < stateCount; ++i) {
    BitmapHeader(out, mask.width, mask.height);
    const auto color = static_cast<std::uint8_t>(part.colors[static_cast<std::size_t>(i)] + 1);
    std::uint8_t* pixels = out.Take(inside.size());
    for (std::size_t p = 0; p < inside.size(); ++p) pixels[p] = static_cast<std::uint8_t>(inside[p] * color);
  }
}

}  // namespace

std::int64_t SystemUnixSeconds() {
  return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

std::uint32_t SkinTimeStamp(std::int64_t unixSeconds) {
  return static_cast<std::uint32_t>(
      static_cast<std::uint64_t>(unixSeconds + kPalmEpochOffset + kJapanOffset));
}

bool IsAbnormalSystemDate(std::int64_t unixSeconds) {
  const auto t = static_cast<std::time_t>(unixSeconds);
  std::tm local{};
  if (localtime_r(&t, &local) == nullptr) return false;
  return local.tm_year >= 51 && local.tm_year <= 97;
}

Result<std::vector<std::uint8_t>> MakeSkinDatabase(const SkinLayout& layout, std::string_view databaseName,
                                                   std::int32_t expectedPartCount, const SkinInfoRecord& info,
                                                   std::int64_t unixSeconds) {
  const std::vector<PlacedPart> parts = PlacedParts(layout);
  if (static_cast<std::int64_t>(parts.size()) != expectedPartCount) return kCountError;
  if (IsAbnormalSystemDate(unixSeconds)) return kAbnormalDate;
  if (layout.picture.size() < static_cast<std::size_t>(layout.pixelOffset) + kPixelBytes) return kCannotMake;

  std::uint32_t partRecords = 0;
  for (const PlacedPart& part : parts) partRecords += 1 + static_cast<std::uint32_t>(part.stateCount);
  const std::uint32_t numRecords = kFixedRecords + partRecords;

  // The record list: each record's offset, then the file size.
  std::vector<std::uint32_t> offsets;
  offsets.reserve(numRecords);
  std::uint32_t offset = kDatabaseHeaderSize + kRecordEntrySize * numRecords + 2;
  auto advance = [&](std::uint32_t size) {
    offsets.push_back(offset);
    offset += size;
  };
  advance(kSkinInfoRecordSize);
  advance(kPaletteRecordSize);
  for (int k = 0; k < 4; ++k) advance(kStripRecordSize);
  for (const PlacedPart& part : parts) {
    advance(kDescriptorSize);
    for (int i = 0; i < part.stateCount; ++i) advance(StateRecordSize(part.kind));
  }

  ByteSink out(offset);
  std::uint8_t name[32] = {};
  std::memcpy(name, databaseName.data(), std::min<std::size_t>(databaseName.size(), 31));
  out.Bytes(name, sizeof name);
  out.U16(0);  // attributes
  out.U16(0);  // version
  const std::uint32_t stamp = SkinTimeStamp(unixSeconds);
  out.U32(stamp);
  out.U32(stamp);
  out.Zeros(16);  // last backup, modification number, app info, sort info
  out.Bytes(reinterpret_cast<const std::uint8_t*>("DataVrln"), 8);
  out.Zeros(8);  // unique id seed, next record list
  out.U16(static_cast<std::uint16_t>(numRecords));
  for (const std::uint32_t at : offsets) {
    out.U32(at);
    out.U8(kRecordAttributes);
    out.Zeros(3);
  }
  out.Zeros(2);

  out.Bytes(info.data(), info.size());
  for (const Rgb& entry : layout.palette) {
    out.U8(entry.r);
    out.U8(entry.g);
    out.U8(entry.b);
  }
  const std::uint8_t* rows = layout.picture.data() + layout.pixelOffset;
  for (int k = 0; k < 4; ++k) {
    BitmapHeader(out, 320, kStripHeight);
    out.Bytes(rows + 320 * kStripHeight * k, 320 * kStripHeight);
  }
  for (const PlacedPart& part : parts) {
    Descriptor(out, part.kind, layout.part(part.kind), part.stateCount);
    StateBitmaps(out, part.kind, layout.part(part.kind), part.stateCount);
  }
  return out.Finish();
}

Status SaveSkinDatabase(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  if (WriteFileAtomically(path, bytes)) return kCannotMake;
  return Done{};
}

Status WriteSkinDatabase(const SkinLayout& layout, std::string_view databaseName,
                         const std::filesystem::path& path, std::int32_t expectedPartCount,
                         const SkinInfoRecord& info, const UnixClock& clock) {
  Result<std::vector<std::uint8_t>> bytes =
      MakeSkinDatabase(layout, databaseName, expectedPartCount, info, clock());
  if (!bytes) return bytes.error();
  return SaveSkinDatabase(path, *bytes);
}

}  // namespace vorlune
