#include <bit>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/byte_order.h"
#include "image/picture_decoders.h"

namespace vorlune {

namespace {

// Scales a field of `mask` in `word` to 0..255; a missing field gives `absent`.
std::uint8_t Field(std::uint32_t word, std::uint32_t mask, std::uint8_t absent) {
  if (mask == 0) return absent;
  const int shift = std::countr_zero(mask);
  const std::uint32_t max = mask >> shift;
  return static_cast<std::uint8_t>(((word & mask) >> shift) * 255u / max);
}

}  // namespace

// Uncompressed and bit-field BMPs of any size and depth; the run-length
// compressions are refused. Rows go to the sink in the file's order.
Status DecodeAnyBmp(std::span<const std::uint8_t> file, PixelSink& sink) {
  if (file.size() < 54) return DamagedPictureMessage("BMP");
  const std::uint32_t offset = ReadLE32(file, 10);
  const std::uint32_t infoSize = ReadLE32(file, 14);
  const auto width = static_cast<std::int32_t>(ReadLE32(file, 18));
  const auto rawHeight = static_cast<std::int32_t>(ReadLE32(file, 22));
  const unsigned bits = ReadLE16(file, 28);
  const std::uint32_t compression = ReadLE32(file, 30);
  const std::uint32_t colorsUsed = ReadLE32(file, 46);
  if (infoSize < 40 || width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN)
    return DamagedPictureMessage("BMP");
  const bool topDown = rawHeight < 0;
  const std::uint32_t height = static_cast<std::uint32_t>(std::abs(rawHeight));
  if (auto refusal = SizeRefusal("BMP", std::uint32_t(width), height, sink.MaxPixels())) return *refusal;
  if (compression != 0 && compression != 3) {
    return UserMessage{"This bmp-file is compressed.\nPlease change non-compress bmp-file.",
                       MessageIcon::Information, MessageCode::BmpCompressed};
  }
  const bool indexed = bits == 1 || bits == 2 || bits == 4 || bits == 8;
  if (!indexed && bits != 16 && bits != 24 && bits != 32) return DamagedPictureMessage("BMP");

  PictureFacts facts;
  facts.format = "BMP";
  facts.width = width;
  facts.height = static_cast<int>(height);

  std::uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
  if (bits == 16) {
    masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
  } else if (bits == 32) {
    masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
  }
  if (compression == 3) {
    if (bits != 16 && bits != 32) return DamagedPictureMessage("BMP");
    // The masks follow a 40-byte header, or sit inside a longer one.
    for (int i = 0; i < (infoSize >= 56 ? 4 : 3); ++i) {
      if (file.size() < 58 + 4u * i) return DamagedPictureMessage("BMP");
      masks[i] = ReadLE32(file, 54 + 4 * i);
    }
  }
  facts.hasAlpha = masks[3] != 0;

  const std::size_t stride = ((std::size_t(width) * bits + 31) / 32) * 4;
  if (offset > file.size() || (file.size() - offset) / stride < height) return DamagedPictureMessage("BMP");
  const std::size_t tableAt = 14 + std::size_t{infoSize};
  const std::size_t entries =
      indexed ? (colorsUsed == 0 || colorsUsed > (1u << bits) ? (1u << bits) : colorsUsed) : 0;
  if (indexed && tableAt + 4 * entries > offset) return DamagedPictureMessage("BMP");
  if (!sink.Header(facts, {})) return Done{};

  // The colour table, as RGBA, before the pixels are read (and let go of).
  std::uint8_t table[256][4] = {};
  for (std::size_t i = 0; i < entries; ++i) {
    table[i][0] = file[tableAt + 4 * i + 2];
    table[i][1] = file[tableAt + 4 * i + 1];
    table[i][2] = file[tableAt + 4 * i];
    table[i][3] = 255;
  }
  if (!sink.Begin({width, static_cast<int>(height)})) return PictureTooLargeMessage();
  std::vector<std::uint8_t> rgba(std::size_t(width) * 4);
  for (std::uint32_t row = 0; row < height; ++row) {
    const std::uint8_t* line = file.data() + offset + std::size_t(row) * stride;
    std::uint8_t* to = rgba.data();
    for (std::int32_t x = 0; x < width; ++x, to += 4) {
      if (indexed) {
        const std::size_t bit = std::size_t(x) * bits;
        const unsigned index = (line[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
        static constexpr std::uint8_t kBeyondTable[4] = {0, 0, 0, 255};
        std::memcpy(to, index < entries ? table[index] : kBeyondTable, 4);
      } else if (bits == 24) {
        to[0] = line[x * 3 + 2];
        to[1] = line[x * 3 + 1];
        to[2] = line[x * 3];
        to[3] = 255;
      } else {
        const std::uint32_t word = bits == 16 ? std::uint32_t{ReadLE16({line + x * 2, 2}, 0)}
                                              : ReadLE32({line + std::size_t(x) * 4, 4}, 0);
        to[0] = Field(word, masks[0], 0);
        to[1] = Field(word, masks[1], 0);
        to[2] = Field(word, masks[2], 0);
        to[3] = Field(word, masks[3], 255);
      }
    }
    sink.Pixels(static_cast<int>(topDown ? row : height - 1 - row), 0, 1, width, rgba.data());
    if (row % 256 == 255) sink.Consumed(offset + std::size_t(row) * stride);
  }
  return Done{};
}

}  // namespace vorlune
