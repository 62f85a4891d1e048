#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/result.h"
#include "layout/skin_palette.h"
#include "player/indexed_frame.h"

namespace vorlune {

// Writes an animated GIF of player frames through giflib, one frame at a time.
// The skin's palette is the GIF's colour table as it stands: no colours are
// reduced or reordered, and index 0 (transparent on the handheld, black here)
// is never made transparent. The first frame is whole; each later one stores
// only the rectangle that changed, with the pixels in it that did not change
// made transparent through an index that no changed pixel uses, which
// compresses well. The animation loops for ever.
class AnimatedGifEncoder {
 public:
  // Frames are enlarged `scale` times (1..4), each pixel a square.
  AnimatedGifEncoder(const SkinPalette& palette, int scale);
  ~AnimatedGifEncoder();
  AnimatedGifEncoder(const AnimatedGifEncoder&) = delete;
  AnimatedGifEncoder& operator=(const AnimatedGifEncoder&) = delete;

  // Adds a frame shown for `delayCentiseconds`.
  Status Add(const IndexedFrame& frame, int delayCentiseconds);
  // The bytes of the whole file.
  Result<std::vector<std::uint8_t>> Finish();

 private:
  struct Writer;
  std::unique_ptr<Writer> writer_;
  int scale_;
  std::vector<std::uint8_t> previous_;
  bool started_ = false;
};

// How long frame i of an animation at `fps` frames a second stays, in whole
// hundredths of a second, such that the first n frames last round(100 n / fps).
int FrameDelayCentiseconds(int frameIndex, int fps);

}  // namespace vorlune
