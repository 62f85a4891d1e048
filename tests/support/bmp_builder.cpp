#include "support/bmp_builder.h"

#include "core/byte_order.h"

namespace vorlune::testing {

std::vector<std::uint8_t> TestBmp::Bytes() const {
  const std::uint32_t tableEnd = 14 + infoSize + 4 * static_cast<std::uint32_t>(table.size());
  const std::uint32_t offset = pixelOffset.value_or(tableEnd);
  std::vector<std::uint8_t> out(std::max<std::size_t>(std::max(tableEnd, offset), 54), fill);
  std::fill(out.begin(), out.begin() + std::min<std::size_t>(out.size(), tableEnd), 0);
  // The table first: with an information header shorter than 40 bytes the
  // fields below still win, as the import reads them at fixed offsets.
  for (std::size_t i = 0; i < table.size(); ++i) {
    std::uint8_t* entry = &out[14 + infoSize + 4 * i];
    entry[0] = table[i].b;
    entry[1] = table[i].g;
    entry[2] = table[i].r;
  }
  out[0] = 'B';
  out[1] = 'M';
  WriteLE32(&out[2], static_cast<std::uint32_t>(offset + pixels.size()));
  WriteLE32(&out[10], offset);
  WriteLE32(&out[14], infoSize);
  WriteLE32(&out[18], static_cast<std::uint32_t>(width));
  WriteLE32(&out[22], static_cast<std::uint32_t>(height));
  WriteLE16(&out[26], 1);
  WriteLE16(&out[28], bitsPerPixel);
  WriteLE32(&out[30], compression);
  WriteLE32(&out[46], colorsUsed);
  out.resize(offset);
  out.insert(out.end(), pixels.begin(), pixels.end());
  return out;
}

TestBmp Indexed(unsigned bits, std::vector<Rgb> table, std::uint32_t colorsUsed,
                const std::function<std::uint8_t(int x, int row)>& index) {
  TestBmp bmp;
  bmp.bitsPerPixel = static_cast<std::uint16_t>(bits);
  bmp.table = std::move(table);
  bmp.colorsUsed = colorsUsed;
  bmp.pixels.assign(320 * 320 * bits / 8, 0);
  std::size_t bit = 0;
  for (int row = 0; row < 320; ++row) {
    for (int x = 0; x < 320; ++x, bit += bits) {
      const unsigned shift = 8 - bits - bit % 8;
      bmp.pixels[bit / 8] = static_cast<std::uint8_t>(bmp.pixels[bit / 8] | (index(x, row) << shift));
    }
  }
  return bmp;
}

TestBmp TrueColor(const std::function<Rgb(int x, int row)>& colour) {
  TestBmp bmp;
  for (int row = 0; row < 320; ++row) {
    for (int x = 0; x < 320; ++x) {
      const Rgb c = colour(x, row);
      bmp.pixels.insert(bmp.pixels.end(), {c.b, c.g, c.r});
    }
  }
  return bmp;
}

std::vector<Rgb> DistinctColours(int count) {
  std::vector<Rgb> table;
  for (int i = 0; i < count; ++i) {
    table.push_back(Rgb{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                        static_cast<std::uint8_t>(i / 2)});
  }
  return table;
}

}  // namespace vorlune::testing
