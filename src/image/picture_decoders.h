#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/result.h"
#include "image/picture_decoding.h"

namespace vorlune {

// Where a decoder delivers a picture: first what its header says, then its
// pixels as straight (not premultiplied) RGBA, as stored (before the
// orientation is applied). No full-size copy of the picture needs to exist
// on the way: the pixels come row by row, or pass by pass when interlaced.
// How the pixels of a picture will come.
struct RowsComing {
  int width = 0;
  int height = 0;
  bool anyOrder = false;    // interlaced: rows come pass by pass
  bool scaled = false;      // the decoder already reduced them towards the short side wanted
  bool blockMeans = false;  // each pixel is the mean of an 8 x 8 block (JPEG at 1/8)
};

class PixelSink {
 public:
  virtual ~PixelSink() = default;

  // Pictures with more pixels are refused as too large from their header.
  virtual std::uint64_t MaxPixels() const { return kMaxPicturePixels; }
  // The least short side the rows must keep, or 0 for the stored size. A
  // decoder that can decode at reduced size (JPEG, WebP) stays at or above it,
  // or, with block means, at or above half of it.
  virtual int ShortSideWanted() const { return 0; }
  // What the header says; false ends the decoding there, with success.
  virtual bool Header(const PictureFacts& facts, std::span<const std::uint8_t> iccProfile) = 0;
  // How the pixels come; false when they cannot be held.
  virtual bool Begin(const RowsComing& rows) = 0;
  // `count` pixels of row y, at x0, x0 + step, x0 + 2 step, ...
  virtual void Pixels(int y, int x0, int step, int count, const std::uint8_t* rgba) = 0;
  // The decoder has read the file up to `offset`.
  virtual void Consumed(std::size_t offset) { (void)offset; }
};

// The refusal for a header's size: nothing ("damaged") or over the limits
// ("too large"); none when the size is acceptable.
std::optional<UserMessage> SizeRefusal(const std::string& format, std::uint64_t width, std::uint64_t height,
                                       std::uint64_t maxPixels);

// The decoders, one per format. Each checks the size in the header before
// allocating anything for the pixels, refuses data its library only warns
// about, and turns a failed allocation into the "too large" refusal.
Status DecodePng(std::span<const std::uint8_t> file, PixelSink& sink);
Status DecodeJpeg(std::span<const std::uint8_t> file, PixelSink& sink);
Status DecodeWebp(std::span<const std::uint8_t> file, PixelSink& sink);
Status DecodeGif(std::span<const std::uint8_t> file, PixelSink& sink);
Status DecodeTiff(std::span<const std::uint8_t> file, PixelSink& sink);
Status DecodeAnyBmp(std::span<const std::uint8_t> file, PixelSink& sink);

// Chooses the decoder by the file's first bytes.
Status DecodeByFormat(std::span<const std::uint8_t> file, PixelSink& sink);

}  // namespace vorlune
