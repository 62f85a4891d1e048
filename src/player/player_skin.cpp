#include "player/player_skin.h"

#include "skin/skin_database_writer.h"
#include "skin/skin_info_record.h"

namespace vorlune {

namespace {

constexpr std::int64_t kStampSeconds = 946684800;  // 2000-01-01: any sound date will do
constexpr std::uint8_t kBlack = 1;                 // picker colour 0, black

}  // namespace

Result<std::vector<std::uint8_t>> PlayerSkinBytes(const SkinLayout& layout) {
  const auto make = [](const SkinLayout& l) {
    return MakeSkinDatabase(l, "player.pdb", static_cast<std::int32_t>(l.placedCount), MakeSkinInfoRecord(l),
                            kStampSeconds);
  };
  if (layout.picture.size() >= static_cast<std::size_t>(layout.pixelOffset) + kPixelBytes)
    return make(layout);
  SkinLayout blank = layout;
  blank.pixelOffset = kReducedHeaderSize;
  blank.picture.assign(kReducedHeaderSize + kPixelBytes, kBlack);
  return make(blank);
}

}  // namespace vorlune
