#include "player/utf8_code_points.h"

#include <cstdint>

namespace vorlune {

CodePoints DecodeUtf8(std::string_view text) {
  constexpr char32_t kReplacement = 0xFFFD;
  CodePoints out;
  out.chars.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<std::uint8_t>(text[i]);
    int length = 0;
    char32_t c = 0;
    char32_t least = 0;  // the smallest character of this length: shorter forms are overlong
    if (lead < 0x80) {
      length = 1;
      c = lead;
    } else if (lead >= 0xC2 && lead < 0xE0) {
      length = 2;
      c = lead & 0x1Fu;
      least = 0x80;
    } else if (lead >= 0xE0 && lead < 0xF0) {
      length = 3;
      c = lead & 0x0Fu;
      least = 0x800;
    } else if (lead >= 0xF0 && lead < 0xF5) {
      length = 4;
      c = lead & 0x07u;
      least = 0x10000;
    }
    bool ok = length > 0 && i + static_cast<std::size_t>(length) <= text.size();
    for (int k = 1; ok && k < length; ++k) {
      const auto next = static_cast<std::uint8_t>(text[i + static_cast<std::size_t>(k)]);
      ok = (next & 0xC0u) == 0x80u;
      c = (c << 6) | (next & 0x3Fu);
    }
    ok = ok && c >= least && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
    if (!ok) {
      out.chars.push_back(kReplacement);
      out.valid = false;
      ++i;  // resynchronise on the next byte
      continue;
    }
    out.chars.push_back(c);
    i += static_cast<std::size_t>(length);
  }
  return out;
}

}  // namespace vorlune
