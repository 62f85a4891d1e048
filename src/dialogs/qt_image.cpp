#include "dialogs/qt_image.h"

#include <cstring>

namespace vorlune {

QImage ToQImage(const RgbImage& image) {
  QImage result(image.width, image.height, QImage::Format_RGB888);
  const std::size_t rowBytes = static_cast<std::size_t>(image.width) * 3;
  for (int y = 0; y < image.height; ++y) {
    std::memcpy(result.scanLine(y), image.rgb.data() + rowBytes * static_cast<std::size_t>(y), rowBytes);
  }
  return result;
}

}  // namespace vorlune
