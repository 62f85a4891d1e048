#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "image/picture_decoders.h"
#include "image/srgb_transform.h"

namespace vorlune {

// The factor by which blocks of pixels are averaged so that the short side
// of a width x height picture keeps at least `shortSide` (0: 1, the full
// size) and at most twice that. Pixels that come in any order (interlaced)
// are summed for the whole picture at once, which a larger factor keeps small.
int BlockFactor(int width, int height, int shortSide, bool anyOrder);

// Builds the decoded picture from a decoder's pixels: averages blocks while
// they arrive (only the rows of unfinished blocks are summed), converts them
// to sRGB with the embedded profile, lays them over the matte and finally
// turns the picture upright.
class PictureBuilder final : public PixelSink {
 public:
  PictureBuilder(Rgb matte, int shortSide, std::uint64_t maxPixels,
                 std::function<void(std::size_t)> consumed = {});

  std::uint64_t MaxPixels() const override { return maxPixels_; }
  int ShortSideWanted() const override { return shortSide_; }
  bool Header(const PictureFacts& facts, std::span<const std::uint8_t> iccProfile) override;
  bool Begin(int width, int height, bool anyOrder) override;
  void Pixels(int y, int x0, int step, int count, const std::uint8_t* rgba) override;
  void Consumed(std::size_t offset) override;

  // The picture once the decoder returned `decoded`.
  Result<DecodedPicture> Finish(const Status& decoded);

 private:
  void FinishBand(int band);
  // Converts `count` straight RGBA pixels of the row buffer and lays them over the matte.
  void Composite(int count, std::uint8_t* to, int step);

  Rgb matte_;
  int shortSide_;
  std::uint64_t maxPixels_;
  std::function<void(std::size_t)> consumed_;
  PictureFacts facts_;
  std::unique_ptr<SrgbTransform> transform_;
  int width_ = 0, height_ = 0, factor_ = 1;
  RgbImage out_;
  std::vector<std::vector<std::uint32_t>> bandSums_;  // per output row: premultiplied r, g, b and alpha
  std::vector<std::uint64_t> bandArrived_;            // pixels summed per output row
  std::vector<bool> bandDone_;
  std::vector<std::uint8_t> row_;
  bool failed_ = false;
};

}  // namespace vorlune
