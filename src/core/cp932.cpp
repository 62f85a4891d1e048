#include "core/cp932.h"

#include <array>
#include <cstdint>

namespace vorlune {

namespace {

// Our own table rather than glibc's iconv ("CP932", "WINDOWS-31J"): iconv
// reads the single bytes 0x80, 0xA0 and 0xFD..0xFF as nothing (Windows reads
// U+0080 and U+F8F0..U+F8F3), and writes ten characters Windows has no code
// for (¢ £ ¥ ¬ — ‖ ‾ − 〜) as codes that read back as other characters (¥ and
// ‾ even as '\' and '~'). Both would change the texts stored in projects and
// skins.
#include "core/cp932_table.inc"

constexpr char32_t kReplacement = 0xFFFD;
constexpr int kTrailsPerLead = 188;

bool IsLeadByte(std::uint8_t b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Position of a trail byte among 0x40..0x7E, 0x80..0xFC; -1 when it is none.
int TrailIndex(std::uint8_t b) {
  if (b >= 0x40 && b <= 0x7E) return b - 0x40;
  if (b >= 0x80 && b <= 0xFC) return b - 0x41;
  return -1;
}

std::uint8_t TrailByte(int index) {
  return static_cast<std::uint8_t>(index < 0x3F ? index + 0x40 : index + 0x41);
}

// The character of a double-byte code; 0 when the code has none.
char32_t DecodePair(std::uint8_t lead, int trail) {
  if (lead >= 0xF0 && lead <= 0xF9) {
    // The user-defined area maps in order onto the private use area.
    return static_cast<char32_t>(0xE000 + (lead - 0xF0) * kTrailsPerLead + trail);
  }
  for (std::size_t row = 0; row < std::size(kCp932StoredLeads); ++row) {
    if (kCp932StoredLeads[row] == lead) return kCp932DoubleByte[row][trail];
  }
  return 0;
}

// Which of several codes for one character Windows writes: the JIS code
// first, then the NEC row 13 code (lead 0x87), then the IBM extension
// (0xFA..0xFC); the NEC-selected copies of the IBM extensions (0xED, 0xEE)
// are only ever read.
int EncodingRank(std::uint16_t code) {
  const int lead = code >> 8;
  if (lead == 0xED || lead == 0xEE) return 3;
  if (lead >= 0xFA) return 2;
  if (lead == 0x87) return 1;
  return 0;
}

// Unicode (BMP) to CP932 code; 0 = none.
using EncodeTable = std::array<std::uint16_t, 0x10000>;

const EncodeTable& Encoder() {
  static const EncodeTable table = [] {
    EncodeTable t{};
    auto offer = [&t](char32_t u, std::uint16_t code) {
      std::uint16_t& held = t[u];
      if (held == 0 || EncodingRank(code) < EncodingRank(held) ||
          (EncodingRank(code) == EncodingRank(held) && code < held))
        held = code;
    };
    for (int b = 1; b <= 0xFF; ++b) {
      if (kCp932SingleByte[b] != 0) offer(kCp932SingleByte[b], static_cast<std::uint16_t>(b));
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
      if (!IsLeadByte(static_cast<std::uint8_t>(lead))) continue;
      for (int trail = 0; trail < kTrailsPerLead; ++trail) {
        const char32_t u = DecodePair(static_cast<std::uint8_t>(lead), trail);
        if (u != 0) offer(u, static_cast<std::uint16_t>((lead << 8) | TrailByte(trail)));
      }
    }
    return t;
  }();
  return table;
}

// Reads one UTF-8 character at `at`, advancing it; none for a malformed,
// overlong or surrogate sequence.
std::optional<char32_t> NextUtf8(std::string_view s, std::size_t& at) {
  const auto b0 = static_cast<std::uint8_t>(s[at]);
  int length = 0;
  char32_t c = 0;
  if (b0 < 0x80) {
    ++at;
    return b0;
  } else if ((b0 & 0xE0) == 0xC0) {
    length = 2;
    c = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    length = 3;
    c = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    length = 4;
    c = b0 & 0x07;
  } else {
    return std::nullopt;
  }
  if (at + length > s.size()) return std::nullopt;
  for (int i = 1; i < length; ++i) {
    const auto b = static_cast<std::uint8_t>(s[at + i]);
    if ((b & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (b & 0x3F);
  }
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
  at += length;
  return c;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t at = 0;
  while (at < utf8.size()) {
    const auto c = NextUtf8(utf8, at);
    if (!c) return std::nullopt;
    if (*c < 0x80) {
      out += static_cast<char>(*c);
      continue;
    }
    const std::uint16_t code = *c <= 0xFFFF ? Encoder()[*c] : 0;
    if (code == 0) return std::nullopt;
    if (code > 0xFF) out += static_cast<char>(code >> 8);
    out += static_cast<char>(code & 0xFF);
  }
  return out;
}

std::string Cp932ToUtf8(std::string_view cp932) {
  std::string out;
  out.reserve(cp932.size() * 3 / 2);
  for (std::size_t at = 0; at < cp932.size();) {
    const auto b = static_cast<std::uint8_t>(cp932[at]);
    if (IsLeadByte(b)) {
      const int trail = at + 1 < cp932.size() ? TrailIndex(static_cast<std::uint8_t>(cp932[at + 1])) : -1;
      if (trail < 0) {
        // A lead byte without its trail byte: only the lead byte is lost.
        AppendUtf8(out, kReplacement);
        ++at;
        continue;
      }
      const char32_t c = DecodePair(b, trail);
      AppendUtf8(out, c != 0 ? c : kReplacement);
      at += 2;
      continue;
    }
    const char32_t c = kCp932SingleByte[b];
    AppendUtf8(out, (c != 0 || b == 0) ? c : kReplacement);
    ++at;
  }
  return out;
}

std::string_view TruncateCp932(std::string_view cp932, std::size_t max_bytes) {
  std::size_t end = 0;
  while (end < cp932.size()) {
    const bool pair = IsLeadByte(static_cast<std::uint8_t>(cp932[end])) && end + 1 < cp932.size();
    const std::size_t next = end + (pair ? 2 : 1);
    if (next > max_bytes) break;
    end = next;
  }
  return cp932.substr(0, end);
}

}  // namespace vorlune
