#include <gtest/gtest.h>

#include "image/background_import.h"
#include "image/bmp_builder_support.h"

namespace vorlune {
namespace {

using testing::EightBit;
using testing::PackIndexes;
using testing::TestBmp;
using testing::UniformTrueColor;

const UserMessage kNotBmp{"Error : this file is not bmp-file", MessageIcon::Information};
const UserMessage kCompressed{"This bmp-file is compressed.\nPlease change non-compress bmp-file.",
                              MessageIcon::Information};
const UserMessage kWrongSize{"Error :  Bitmap Size Error! only support 320\u00d7320.",
                             MessageIcon::Information};

UserMessage Refusal(const std::vector<std::uint8_t>& file) {
  const auto check = CheckBackgroundFile(file);
  EXPECT_FALSE(check.ok());
  const auto imported = ImportBackground(file);
  EXPECT_FALSE(imported.ok());
  if (check.ok() || imported.ok()) return {};
  EXPECT_EQ(check.error(), imported.error());
  return check.error();
}

TestBmp FourBit(std::uint32_t colorsUsed, int tableEntries) {
  TestBmp bmp;
  bmp.bitsPerPixel = 4;
  bmp.colorsUsed = colorsUsed;
  bmp.table = testing::DistinctColours(tableEntries);
  bmp.pixels = PackIndexes(4, [](int x, int) { return static_cast<std::uint8_t>(x % 2); });
  return bmp;
}

TEST(BmpChecks, ReadFailuresNameTheFileProblem) {
  EXPECT_EQ(BmpReadFailureMessage(ReadFailure::NotFound),
            (UserMessage{"Error : Cannot find bmp-file", MessageIcon::Exclamation}));
  EXPECT_EQ(BmpReadFailureMessage(ReadFailure::CannotOpen),
            (UserMessage{"Error : Cannot open bmp-file", MessageIcon::Information}));
}

TEST(BmpChecks, FilesNotStartingWithBmAreNotBmp) {
  EXPECT_EQ(Refusal({}), kNotBmp);
  EXPECT_EQ(Refusal({'B'}), kNotBmp);
  auto bytes = UniformTrueColor({1, 2, 3}).Bytes();
  bytes[1] = 'A';
  EXPECT_EQ(Refusal(bytes), kNotBmp);
}

TEST(BmpChecks, ShortHeaderIsRefusedRightAfterTheSignature) {
  auto bytes = UniformTrueColor({1, 2, 3}).Bytes();
  bytes.resize(53);
  const UserMessage message = Refusal(bytes);
  EXPECT_EQ(message.text.rfind("Error : ", 0), 0u);
  EXPECT_NE(message, kNotBmp);
  bytes.resize(2);
  EXPECT_EQ(Refusal(bytes), message);
}

TEST(BmpChecks, CompressionIsLookedAtBeforeTheSize) {
  TestBmp bmp = UniformTrueColor({1, 2, 3});
  bmp.compression = 1;
  EXPECT_EQ(Refusal(bmp.Bytes()), kCompressed);
  bmp.width = 100;
  EXPECT_EQ(Refusal(bmp.Bytes()), kCompressed);
}

TEST(BmpChecks, OnlyBottomUp320By320Pictures) {
  for (auto [w, h] : {std::pair{321, 320}, {320, 319}, {320, -320}, {-320, 320}, {640, 160}}) {
    TestBmp bmp = UniformTrueColor({1, 2, 3});
    bmp.width = w;
    bmp.height = h;
    EXPECT_EQ(Refusal(bmp.Bytes()), kWrongSize) << w << " x " << h;
  }
}

TEST(BmpChecks, DepthsOtherThanTheFiveAreRefused) {
  std::vector<std::string> texts;
  for (std::uint16_t bits : {0, 3, 16, 32}) {
    TestBmp bmp = UniformTrueColor({1, 2, 3});
    bmp.bitsPerPixel = bits;
    const UserMessage message = Refusal(bmp.Bytes());
    EXPECT_EQ(message.text.rfind("Error : ", 0), 0u);
    EXPECT_EQ(message.icon, MessageIcon::Information);
    texts.push_back(message.text);
  }
  for (const auto& text : texts) EXPECT_EQ(text, texts.front());
}

TEST(BmpChecks, PixelsMustFitThePictureBuffer) {
  // 24 bits: 307,200 pixel bytes leave room for an offset of at most 1,280.
  TestBmp bmp = UniformTrueColor({1, 2, 3});
  bmp.pixelOffset = 1280;
  EXPECT_TRUE(CheckBackgroundFile(bmp.Bytes()).ok());
  bmp.pixelOffset = 1281;
  const UserMessage tooFar = Refusal(bmp.Bytes());
  EXPECT_EQ(tooFar.text.rfind("Error : ", 0), 0u);
  bmp.pixelOffset = 0xFFFFFFF0u;  // must not wrap round
  TestBmp huge = UniformTrueColor({1, 2, 3});
  auto bytes = huge.Bytes();
  bytes[10] = 0xF0;
  bytes[11] = bytes[12] = bytes[13] = 0xFF;
  EXPECT_EQ(Refusal(bytes), tooFar);
}

TEST(BmpChecks, FileShorterThanItsPixelsIsRefused) {
  auto bytes = UniformTrueColor({1, 2, 3}).Bytes();
  bytes.pop_back();
  const UserMessage shortFile = Refusal(bytes);
  EXPECT_EQ(shortFile.text.rfind("Error : ", 0), 0u);
  bytes.push_back(0);
  bytes.push_back(0);  // trailing bytes are harmless
  EXPECT_TRUE(CheckBackgroundFile(bytes).ok());
}

TEST(BmpChecks, ColourCountMustFitTheDepth) {
  EXPECT_TRUE(CheckBackgroundFile(FourBit(16, 16).Bytes()).ok());
  const UserMessage tooMany = Refusal(FourBit(17, 17).Bytes());
  EXPECT_EQ(tooMany.text.rfind("Error : ", 0), 0u);

  TestBmp oneBit;
  oneBit.bitsPerPixel = 1;
  oneBit.colorsUsed = 3;
  oneBit.table = testing::DistinctColours(3);
  oneBit.pixels = PackIndexes(1, [](int, int) { return 0; });
  EXPECT_EQ(Refusal(oneBit.Bytes()), tooMany);
  oneBit.colorsUsed = 2;
  EXPECT_TRUE(CheckBackgroundFile(oneBit.Bytes()).ok());
}

TEST(BmpChecks, ColourTableMustEndBeforeThePixels) {
  TestBmp bmp = FourBit(0, 16);
  bmp.pixelOffset = 14 + 40 + 16 * 4 - 1;
  const UserMessage broken = Refusal(bmp.Bytes());
  EXPECT_EQ(broken.text.rfind("Error : ", 0), 0u);

  // With biClrUsed 2 only two entries need to be there.
  bmp.colorsUsed = 2;
  bmp.pixelOffset = 14 + 40 + 2 * 4;
  EXPECT_TRUE(CheckBackgroundFile(bmp.Bytes()).ok());

  TestBmp small = FourBit(0, 16);
  small.infoSize = 12;
  EXPECT_EQ(Refusal(small.Bytes()), broken);

  // The newer, longer information headers are fine.
  TestBmp v5 = FourBit(0, 16);
  v5.infoSize = 124;
  EXPECT_TRUE(CheckBackgroundFile(v5.Bytes()).ok());
}

TEST(BmpChecks, TheLaterChecksComeInTheirOrder) {
  // Depth before the buffer limit, the limit before the file length.
  TestBmp bmp = UniformTrueColor({1, 2, 3});
  bmp.bitsPerPixel = 16;
  bmp.pixelOffset = 5000;
  TestBmp depthOnly = UniformTrueColor({1, 2, 3});
  depthOnly.bitsPerPixel = 16;
  EXPECT_EQ(Refusal(bmp.Bytes()), Refusal(depthOnly.Bytes()));

  TestBmp far = UniformTrueColor({1, 2, 3});
  far.pixelOffset = 5000;
  auto farBytes = far.Bytes();
  farBytes.resize(6000);
  TestBmp farOnly = UniformTrueColor({1, 2, 3});
  farOnly.pixelOffset = 5000;
  EXPECT_EQ(Refusal(farBytes), Refusal(farOnly.Bytes()));

  // The length before the colour count, the count before the table.
  auto shortAndTooMany = FourBit(17, 17).Bytes();
  shortAndTooMany.pop_back();
  auto shortOnly = FourBit(16, 16).Bytes();
  shortOnly.pop_back();
  EXPECT_EQ(Refusal(shortAndTooMany), Refusal(shortOnly));
  TestBmp tooManyAndSmallHeader = FourBit(17, 17);
  tooManyAndSmallHeader.infoSize = 12;
  EXPECT_EQ(Refusal(tooManyAndSmallHeader.Bytes()), Refusal(FourBit(17, 17).Bytes()));
}

TEST(BmpChecks, KeptEightBitPictureMustStayWithin214Colours) {
  const auto uses = [](std::uint8_t highest, std::uint32_t colorsUsed) {
    return EightBit(testing::DistinctColours(256), colorsUsed,
                    [=](int x, int row) { return x == 5 && row == 7 ? highest : std::uint8_t{0}; })
        .Bytes();
  };
  EXPECT_TRUE(CheckBackgroundFile(uses(213, 214)).ok());
  EXPECT_TRUE(CheckBackgroundFile(uses(213, 5)).ok());  // beyond its own table, within the 214
  const UserMessage beyond = Refusal(uses(214, 214));
  EXPECT_EQ(beyond.text.rfind("Error : ", 0), 0u);
  EXPECT_EQ(Refusal(uses(255, 1)), beyond);
  // A picture that is reduced maps every colour number anyway.
  EXPECT_TRUE(CheckBackgroundFile(uses(255, 215)).ok());
  EXPECT_TRUE(CheckBackgroundFile(uses(255, 0)).ok());
}

TEST(BmpChecks, RefusalsHaveDistinctTextsAndTheInformationIcon) {
  auto shortHeader = UniformTrueColor({1, 2, 3}).Bytes();
  shortHeader.resize(40);
  TestBmp depth = UniformTrueColor({1, 2, 3});
  depth.bitsPerPixel = 32;
  TestBmp far = UniformTrueColor({1, 2, 3});
  far.pixelOffset = 2000;
  auto shortPixels = UniformTrueColor({1, 2, 3}).Bytes();
  shortPixels.pop_back();
  TestBmp table = FourBit(0, 16);
  table.infoSize = 12;
  const auto beyond =
      EightBit(testing::DistinctColours(10), 10, [](int, int) { return std::uint8_t{220}; }).Bytes();

  std::vector<UserMessage> messages{
      Refusal(shortHeader), Refusal(depth.Bytes()),           Refusal(far.Bytes()),
      Refusal(shortPixels), Refusal(FourBit(17, 17).Bytes()), Refusal(table.Bytes()),
      Refusal(beyond)};
  for (std::size_t i = 0; i < messages.size(); ++i) {
    EXPECT_EQ(messages[i].icon, MessageIcon::Information);
    EXPECT_EQ(messages[i].text.rfind("Error : ", 0), 0u) << messages[i].text;
    for (std::size_t j = 0; j < i; ++j) EXPECT_NE(messages[i].text, messages[j].text);
  }
}

TEST(BmpChecks, The214ColourNoticeIsDueForTrueColourAndLargeEightBitPictures) {
  const auto notice = [](const std::vector<std::uint8_t>& bytes) {
    const auto check = CheckBackgroundFile(bytes);
    EXPECT_TRUE(check.ok());
    return check.ok() && check->reductionNoticeDue;
  };
  EXPECT_TRUE(notice(UniformTrueColor({1, 2, 3}).Bytes()));
  const auto eight = [](std::uint32_t used) {
    return EightBit(testing::DistinctColours(256), used, [](int, int) { return std::uint8_t{0}; }).Bytes();
  };
  EXPECT_TRUE(notice(eight(0)));
  EXPECT_TRUE(notice(eight(215)));
  EXPECT_TRUE(notice(eight(256)));
  EXPECT_FALSE(notice(eight(214)));
  EXPECT_FALSE(notice(eight(1)));
  EXPECT_FALSE(notice(FourBit(0, 16).Bytes()));
  EXPECT_EQ(ReductionNoticeMessage(),
            (UserMessage{"Over 214 color bitmap.\n Down-color conversion started(to 214colors).",
                         MessageIcon::Information}));
}

}  // namespace
}  // namespace vorlune
