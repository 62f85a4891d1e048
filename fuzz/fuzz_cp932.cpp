// Fuzzes the text conversion to and from the Japanese code page.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/cp932.h"
#include "fuzz_check.h"

namespace {

bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80         ? 1
                               : (lead >> 5) == 6  ? 2
                               : (lead >> 4) == 14 ? 3
                               : (lead >> 3) == 30 ? 4
                                                   : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorlune;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  // Any bytes decode to valid UTF-8.
  const std::string decoded = Cp932ToUtf8(bytes);
  FUZZ_CHECK(IsValidUtf8(decoded));

  // Every character that was read has a code to be written with, and writing
  // it reads back the same (the bytes may differ where one character has
  // several codes).
  if (decoded.find("\xEF\xBF\xBD") == std::string::npos) {
    const auto reencoded = Utf8ToCp932(decoded);
    FUZZ_CHECK(reencoded.has_value());
    FUZZ_CHECK(Cp932ToUtf8(*reencoded) == decoded);
  }

  // Truncation keeps a prefix within the limit that never ends inside a
  // double-byte character.
  for (std::size_t limit : {std::size_t{0}, std::size_t{1}, std::size_t{6}, std::size_t{30}, size}) {
    const std::string_view cut = TruncateCp932(bytes, limit);
    FUZZ_CHECK(cut.size() <= limit && cut.size() <= size);
    FUZZ_CHECK(cut.size() + 1 >= std::min(limit, size));  // at most a lead byte is left out
    FUZZ_CHECK(bytes.substr(0, cut.size()) == cut);
    FUZZ_CHECK(TruncateCp932(cut, limit) == cut);
    // A cut between characters reads as the start of the whole text.
    FUZZ_CHECK(decoded.starts_with(Cp932ToUtf8(cut)));
  }

  // Whatever is encoded decodes back to the same text.
  if (const auto encoded = Utf8ToCp932(bytes)) {
    FUZZ_CHECK(IsValidUtf8(bytes));
    FUZZ_CHECK(Cp932ToUtf8(*encoded) == bytes);
  }
  return 0;
}
