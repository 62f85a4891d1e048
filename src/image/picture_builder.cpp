#include "image/picture_builder.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "image/block_mean_sharpening.h"

namespace vorlune {

namespace {

// Sums of pixels in any order are held for the whole picture: at most this
// many output pixels (16 bytes each).
constexpr double kAnyOrderPixels = 512 * 1024;
// A picture the decoder reduced (JPEG's DCT scaling) is kept as it comes up
// to this many pixels: averaging it again would blur it.
constexpr double kScaledPixels = 2 * 1024 * 1024;

std::uint8_t Over(std::uint8_t c, std::uint8_t alpha, std::uint8_t matte) {
  return static_cast<std::uint8_t>((c * alpha + matte * (255 - alpha) + 127) / 255);
}

// Rounds a sum, never negative, to a byte.
std::uint8_t Byte(float value) {
  return static_cast<std::uint8_t>(std::min(255, static_cast<int>(value + 0.5f)));
}

}  // namespace

AveragedSize AveragingSize(const RowsComing& rows, int shortSide) {
  const double pixels = double(rows.width) * rows.height;
  const int shortest = std::min(rows.width, rows.height);
  if (shortSide <= 0 || shortest <= shortSide || (rows.scaled && pixels <= kScaledPixels))
    return {rows.width, rows.height};
  double scale = double(shortSide) / shortest;
  // Not below the fitted size, half this.
  if (rows.anyOrder) scale = std::max(std::min(scale, std::sqrt(kAnyOrderPixels / pixels)), 0.5 * scale);
  return {std::max(1, int(std::lround(rows.width * scale))),
          std::max(1, int(std::lround(rows.height * scale)))};
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

std::vector<PictureBuilder::Share> PictureBuilder::Shares(int from, int to) {
  std::vector<Share> shares(static_cast<std::size_t>(from));
  const double scale = double(to) / from;
  for (int i = 0; i < from; ++i) {
    const double start = i * scale;
    const double end = (i + 1) * scale;
    Share& share = shares[std::size_t(i)];
    share.first = std::min(to - 1, int(std::floor(start)));
    const double boundary = share.first + 1;
    share.part = float(std::min(end, boundary) - start);
    const double rest = share.first + 1 < to ? end - boundary : 0;
    share.rest = rest > 1e-9 ? float(rest) : 0;
  }
  return shares;
}

bool PictureBuilder::Begin(const RowsComing& rows) {
  width_ = rows.width;
  height_ = rows.height;
  const AveragedSize size = AveragingSize(rows, shortSide_);
  averaging_ = size.width != width_ || size.height != height_;
  blockMeans_ = rows.blockMeans && !averaging_;
  storedWidth_ = size.width;
  storedHeight_ = size.height;
  const bool turned = facts_.orientation >= 5 && facts_.orientation <= 8;
  try {
    out_.width = turned ? size.height : size.width;
    out_.height = turned ? size.width : size.height;
    out_.rgb.resize(std::size_t(size.width) * std::size_t(size.height) * 3);
    // Pixels that never come (outside a GIF's first frame) are transparent.
    for (std::size_t i = 0; i < out_.rgb.size(); i += 3) {
      out_.rgb[i] = matte_.r;
      out_.rgb[i + 1] = matte_.g;
      out_.rgb[i + 2] = matte_.b;
    }
    row_.resize(std::size_t(std::max(width_, size.width)) * 4);
    if (averaging_) {
      columns_ = Shares(width_, size.width);
      rows_ = Shares(height_, size.height);
      across_ = float(double(size.width) / width_);
      // Each output column takes the source pixels starting in it; the last
      // of them may reach into the next column.
      inside_.assign(std::size_t(size.width) + 1, width_);
      for (int x = width_ - 1; x >= 0; --x) inside_[std::size_t(columns_[std::size_t(x)].first)] = x;
      shared_.assign(std::size_t(size.width), -1);
      for (int c = size.width - 1; c >= 0; --c) {
        inside_[std::size_t(c)] = std::min(inside_[std::size_t(c)], inside_[std::size_t(c) + 1]);
        const int last = inside_[std::size_t(c) + 1] - 1;
        if (last >= inside_[std::size_t(c)] && columns_[std::size_t(last)].rest > 0)
          shared_[std::size_t(c)] = last;
      }
      line_.resize(std::size_t(size.width) * 4);
      sums_.resize(std::size_t(size.height));
      expected_.assign(std::size_t(size.height), 0);
      arrived_.assign(std::size_t(size.height), 0);
      done_.assign(std::size_t(size.height), false);
      for (const Share& share : rows_) {
        expected_[std::size_t(share.first)] += std::uint64_t(width_);
        if (share.rest > 0) expected_[std::size_t(share.first) + 1] += std::uint64_t(width_);
      }
      if (rows.anyOrder) {
        for (auto& sums : sums_) sums.assign(line_.size(), 0);
      }
    }
  } catch (const std::bad_alloc&) {
    failed_ = true;
  }
  return !failed_;
}

void PictureBuilder::Put(int x, int y, int step, int count) {
  if (transform_) transform_->Apply(row_.data(), count);
  // Where stored pixel (x, y) is shown, and how far the next one is.
  const int w = storedWidth_;
  const int h = storedHeight_;
  const std::ptrdiff_t across = 3;
  const std::ptrdiff_t down = std::ptrdiff_t(out_.width) * 3;
  int ux = x, uy = y;
  std::ptrdiff_t next = across;
  switch (facts_.orientation) {
    case 2:
      ux = w - 1 - x, next = -across;
      break;
    case 3:
      ux = w - 1 - x, uy = h - 1 - y, next = -across;
      break;
    case 4:
      uy = h - 1 - y;
      break;
    case 5:
      ux = y, uy = x, next = down;
      break;
    case 6:
      ux = h - 1 - y, uy = x, next = down;
      break;
    case 7:
      ux = h - 1 - y, uy = w - 1 - x, next = -down;
      break;
    case 8:
      ux = y, uy = w - 1 - x, next = -down;
      break;
    default:
      break;
  }
  std::uint8_t* to = &out_.rgb[(std::size_t(uy) * std::size_t(out_.width) + std::size_t(ux)) * 3];
  next *= step;
  const std::uint8_t* p = row_.data();
  for (int i = 0; i < count; ++i, p += 4, to += next) {
    to[0] = Over(p[0], p[3], matte_.r);
    to[1] = Over(p[1], p[3], matte_.g);
    to[2] = Over(p[2], p[3], matte_.b);
  }
}

void PictureBuilder::Pixels(int y, int x0, int step, int count, const std::uint8_t* rgba) {
  if (failed_ || y < 0 || y >= height_ || count <= 0) return;
  if (!averaging_) {
    std::copy_n(rgba, std::size_t(count) * 4, row_.begin());
    Put(x0, y, step, count);
    return;
  }
  // Across first, premultiplied so that transparent pixels lend no colour.
  if (x0 == 0 && step == 1 && count == width_) {
    SumRow(rgba);
  } else {
    Scatter(x0, step, count, rgba);
  }
  const Share& share = rows_[std::size_t(y)];
  Add(share.first, share.part, count);
  if (share.rest > 0) Add(share.first + 1, share.rest, count);
}

void PictureBuilder::SumRow(const std::uint8_t* rgba) {
  // Signed sums and four lanes at a time, which the compiler turns into vector code.
  float carry[4] = {0, 0, 0, 0};  // what the pixel shared with the column before leaves here
  for (std::size_t c = 0; c < shared_.size(); ++c) {
    std::int32_t sums[4] = {0, 0, 0, 0};
    const int end = shared_[c] >= 0 ? shared_[c] : inside_[c + 1];
    for (const std::uint8_t* p = rgba + std::size_t(inside_[c]) * 4; p < rgba + std::size_t(end) * 4;
         p += 4) {
      const std::int32_t a = p[3];
      sums[0] += p[0] * a;
      sums[1] += p[1] * a;
      sums[2] += p[2] * a;
      sums[3] += a;
    }
    float* to = &line_[c * 4];
    for (int i = 0; i < 4; ++i) to[i] = carry[i] + across_ * float(sums[i]);
    float part = 0, rest = 0;
    std::int32_t pixel[4] = {0, 0, 0, 0};
    if (shared_[c] >= 0) {
      const Share& share = columns_[std::size_t(shared_[c])];
      const std::uint8_t* p = rgba + std::size_t(shared_[c]) * 4;
      pixel[0] = p[0] * p[3], pixel[1] = p[1] * p[3], pixel[2] = p[2] * p[3], pixel[3] = p[3];
      part = share.part;
      rest = share.rest;
    }
    for (int i = 0; i < 4; ++i) {
      to[i] += part * float(pixel[i]);
      carry[i] = rest * float(pixel[i]);
    }
  }
}

void PictureBuilder::Scatter(int x0, int step, int count, const std::uint8_t* rgba) {
  std::fill(line_.begin(), line_.end(), 0.0f);
  int x = x0;
  for (int i = 0; i < count; ++i, x += step, rgba += 4) {
    const Share& share = columns_[std::size_t(x)];
    const float a = rgba[3];
    const float pixel[4] = {rgba[0] * a, rgba[1] * a, rgba[2] * a, a};
    float* to = &line_[std::size_t(share.first) * 4];
    for (int c = 0; c < 4; ++c) to[c] += share.part * pixel[c];
    if (share.rest > 0) {
      for (int c = 0; c < 4; ++c) to[4 + c] += share.rest * pixel[c];
    }
  }
}

void PictureBuilder::Add(int row, float weight, int count) {
  if (done_[std::size_t(row)]) return;
  std::vector<float>& sums = sums_[std::size_t(row)];
  if (sums.empty()) {
    try {
      sums.assign(line_.size(), 0);
    } catch (const std::bad_alloc&) {
      failed_ = true;
      return;
    }
  }
  for (std::size_t i = 0; i < sums.size(); ++i) sums[i] += weight * line_[i];
  arrived_[std::size_t(row)] += std::uint64_t(count);
  if (arrived_[std::size_t(row)] >= expected_[std::size_t(row)]) FinishRow(row);
}

void PictureBuilder::FinishRow(int row) {
  done_[std::size_t(row)] = true;
  const std::vector<float> sums = std::move(sums_[std::size_t(row)]);
  if (sums.empty()) return;  // nothing came: transparent, as the row already is
  // Each output pixel's shares add up to one, so the sums are the averages;
  // pixels that did not come count as transparent.
  for (int x = 0; x < storedWidth_; ++x) {
    const float* s = &sums[std::size_t(x) * 4];
    std::uint8_t* p = &row_[std::size_t(x) * 4];
    p[3] = Byte(s[3]);
    for (int c = 0; c < 3; ++c) p[c] = s[3] > 0 ? Byte(s[c] / s[3]) : 0;
  }
  Put(0, row, 1, storedWidth_);
}

void PictureBuilder::Consumed(std::size_t offset) {
  if (consumed_) consumed_(offset);
}

Result<DecodedPicture> PictureBuilder::Finish(const Status& decoded) {
  if (!decoded) return decoded.error();
  if (failed_) return PictureTooLargeMessage();
  for (int row = 0; row < int(done_.size()); ++row) {
    if (!done_[std::size_t(row)]) FinishRow(row);
  }
  sums_.clear();
  // The short side wanted is twice the fitted one.
  if (blockMeans_)
    SharpenBlockMeans(out_, BlockMeanSharpening(std::min(out_.width, out_.height), shortSide_ / 2));
  return DecodedPicture{std::move(out_), facts_};
}

}  // namespace vorlune
