#include "player/indexed_frame.h"

namespace vorlune {

RgbImage ToRgbImage(const IndexedFrame& frame) {
  RgbImage image(frame.width, frame.height);
  for (std::size_t i = 0; i < frame.pixels.size(); ++i) {
    const Rgb c = frame.palette[frame.pixels[i]];
    image.rgb[3 * i] = c.r;
    image.rgb[3 * i + 1] = c.g;
    image.rgb[3 * i + 2] = c.b;
  }
  return image;
}

}  // namespace vorlune
