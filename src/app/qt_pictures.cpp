#include "qt_pictures.h"

#include <QPixmap>
#include <array>

namespace vorlune {

QImage ToQImage(const RgbImage& picture) {
  QImage image(picture.width, picture.height, QImage::Format_RGB32);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const Rgb c = picture.at(x, y);
      image.setPixel(x, y, qRgb(c.r, c.g, c.b));
    }
  }
  return image;
}

const QImage& CanvasBitmapImage(PartKind k) {
  static const std::array<QImage, kLayoutRows> images = [] {
    std::array<QImage, kLayoutRows> all;
    for (PartKind kind = kFirstKind; kind <= kLastKind; ++kind) all[kind] = ToQImage(CanvasBitmap(kind));
    return all;
  }();
  return images.at(static_cast<std::size_t>(k));
}

const QImage& ButtonPictureImage(PartKind k, ButtonPictureState state) {
  static const std::array<std::array<QImage, 3>, kLayoutRows> images = [] {
    std::array<std::array<QImage, 3>, kLayoutRows> all;
    for (PartKind kind = kFirstKind; kind <= kLastKind; ++kind) {
      for (auto s : {ButtonPictureState::Up, ButtonPictureState::Down, ButtonPictureState::Disabled})
        all[kind][static_cast<std::size_t>(s)] = ToQImage(PartButtonPicture(kind, s));
    }
    return all;
  }();
  return images.at(static_cast<std::size_t>(k)).at(static_cast<std::size_t>(state));
}

QIcon ApplicationQIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128})
    icon.addPixmap(QPixmap::fromImage(ToQImage(ApplicationIcon(size))));
  return icon;
}

}  // namespace vorlune
