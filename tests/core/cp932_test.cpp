#include "core/cp932.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "support/golden.h"

namespace vorlune {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (const int v : values) s += static_cast<char>(v);
  return s;
}

// A line of the table: the code in hexadecimal and what it reads as, control
// characters by their number.
std::string TableLine(const std::string& code, const std::string& text) {
  char line[16];
  int at = 0;
  for (const char byte : code) at += std::snprintf(line + at, 3, "%02X", static_cast<unsigned char>(byte));
  const auto first = static_cast<unsigned char>(text[0]);
  const bool c0 = text.size() == 1 && (first < 0x20 || first == 0x7F);
  const bool c1 = text.size() == 2 && first == 0xC2 && static_cast<unsigned char>(text[1]) < 0xA0;
  if (c0 || c1) {
    std::snprintf(line + at, sizeof line - at, " U+%04X", c0 ? first : static_cast<unsigned char>(text[1]));
    return std::string(line) + "\n";
  }
  return std::string(line) + " " + text + "\n";
}

// Every single- and double-byte code read as UTF-8 (a text golden, a code a
// line), and every character read written back (against its golden
// SHA-256). Characters with
// several codes are written as Windows writes them (JIS before NEC row 13 before
// the IBM extensions before their NEC-selected copies).
TEST(Cp932, WholeTableBothWays) {
  std::string read, written;
  for (int lead = 0; lead <= 0xFF; ++lead) {
    const bool doubleByte = (lead >= 0x81 && lead < 0xA0) || lead >= 0xE0;
    for (int trail = doubleByte ? 0x40 : 0; trail <= (doubleByte ? 0xFC : 0); ++trail) {
      const std::string code = doubleByte ? Bytes({lead, trail}) : Bytes({lead});
      const std::string text = Cp932ToUtf8(code);
      read += TableLine(code, text);
      if (text.find("\uFFFD") != std::string::npos) continue;
      const auto again = Utf8ToCp932(text);
      ASSERT_TRUE(again.has_value()) << std::hex << lead << trail;
      EXPECT_EQ(Cp932ToUtf8(*again), text) << std::hex << lead << trail;
      written += *again;
    }
  }
  EXPECT_TEXT_GOLDEN("cp932-read", read);
  EXPECT_GOLDEN("written", testing::AsBytes(written));
  EXPECT_EQ(Utf8ToCp932("表ソ"), Bytes({0x95, 0x5C, 0x83, 0x5C}));  // a trail byte 0x5C is no backslash
}

TEST(Cp932, RefusesWhatItCannotHold) {
  // Among them the characters glibc's iconv writes as codes of others.
  for (const char* text : {"€", "¥", "한국", "😀", "a\u00A0b", "—", "¢", "£", "¬", "‖", "‾", "−", "〜"})
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
  EXPECT_EQ(Cp932ToUtf8(Bytes({0x80, 0xA0, 0xFD, 0xFF})),
            "\u0080\uF8F0\uF8F1\uF8F3");  // as Windows reads them
}

// Prefixes within the limit that split no character are the fuzzing harness's invariants.
TEST(Cp932, TruncationNeverSplitsADoubleByteCharacter) {
  const std::string shifted =
      *Utf8ToCp932("Aあいうえおかきくけこさしすせそ");  // the 16th character ends at byte 31
  EXPECT_EQ(Cp932ToUtf8(TruncateCp932(shifted, 30)), "Aあいうえおかきくけこさしすせ");
  EXPECT_EQ(TruncateCp932(*Utf8ToCp932("ﾊﾞｰｼﾞｮﾝ"), 3), *Utf8ToCp932("ﾊﾞｰ"));  // single bytes, cut anywhere
  const std::string backslashTrail = *Utf8ToCp932("A表ソ");
  EXPECT_EQ(TruncateCp932(backslashTrail, 2), "A");
  EXPECT_EQ(TruncateCp932(backslashTrail, 4), backslashTrail.substr(0, 3));
}

}  // namespace
}  // namespace vorlune
