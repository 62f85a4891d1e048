#include "core/png_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace vorlune {
namespace {

std::uint32_t BE32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) | (std::uint32_t{b[at + 2]} << 8) |
         b[at + 3];
}

struct Chunk {
  std::string type;
  std::vector<std::uint8_t> data;
  bool crcMatches;
};

// Splits a PNG into its chunks, checking each CRC over type and data.
std::vector<Chunk> Chunks(const std::vector<std::uint8_t>& png) {
  std::vector<Chunk> chunks;
  std::size_t at = 8;
  while (at + 12 <= png.size()) {
    const std::uint32_t length = BE32(png, at);
    if (at + 12 + length > png.size()) break;
    Chunk c;
    c.type.assign(png.begin() + static_cast<std::ptrdiff_t>(at + 4),
                  png.begin() + static_cast<std::ptrdiff_t>(at + 8));
    c.data.assign(png.begin() + static_cast<std::ptrdiff_t>(at + 8),
                  png.begin() + static_cast<std::ptrdiff_t>(at + 8 + length));
    const std::span<const std::uint8_t> covered(png.data() + at + 4, length + 4);
    c.crcMatches = Crc32(covered) == BE32(png, at + 8 + length);
    chunks.push_back(std::move(c));
    at += 12 + length;
  }
  EXPECT_EQ(at, png.size()) << "bytes after the last chunk";
  return chunks;
}

// Undoes a zlib stream made of stored blocks, checking every header on the way.
std::vector<std::uint8_t> InflateStored(const std::vector<std::uint8_t>& z) {
  std::vector<std::uint8_t> out;
  EXPECT_EQ((z[0] * 256 + z[1]) % 31, 0) << "zlib header check";
  EXPECT_EQ(z[0] & 0x0F, 8) << "deflate";
  std::size_t at = 2;
  for (bool last = false; !last;) {
    last = (z.at(at) & 1) != 0;
    EXPECT_EQ(z[at] >> 1, 0) << "stored block";
    const unsigned len = z.at(at + 1) | (z.at(at + 2) << 8);
    const unsigned nlen = z.at(at + 3) | (z.at(at + 4) << 8);
    EXPECT_EQ(len ^ 0xFFFFu, nlen);
    at += 5;
    out.insert(out.end(), z.begin() + static_cast<std::ptrdiff_t>(at),
               z.begin() + static_cast<std::ptrdiff_t>(at + len));
    at += len;
  }
  EXPECT_EQ(at + 4, z.size());
  EXPECT_EQ(BE32(z, at), Adler32(out));
  return out;
}

RgbImage Gradient(int w, int h) {
  RgbImage image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      image.set(
          x, y,
          Rgb{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), static_cast<std::uint8_t>(x ^ y)});
  return image;
}

TEST(Checksums, MatchTheKnownValues) {
  const std::string_view digits = "123456789";
  const std::span<const std::uint8_t> d(reinterpret_cast<const std::uint8_t*>(digits.data()), digits.size());
  EXPECT_EQ(Crc32(d), 0xCBF43926u);
  const std::string_view word = "Wikipedia";
  EXPECT_EQ(Adler32({reinterpret_cast<const std::uint8_t*>(word.data()), word.size()}), 0x11E60398u);
  EXPECT_EQ(Adler32({}), 1u);
  // Large enough for the sums to wrap at 65,521.
  const std::vector<std::uint8_t> ones(100000, 0xFF);
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t v : ones) a = (a + v) % 65521, b = (b + a) % 65521;
  EXPECT_EQ(Adler32(ones), (b << 16) | a);
}

TEST(PngWriter, WritesSignatureHeaderUnfilteredRowsAndEndWithGoodCrcs) {
  const RgbImage image = Gradient(7, 5);
  const std::vector<std::uint8_t> png = EncodePng(image);
  const std::vector<std::uint8_t> signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  ASSERT_GE(png.size(), 8u);
  EXPECT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));
  const auto chunks = Chunks(png);
  ASSERT_EQ(chunks.size(), 3u);
  EXPECT_EQ(chunks[0].type, "IHDR");
  EXPECT_EQ(chunks[1].type, "IDAT");
  EXPECT_EQ(chunks[2].type, "IEND");
  for (const auto& c : chunks) EXPECT_TRUE(c.crcMatches) << c.type;
  const auto& ihdr = chunks[0].data;
  ASSERT_EQ(ihdr.size(), 13u);
  EXPECT_EQ(BE32(ihdr, 0), 7u);
  EXPECT_EQ(BE32(ihdr, 4), 5u);
  EXPECT_EQ(std::vector<std::uint8_t>(ihdr.begin() + 8, ihdr.end()),
            (std::vector<std::uint8_t>{8, 2, 0, 0, 0}));
  EXPECT_TRUE(chunks[2].data.empty());

  const std::vector<std::uint8_t> raw = InflateStored(chunks[1].data);
  ASSERT_EQ(raw.size(), 5u * (1 + 7 * 3));
  for (int y = 0; y < 5; ++y) {
    EXPECT_EQ(raw[static_cast<std::size_t>(y) * 22], 0) << "filter of row " << y;
    for (int x = 0; x < 7; ++x) {
      const std::size_t at = static_cast<std::size_t>(y) * 22 + 1 + static_cast<std::size_t>(x) * 3;
      EXPECT_EQ((Rgb{raw[at], raw[at + 1], raw[at + 2]}), image.at(x, y));
    }
  }
}

TEST(PngWriter, SplitsLargePicturesIntoSeveralStoredBlocks) {
  // A skin picture: 320 rows of 961 bytes, more than one 65,535-byte block.
  const RgbImage image = Gradient(320, 320);
  const auto chunks = Chunks(EncodePng(image));
  ASSERT_EQ(chunks.size(), 3u);
  const std::vector<std::uint8_t> raw = InflateStored(chunks[1].data);
  ASSERT_EQ(raw.size(), 320u * 961);
  EXPECT_EQ(chunks[1].data.size(), 2 + 5 * 5 + raw.size() + 4);  // five blocks
  const std::size_t last = 319 * 961 + 1 + 319 * 3;
  EXPECT_EQ((Rgb{raw[last], raw[last + 1], raw[last + 2]}), image.at(319, 319));
}

}  // namespace
}  // namespace vorlune
