#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "image/picture_decoders.h"
#include "image/srgb_transform.h"

namespace vorlune {

// The size the pixels of `rows` are averaged into so that the short side is
// `shortSide` (0: the full size). A picture already that small keeps its
// size, and so does one the decoder reduced itself, unless it is large.
// Pixels that come in any order (interlaced) are summed for the whole picture
// at once, which a smaller size keeps small.
struct AveragedSize {
  int width = 0;
  int height = 0;
};
AveragedSize AveragingSize(const RowsComing& rows, int shortSide);

// Builds the decoded picture from a decoder's pixels: averages them by area
// while they arrive (only the output rows not yet complete are summed),
// converts them to sRGB with the embedded profile, lays them over the matte
// and puts each where it is shown once the picture is upright.
class PictureBuilder final : public PixelSink {
 public:
  // `shortSide`: the short side of the picture built, 0 for the full size.
  PictureBuilder(Rgb matte, int shortSide, std::uint64_t maxPixels,
                 std::function<void(std::size_t)> consumed = {});

  std::uint64_t MaxPixels() const override { return maxPixels_; }
  int ShortSideWanted() const override { return shortSide_; }
  bool Header(const PictureFacts& facts, std::span<const std::uint8_t> iccProfile) override;
  bool Begin(const RowsComing& rows) override;
  void Pixels(int y, int x0, int step, int count, const std::uint8_t* rgba) override;
  void Consumed(std::size_t offset) override;

  // The picture once the decoder returned `decoded`.
  Result<DecodedPicture> Finish(const Status& decoded);

 private:
  // Where a source row or column falls: the first output row or column it
  // covers and how much of it, the rest going to the next.
  struct Share {
    int first = 0;
    float part = 0, rest = 0;
  };
  static std::vector<Share> Shares(int from, int to);
  // Sums a whole row across: the pixels wholly inside an output column by
  // integers, the one it shares with the next by weights.
  void SumRow(const std::uint8_t* rgba);
  // Sums pixels of row passes across, each by its weights.
  void Scatter(int x0, int step, int count, const std::uint8_t* rgba);
  void Add(int row, float weight, int count);
  void FinishRow(int row);
  // Converts `count` straight RGBA pixels of the row buffer, lays them over
  // the matte and puts them from stored pixel (x, y) on, every `step`th.
  void Put(int x, int y, int step, int count);

  Rgb matte_;
  int shortSide_;
  std::uint64_t maxPixels_;
  std::function<void(std::size_t)> consumed_;
  PictureFacts facts_;
  std::unique_ptr<SrgbTransform> transform_;
  int width_ = 0, height_ = 0;              // as the pixels come
  int storedWidth_ = 0, storedHeight_ = 0;  // as averaged, before turning upright
  bool averaging_ = false;
  bool blockMeans_ = false;
  RgbImage out_;  // upright
  std::vector<Share> columns_, rows_;
  std::vector<int> inside_;  // per output column: its first source pixel wholly inside
  std::vector<int> shared_;  // per output column: the source pixel it shares with the next, or -1
  float across_ = 1;         // an output column's share of a source pixel wholly inside
  std::vector<float> line_;  // a source row summed across, premultiplied
  std::vector<std::vector<float>> sums_;           // per output row not yet complete
  std::vector<std::uint64_t> expected_, arrived_;  // source pixels per output row
  std::vector<bool> done_;
  std::vector<std::uint8_t> row_;
  bool failed_ = false;
};

}  // namespace vorlune
