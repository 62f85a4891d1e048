#include "core/cp932.h"

#include <gtest/gtest.h>

namespace vorlune {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (const int v : values) s += static_cast<char>(v);
  return s;
}

struct Sample {
  const char* utf8;
  std::string cp932;
};

const Sample kSamples[] = {
    {"Harmoniquest skin 01", "Harmoniquest skin 01"},
    {"ﾊﾞｰｼﾞｮﾝ", Bytes({0xCA, 0xDE, 0xB0, 0xBC, 0xDE, 0xAE, 0xDD})},
    {"データベース名",
     Bytes({0x83, 0x66, 0x81, 0x5B, 0x83, 0x5E, 0x83, 0x78, 0x81, 0x5B, 0x83, 0x58, 0x96, 0xBC})},
    // Trail bytes in the ASCII range: 0x5C is a backslash on its own.
    {"表ソ", Bytes({0x95, 0x5C, 0x83, 0x5C})},
    // NEC special characters (row 13).
    {"①㈱Ⅰ", Bytes({0x87, 0x40, 0x87, 0x8A, 0x87, 0x54})},
    {"―～", Bytes({0x81, 0x5C, 0x81, 0x60})},
    // The user-defined area.
    {"\uE000\uE757", Bytes({0xF0, 0x40, 0xF9, 0xFC})},
};

TEST(Cp932, ConvertsBothWays) {
  for (const auto& sample : kSamples) {
    EXPECT_EQ(Utf8ToCp932(sample.utf8), sample.cp932) << sample.utf8;
    EXPECT_EQ(Cp932ToUtf8(sample.cp932), sample.utf8) << sample.utf8;
  }
}

TEST(Cp932, CharactersWithSeveralCodesAreWrittenAsWindowsWritesThem) {
  // JIS before NEC row 13, NEC row 13 before the IBM extensions, and the IBM
  // extensions before their NEC-selected copies (0xED, 0xEE).
  EXPECT_EQ(Utf8ToCp932("≒￢∵"), Bytes({0x81, 0xE0, 0x81, 0xCA, 0x81, 0xE6}));
  EXPECT_EQ(Utf8ToCp932("Ⅰ"), Bytes({0x87, 0x54}));
  EXPECT_EQ(Utf8ToCp932("纊"), Bytes({0xFA, 0x5C}));
  EXPECT_EQ(Utf8ToCp932("ⅰ"), Bytes({0xFA, 0x40}));
  // Every copy still reads as its character.
  EXPECT_EQ(Cp932ToUtf8(Bytes({0x87, 0x90, 0xFA, 0x54, 0xFA, 0x4A, 0xED, 0x40, 0xEE, 0xEF})), "≒￢Ⅰ纊ⅰ");
}

TEST(Cp932, EveryDoubleByteCodeReadsBackAsTheSameCharacter) {
  int characters = 0;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (lead >= 0xA0 && lead < 0xE0) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      const std::string code = Bytes({lead, trail});
      const std::string text = Cp932ToUtf8(code);
      if (text == "\uFFFD") continue;
      ++characters;
      const auto again = Utf8ToCp932(text);
      ASSERT_TRUE(again.has_value()) << std::hex << lead << trail;
      ASSERT_EQ(again->size(), 2u);
      EXPECT_EQ(Cp932ToUtf8(*again), text) << std::hex << lead << trail;
    }
  }
  // JIS X 0208, NEC row 13, both copies of the IBM extensions and the
  // user-defined area.
  EXPECT_EQ(characters, 9604);
}

TEST(Cp932, RefusesWhatItCannotHold) {
  for (const char* text : {"€", "¥", "한국", "😀", "a\u00A0b", "—"})
    EXPECT_EQ(Utf8ToCp932(text), std::nullopt) << text;
  // Malformed UTF-8: a cut sequence, an overlong slash, a surrogate.
  for (const std::string& text :
       {Bytes({'a', 0xC3}), Bytes({0xC0, 0xAF}), Bytes({0xED, 0xA0, 0x80}), Bytes({0xFF})})
    EXPECT_EQ(Utf8ToCp932(text), std::nullopt);
}

TEST(Cp932, BytesThatFormNoCharacterReadAsReplacement) {
  EXPECT_EQ(Cp932ToUtf8(Bytes({'A', 0x81})), "A\uFFFD");                  // lead byte at the end
  EXPECT_EQ(Cp932ToUtf8(Bytes({0x81, 0x20, 'B'})), "\uFFFD B");           // no trail byte after it
  EXPECT_EQ(Cp932ToUtf8(Bytes({0x85, 0x40, 'C'})), "\uFFFDC");            // an unassigned code
  EXPECT_EQ(Cp932ToUtf8(Bytes({0x00, 0x7F})), std::string("\0\x7F", 2));  // control bytes pass
}

TEST(Cp932, TruncationNeverSplitsADoubleByteCharacter) {
  const std::string fifteenKana = *Utf8ToCp932("あいうえおかきくけこさしすせそ");
  ASSERT_EQ(fifteenKana.size(), 30u);
  EXPECT_EQ(TruncateCp932(fifteenKana, 30), fifteenKana);

  const std::string shifted = "A" + fifteenKana;  // the 16th character would end at byte 31
  EXPECT_EQ(TruncateCp932(shifted, 30), shifted.substr(0, 29));
  EXPECT_EQ(Cp932ToUtf8(TruncateCp932(shifted, 30)), "Aあいうえおかきくけこさしすせ");

  const std::string halfWidth = *Utf8ToCp932("ﾊﾞｰｼﾞｮﾝ");  // single bytes, cut anywhere
  EXPECT_EQ(TruncateCp932(halfWidth, 3), halfWidth.substr(0, 3));

  const std::string backslashTrail = *Utf8ToCp932("A表ソ");
  EXPECT_EQ(TruncateCp932(backslashTrail, 2), "A");
  EXPECT_EQ(TruncateCp932(backslashTrail, 4), backslashTrail.substr(0, 3));
  EXPECT_EQ(TruncateCp932(backslashTrail, 0), "");
  EXPECT_EQ(TruncateCp932("short", 30), "short");
}

}  // namespace
}  // namespace vorlune
