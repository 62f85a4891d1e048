#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/rgb_image.h"

namespace vorlune::testing {

// Pictures of every format made in the tests, with the libraries the import
// reads them with.
using Bytes = std::vector<std::uint8_t>;

struct JpegSettings {
  bool progressive = false;
  int orientation = 1;  // written as EXIF when not 1
  Bytes profile = {};   // an ICC profile, written in APP2 markers
};
Bytes JpegFile(const RgbImage& picture, const JpegSettings& settings = {});
Bytes WebpFile(const RgbImage& picture);
// A picture of at most 256 colours, at the top left of a canvas at least its size.
Bytes GifFile(const RgbImage& picture, bool interlaced, int canvasWidth = 0, int canvasHeight = 0);

struct TiffSettings {
  int bits = 8;  // 8 or 16 per sample
  int orientation = 1;
  bool deflate = false;
  std::uint32_t rowsPerStrip = 0;  // 0: one strip
};
Bytes TiffFile(int width, int height, const std::function<Rgb(int x, int y)>& pixel,
               const TiffSettings& settings = {});

// A PNG from its rows as stored (filter byte first); `chunks` are whole
// chunks put before the pixel data.
Bytes RawPng(int width, int height, int depth, int colourType, const Bytes& rows, const Bytes& chunks = {});

// An ICC profile with sRGB's primaries and linear tones: its mid-grey is sRGB's 188.
Bytes LinearProfile();

}  // namespace vorlune::testing
