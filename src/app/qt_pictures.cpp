#include "qt_pictures.h"

#include <QGuiApplication>
#include <QPixmap>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>

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

const QImage& ButtonPictureImage(PartKind k, ButtonPictureState state, int scale) {
  using Pictures = std::array<std::array<QImage, 3>, kLayoutRows>;
  static std::map<int, Pictures> byScale;
  auto [found, added] = byScale.try_emplace(scale);
  if (added) {
    for (PartKind kind = kFirstKind; kind <= kLastKind; ++kind) {
      for (auto s : {ButtonPictureState::Up, ButtonPictureState::Down, ButtonPictureState::Disabled}) {
        QImage& image = found->second[kind][static_cast<std::size_t>(s)];
        image = ToQImage(PartButtonPicture(kind, s, scale));
        image.setDevicePixelRatio(scale);
      }
    }
  }
  return found->second.at(static_cast<std::size_t>(k)).at(static_cast<std::size_t>(state));
}

int PictureScale(double devicePixelRatio) {
  return std::max(1, static_cast<int>(std::ceil(devicePixelRatio - 1e-6)));
}

QIcon ApplicationQIcon() {
  // Each size also drawn for the display's scale, so that the icon is taken
  // at its exact size there and never enlarged or shrunk from another.
  const double scale = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1;
  std::set<int> sizes;
  for (int size : {16, 24, 32, 48, 64, 128})
    sizes.insert({size, static_cast<int>(std::lround(size * scale))});
  QIcon icon;
  for (int size : sizes) icon.addPixmap(QPixmap::fromImage(ToQImage(ApplicationIcon(size))));
  return icon;
}

}  // namespace vorlune
