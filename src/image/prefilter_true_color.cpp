#include "image/prefilter_true_color.h"

#include <algorithm>

namespace vorlune {

namespace {

// Floyd-Steinberg weights with a negative sign (the diffused quantity is the
// output minus the wanted value), seen as 2 rows by 3 columns.
double kErrorWeights[6] = {0, -3.0 / 16, 0, -5.0 / 16, -7.0 / 16, -1.0 / 16};

std::uint8_t AddClamped(int value, int change) {
  return static_cast<std::uint8_t>(std::clamp(value + change, 0, 255));
}

}  // namespace

void PrefilterTrueColor(std::uint8_t* pixels, int width, int height, DmatrixMessages* messages) {
  dmatrix m_work;
  dmatrix m_kernel;
  dmatrix m_errLines;

  allocdmatrix(&m_work, height, width, messages);
  if (m_work.data == nullptr) return;
  // Matrix row x, column y holds pixel (x, y): the storage runs in pixel order.
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int m = std::min(pixels[(static_cast<std::size_t>(y) * width + x) * 3] * 1000, 255000);
      m_work.at(x, y) = m * 0.001;
    }
  }
  m_work.rnum = height;
  m_work.cnum = width;

  setdmatrix(&m_kernel, kErrorWeights, 2, 3);
  allocdmatrix(&m_errLines, m_kernel.rnum, width + 10, messages);
  if (m_errLines.data == nullptr) {
    freedmatrix(&m_work);
    return;
  }
  ditherdmatrix(&m_work, &m_errLines, &m_kernel, 8, messages);

  // Integer correction; every division truncates toward zero.
  for (int y = 0; y < height; ++y) {
    int previousD = 0;
    for (int x = 0; x < width; ++x) {
      std::uint8_t* p = pixels + (static_cast<std::size_t>(y) * width + x) * 3;
      const int b = p[0];
      const int g = p[1];
      const int r = p[2];
      const int a = 1000 * static_cast<int>(m_work.at(x, y));
      const int d = (a - (299 * r + 587 * g + 114 * b)) / 2000;
      const int delta = x == 0 ? 0 : previousD - d;
      previousD = d;
      p[2] = AddClamped(r, 299 * delta / 1000);
      p[1] = AddClamped(g, 587 * delta / 1000);
      p[0] = AddClamped(b, 114 * delta / 1000);
    }
  }

  freedmatrix(&m_work);
  freedmatrix(&m_errLines);
}

}  // namespace vorlune
