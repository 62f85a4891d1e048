#include "image/picture_builder.h"

#include <algorithm>
#include <new>

namespace vorlune {

namespace {

// Sums of pixels in any order are held for the whole picture: at most this
// many blocks (16 bytes each).
constexpr std::uint64_t kAnyOrderBlocks = 512 * 1024;
// Premultiplied sums of factor^2 pixels stay within 32 bits.
constexpr int kLargestFactor = 255;

std::uint8_t Over(std::uint8_t c, std::uint8_t alpha, std::uint8_t matte) {
  return static_cast<std::uint8_t>((c * alpha + matte * (255 - alpha) + 127) / 255);
}

int Blocks(int size, int factor) {
  return (size + factor - 1) / factor;
}

}  // namespace

int BlockFactor(int width, int height, int shortSide, bool anyOrder) {
  if (shortSide <= 0 || width <= 0 || height <= 0) return 1;
  const int shortest = std::min(width, height);
  int factor = shortest >= 2 * shortSide ? (shortest + 2 * shortSide - 1) / (2 * shortSide) : 1;
  while (anyOrder && factor < kLargestFactor &&
         std::uint64_t(Blocks(width, factor)) * std::uint64_t(Blocks(height, factor)) > kAnyOrderBlocks)
    ++factor;
  return std::min(factor, kLargestFactor);
}

PictureBuilder::PictureBuilder(Rgb matte, int shortSide, std::uint64_t maxPixels,
                               std::function<void(std::size_t)> consumed)
    : matte_(matte), shortSide_(shortSide), maxPixels_(maxPixels), consumed_(std::move(consumed)) {}

bool PictureBuilder::Header(const PictureFacts& facts, std::span<const std::uint8_t> iccProfile) {
  facts_ = facts;
  try {
    if (!iccProfile.empty()) transform_ = std::make_unique<SrgbTransform>(iccProfile);
  } catch (const std::bad_alloc&) {
    failed_ = true;
  }
  return true;
}

bool PictureBuilder::Begin(int width, int height, bool anyOrder) {
  width_ = width;
  height_ = height;
  factor_ = BlockFactor(width, height, shortSide_, anyOrder);
  const int w = Blocks(width, factor_);
  const int h = Blocks(height, factor_);
  try {
    out_.width = w;
    out_.height = h;
    out_.rgb.resize(std::size_t(w) * std::size_t(h) * 3);
    // Pixels that never come (outside a GIF's first frame) are transparent.
    for (std::size_t i = 0; i < out_.rgb.size(); i += 3) {
      out_.rgb[i] = matte_.r;
      out_.rgb[i + 1] = matte_.g;
      out_.rgb[i + 2] = matte_.b;
    }
    row_.resize(std::size_t(std::max(width, w)) * 4);
    if (factor_ > 1) {
      bandSums_.resize(std::size_t(h));
      bandArrived_.assign(std::size_t(h), 0);
      bandDone_.assign(std::size_t(h), false);
      if (anyOrder) {
        for (auto& sums : bandSums_) sums.assign(std::size_t(w) * 4, 0);
      }
    }
  } catch (const std::bad_alloc&) {
    failed_ = true;
  }
  return !failed_;
}

void PictureBuilder::Composite(int count, std::uint8_t* to, int step) {
  if (transform_) transform_->Apply(row_.data(), count);
  const std::uint8_t* p = row_.data();
  for (int i = 0; i < count; ++i, p += 4, to += std::ptrdiff_t(step) * 3) {
    to[0] = Over(p[0], p[3], matte_.r);
    to[1] = Over(p[1], p[3], matte_.g);
    to[2] = Over(p[2], p[3], matte_.b);
  }
}

void PictureBuilder::Pixels(int y, int x0, int step, int count, const std::uint8_t* rgba) {
  if (failed_ || y < 0 || y >= height_ || count <= 0) return;
  if (factor_ == 1) {
    std::copy_n(rgba, std::size_t(count) * 4, row_.begin());
    Composite(count, &out_.rgb[(std::size_t(y) * std::size_t(out_.width) + std::size_t(x0)) * 3], step);
    return;
  }
  const int band = y / factor_;
  if (bandDone_[std::size_t(band)]) return;
  std::vector<std::uint32_t>& sums = bandSums_[std::size_t(band)];
  if (sums.empty()) {
    try {
      sums.assign(std::size_t(out_.width) * 4, 0);
    } catch (const std::bad_alloc&) {
      failed_ = true;
      return;
    }
  }
  int x = x0;
  for (int i = 0; i < count; ++i, x += step, rgba += 4) {
    std::uint32_t* s = &sums[std::size_t(x / factor_) * 4];
    const std::uint32_t a = rgba[3];
    s[0] += rgba[0] * a;
    s[1] += rgba[1] * a;
    s[2] += rgba[2] * a;
    s[3] += a;
  }
  bandArrived_[std::size_t(band)] += std::uint64_t(count);
  const int rows = std::min(factor_, height_ - band * factor_);
  if (bandArrived_[std::size_t(band)] >= std::uint64_t(rows) * std::uint64_t(width_)) FinishBand(band);
}

void PictureBuilder::FinishBand(int band) {
  bandDone_[std::size_t(band)] = true;
  std::vector<std::uint32_t> sums = std::move(bandSums_[std::size_t(band)]);
  if (sums.empty()) return;  // nothing came: transparent, as the row already is
  const int rows = std::min(factor_, height_ - band * factor_);
  for (int bx = 0; bx < out_.width; ++bx) {
    const std::uint32_t* s = &sums[std::size_t(bx) * 4];
    std::uint8_t* p = &row_[std::size_t(bx) * 4];
    // Pixels that did not come count as transparent.
    const std::uint32_t n = std::uint32_t(std::min(factor_, width_ - bx * factor_) * rows);
    if (s[3] == 0) {
      p[0] = p[1] = p[2] = p[3] = 0;
      continue;
    }
    for (int c = 0; c < 3; ++c) p[c] = static_cast<std::uint8_t>((s[c] + s[3] / 2) / s[3]);
    p[3] = static_cast<std::uint8_t>((s[3] + n / 2) / n);
  }
  Composite(out_.width, &out_.rgb[std::size_t(band) * std::size_t(out_.width) * 3], 1);
}

void PictureBuilder::Consumed(std::size_t offset) {
  if (consumed_) consumed_(offset);
}

Result<DecodedPicture> PictureBuilder::Finish(const Status& decoded) {
  if (!decoded) return decoded.error();
  if (failed_) return PictureTooLargeMessage();
  for (int band = 0; band < int(bandDone_.size()); ++band) {
    if (!bandDone_[std::size_t(band)]) FinishBand(band);
  }
  bandSums_.clear();
  return DecodedPicture{Upright(std::move(out_), facts_.orientation), facts_};
}

}  // namespace vorlune
