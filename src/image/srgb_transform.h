#pragma once

#include <cstdint>
#include <span>

namespace vorlune {

// The conversion of straight RGBA pixels from an embedded colour profile to
// sRGB. Only an RGB profile describes the RGB pixels the decoders give; any
// other, or one that cannot be read, leaves the pixels as they are.
class SrgbTransform {
 public:
  explicit SrgbTransform(std::span<const std::uint8_t> profile);
  SrgbTransform(const SrgbTransform&) = delete;
  SrgbTransform& operator=(const SrgbTransform&) = delete;
  ~SrgbTransform();

  bool usable() const { return transform_ != nullptr; }
  // Converts `count` pixels in place; alpha is kept.
  void Apply(std::uint8_t* rgba, int count) const;

 private:
  void* transform_ = nullptr;
};

}  // namespace vorlune
