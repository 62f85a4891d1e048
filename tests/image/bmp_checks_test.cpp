#include <gtest/gtest.h>

#include <map>

#include "image/background_import.h"
#include "support/bmp_builder.h"

namespace vorlune {
namespace {

using testing::EightBit;
using testing::PackIndexes;
using testing::TestBmp;

using Bytes = std::vector<std::uint8_t>;

TestBmp Plain() {
  return testing::UniformTrueColor({1, 2, 3});
}

TestBmp FourBit(std::uint32_t colorsUsed, int tableEntries) {
  TestBmp bmp;
  bmp.bitsPerPixel = 4;
  bmp.colorsUsed = colorsUsed;
  bmp.table = testing::DistinctColours(tableEntries);
  bmp.pixels = PackIndexes(4, [](int x, int) { return static_cast<std::uint8_t>(x % 2); });
  return bmp;
}

TestBmp OneBit(std::uint32_t colorsUsed) {
  TestBmp bmp;
  bmp.bitsPerPixel = 1;
  bmp.colorsUsed = colorsUsed;
  bmp.table = testing::DistinctColours(3);
  bmp.pixels = PackIndexes(1, [](int, int) { return 0; });
  return bmp;
}

// An 8-bit picture using colour number `highest` once.
Bytes EightBitUsing(std::uint8_t highest, std::uint32_t colorsUsed) {
  return EightBit(testing::DistinctColours(256), colorsUsed,
                  [=](int x, int row) { return x == 5 && row == 7 ? highest : std::uint8_t{0}; })
      .Bytes();
}

template <class Change>
Bytes Changed(TestBmp bmp, Change change) {
  change(bmp);
  return bmp.Bytes();
}

Bytes Resized(Bytes bytes, std::size_t size) {
  bytes.resize(size);
  return bytes;
}

UserMessage Refusal(const Bytes& file) {
  const auto check = CheckBackgroundFile(file);
  const auto imported = ImportBackground(file);
  EXPECT_FALSE(check.ok());
  EXPECT_FALSE(imported.ok());
  if (check.ok() || imported.ok()) return {};
  EXPECT_EQ(check.error(), imported.error());
  return check.error();
}

TEST(BmpChecks, ReadFailuresNameTheFileProblem) {
  EXPECT_EQ(BmpReadFailureMessage(ReadFailure::NotFound),
            (UserMessage{"Error : Cannot find bmp-file", MessageIcon::Exclamation}));
  EXPECT_EQ(BmpReadFailureMessage(ReadFailure::CannotOpen),
            (UserMessage{"Error : Cannot open bmp-file", MessageIcon::Information}));
}

// Every refused picture, grouped by the fault it should be refused for. Where
// a picture has several faults the group says which check must come first.
TEST(BmpChecks, EachFaultIsRefusedWithItsOwnMessageInCheckOrder) {
  const Bytes plain = Plain().Bytes();
  Bytes notBm = plain;
  notBm[1] = 'A';
  Bytes hugeOffset = plain;  // an offset near 2^32 must not wrap round
  hugeOffset[10] = 0xF0;
  hugeOffset[11] = hugeOffset[12] = hugeOffset[13] = 0xFF;
  const auto depth = [](std::uint16_t bits) {
    return Changed(Plain(), [=](TestBmp& b) { b.bitsPerPixel = bits; });
  };
  const auto size = [](int w, int h) {
    return Changed(Plain(), [=](TestBmp& b) {
      b.width = w;
      b.height = h;
    });
  };
  const struct {
    const char* fault;
    Bytes file;
  } cases[] = {
      {"not bmp", {}},
      {"not bmp", {'B'}},
      {"not bmp", notBm},
      {"short header", Resized(plain, 53)},
      {"short header", Resized(plain, 2)},
      {"compressed", Changed(Plain(), [](TestBmp& b) { b.compression = 1; })},
      {"compressed", Changed(Plain(), [](TestBmp& b) { b.compression = 1, b.width = 100; })},
      {"size", size(321, 320)},
      {"size", size(320, 319)},
      {"size", size(320, -320)},
      {"size", size(-320, 320)},
      {"size", size(640, 160)},
      {"depth", depth(0)},
      {"depth", depth(3)},
      {"depth", depth(16)},
      {"depth", depth(32)},
      {"depth", Changed(Plain(), [](TestBmp& b) { b.bitsPerPixel = 16, b.pixelOffset = 5000; })},
      {"beyond the buffer", Changed(Plain(), [](TestBmp& b) { b.pixelOffset = 1281; })},
      {"beyond the buffer", hugeOffset},
      {"beyond the buffer", Resized(Changed(Plain(), [](TestBmp& b) { b.pixelOffset = 5000; }), 6000)},
      {"file short", Resized(plain, plain.size() - 1)},
      {"file short", Resized(FourBit(17, 17).Bytes(), FourBit(17, 17).Bytes().size() - 1)},
      {"colour count", FourBit(17, 17).Bytes()},
      {"colour count", OneBit(3).Bytes()},
      {"colour count", Changed(FourBit(17, 17), [](TestBmp& b) { b.infoSize = 12; })},
      {"table", Changed(FourBit(0, 16), [](TestBmp& b) { b.pixelOffset = 14 + 40 + 16 * 4 - 1; })},
      {"table", Changed(FourBit(0, 16), [](TestBmp& b) { b.infoSize = 12; })},
      {"beyond 214", EightBitUsing(214, 214)},
      {"beyond 214", EightBitUsing(255, 1)},
  };
  std::map<std::string, UserMessage> seen;
  for (const auto& c : cases) {
    const UserMessage message = Refusal(c.file);
    EXPECT_EQ(message.icon, MessageIcon::Information) << c.fault;
    if (std::string(c.fault) != "compressed") {
      EXPECT_EQ(message.text.rfind("Error : ", 0), 0u) << c.fault;
    }
    const auto [known, added] = seen.emplace(c.fault, message);
    if (!added) {
      EXPECT_EQ(message, known->second) << c.fault;
    }
  }
  EXPECT_EQ(seen["not bmp"].text, "Error : this file is not bmp-file");
  EXPECT_EQ(seen["compressed"].text, "This bmp-file is compressed.\nPlease change non-compress bmp-file.");
  EXPECT_EQ(seen["size"].text, "Error :  Bitmap Size Error! only support 320\u00d7320.");
  for (auto a = seen.begin(); a != seen.end(); ++a)
    for (auto b = std::next(a); b != seen.end(); ++b)
      EXPECT_NE(a->second.text, b->second.text) << a->first << b->first;
}

TEST(BmpChecks, PicturesAtTheLimitsAreAccepted) {
  Bytes trailing = Plain().Bytes();
  trailing.insert(trailing.end(), {0, 0});  // trailing bytes are harmless
  const Bytes accepted[] = {
      Changed(Plain(), [](TestBmp& b) { b.pixelOffset = 1280; }),  // 307,200 pixel bytes fill the buffer
      trailing,
      FourBit(16, 16).Bytes(),
      OneBit(2).Bytes(),
      // With biClrUsed 2 only two entries need to be there.
      Changed(FourBit(2, 16), [](TestBmp& b) { b.pixelOffset = 14 + 40 + 2 * 4; }),
      Changed(FourBit(0, 16), [](TestBmp& b) { b.infoSize = 124; }),  // newer, longer headers
      EightBitUsing(213, 214),
      EightBitUsing(213, 5),    // beyond its own table, within the 214
      EightBitUsing(255, 215),  // a picture that is reduced maps every colour number anyway
      EightBitUsing(255, 0),
  };
  for (const Bytes& file : accepted) EXPECT_TRUE(CheckBackgroundFile(file).ok()) << &file - accepted;
}

TEST(BmpChecks, The214ColourNoticeIsDueForTrueColourAndLargeEightBitPictures) {
  const auto notice = [](const Bytes& bytes) {
    const auto check = CheckBackgroundFile(bytes);
    EXPECT_TRUE(check.ok());
    return check.ok() && check->reductionNoticeDue;
  };
  EXPECT_TRUE(notice(Plain().Bytes()));
  for (std::uint32_t used : {0u, 215u, 256u}) EXPECT_TRUE(notice(EightBitUsing(0, used))) << used;
  for (std::uint32_t used : {214u, 1u}) EXPECT_FALSE(notice(EightBitUsing(0, used))) << used;
  EXPECT_FALSE(notice(FourBit(0, 16).Bytes()));
  EXPECT_EQ(ReductionNoticeMessage(),
            (UserMessage{"Over 214 color bitmap.\n Down-color conversion started(to 214colors).",
                         MessageIcon::Information}));
}

}  // namespace
}  // namespace vorlune
