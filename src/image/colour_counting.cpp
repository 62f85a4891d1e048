#include <algorithm>
#include <memory>
#include <new>
#include <vector>

#include "image/picture_decoders.h"
#include "image/srgb_transform.h"

namespace vorlune {

namespace {

// Counts the colours of the pixels as they arrive, in sRGB over white, in a
// bit per possible colour (2 MB) rather than a copy of the picture.
class ColourCounter final : public PixelSink {
 public:
  explicit ColourCounter(const std::function<void(std::size_t)>& consumed) : consumed_(consumed) {}

  // Like every sink, nothing thrown into the decoders: a failed allocation
  // is the refusal of Begin.
  bool Header(const PictureFacts&, std::span<const std::uint8_t> iccProfile) override {
    try {
      if (!iccProfile.empty()) transform_ = std::make_unique<SrgbTransform>(iccProfile);
    } catch (const std::bad_alloc&) {
      failed_ = true;
    }
    return true;
  }
  bool Begin(const RowsComing& rows) override {
    pixels_ = std::uint64_t(rows.width) * std::uint64_t(rows.height);
    try {
      seen_.assign(std::size_t{1} << 24, false);
      row_.resize(std::size_t(rows.width) * 4);
    } catch (const std::bad_alloc&) {
      failed_ = true;
    }
    return !failed_;
  }
  void Pixels(int, int, int, int count, const std::uint8_t* rgba) override {
    arrived_ += std::uint64_t(count);
    std::copy_n(rgba, std::size_t(count) * 4, row_.begin());
    if (transform_) transform_->Apply(row_.data(), count);
    for (int i = 0; i < count; ++i) {
      const std::uint8_t* p = &row_[std::size_t(i) * 4];
      std::uint32_t key = 0;
      for (int c = 0; c < 3; ++c)
        key = (key << 8) | std::uint32_t((p[c] * p[3] + 255 * (255 - p[3]) + 127) / 255);
      if (!seen_[key]) {
        seen_[key] = true;
        ++count_;
      }
    }
  }
  void Consumed(std::size_t offset) override {
    if (consumed_) consumed_(offset);
  }

  // Pixels that never came (outside a GIF's or WebP's first frame) are
  // transparent: white.
  std::uint64_t Count() const { return count_ + (arrived_ < pixels_ && !seen_[0xFFFFFF] ? 1 : 0); }

 private:
  std::uint64_t count_ = 0;
  std::uint64_t pixels_ = 0, arrived_ = 0;
  const std::function<void(std::size_t)>& consumed_;
  std::unique_ptr<SrgbTransform> transform_;
  std::vector<bool> seen_;
  std::vector<std::uint8_t> row_;
  bool failed_ = false;
};

}  // namespace

Result<std::uint64_t> CountPictureColours(std::span<const std::uint8_t> file,
                                          const std::function<void(std::size_t)>& consumed) {
  try {
    ColourCounter counter(consumed);
    const Status decoded = DecodeByFormat(file, counter);
    if (!decoded) return decoded.error();
    return counter.Count();
  } catch (const std::bad_alloc&) {
    return PictureTooLargeMessage();
  }
}

}  // namespace vorlune
