#include "skin/skin_database_reader.h"

#include <gtest/gtest.h>

#include "core/byte_order.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

// What the reader gives for a sound skin shows in the command line's `info`
// and in unpacked projects; the fuzzing harness checks its invariants.
TEST(SkinDatabaseReader, RefusesEveryTruncationAndDamagedFields) {
  const std::vector<std::uint8_t> good = testing::SkinBytes(testing::EveryFamilyLayout());
  for (std::size_t size = 0; size < good.size(); size += 97)
    EXPECT_FALSE(ReadSkinDatabase(std::span(good).first(size)).ok()) << size;
  EXPECT_FALSE(ReadSkinDatabase(std::span(good).first(good.size() - 1)).ok());

  const Result<SkinDatabase> db = ReadSkinDatabase(good);
  ASSERT_TRUE(db.ok());
  const std::uint32_t strip = ReadBE32(good, 78 + 8 * 2);
  const std::uint32_t firstPart = db->parts[0].offset;
  const struct {
    const char* what;
    std::size_t at;
    std::uint8_t value;
  } damages[] = {
      {"type", 60, 'X'},
      {"creator", 67, 'X'},
      {"record count below six", 77, 5},
      {"record count past the list", 76, 0xFF},
      {"record offset past the end", 78 + 8 * 3, 0xFF},
      {"record offsets out of order", 78 + 8 * 2 + 2, 0},
      {"strip pixel size", strip + 8, 16},
      {"strip compression", strip + 13, 1},
      {"strip width", strip + 1, 0x41},
      {"part kind zero", firstPart, 0},
      {"part kind 31", firstPart, 31},
      {"four states", firstPart + 1, 4},
      {"part off the background", firstPart + 2, 0x02},
      {"part of the wrong size", firstPart + 7, 37},
      {"part count", ReadBE32(good, 78) + 71, 9},
      {"a title with states", db->parts[8].offset + 1, 1},
      {"parts out of order", db->parts[1].offset, 1},  // the stop button claims to be a second play button
  };
  for (const auto& damage : damages) {
    std::vector<std::uint8_t> bad = good;
    bad[damage.at] = damage.value;
    const Result<SkinDatabase> refused = ReadSkinDatabase(bad);
    ASSERT_FALSE(refused.ok()) << damage.what;
    EXPECT_EQ(refused.error().text.rfind("Error : ", 0), 0u) << damage.what;
  }
}

}  // namespace
}  // namespace vorlune
