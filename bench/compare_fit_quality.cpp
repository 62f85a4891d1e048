// Quality of the reduced decoding against the full-size one: for each
// enlarged photograph given with its 320 x 320 original, the PSNR (red, green
// and blue) against the original of the picture fitted (stretch) from the
// full-size decoding and from the reduced one, their difference, and the PSNR
// between the two fitted pictures for each fit.
// Usage: compare_fit_quality ORIGINAL ENLARGED [ORIGINAL ENLARGED ...]
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>

#include "core/file_io.h"
#include "image/picture_decoding.h"
#include "image/picture_fitting.h"

namespace {

using vorlune::RgbImage;

double Psnr(const RgbImage& a, const RgbImage& b) {
  double sum = 0;
  for (std::size_t i = 0; i < a.rgb.size(); ++i) {
    const double d = double(a.rgb[i]) - b.rgb[i];
    sum += d * d;
  }
  const double mse = sum / double(a.rgb.size());
  return mse == 0 ? 99.0 : 10 * std::log10(255.0 * 255.0 / mse);
}

double Milliseconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vorlune;
  std::printf("%-26s %11s | %9s %9s %7s | %-26s | %9s %9s\n", "picture", "size", "full", "reduced", "diff",
              "reduced vs full: cover contain stretch", "full ms", "reduced ms");
  int worst = 0;
  for (int i = 1; i + 1 < argc; i += 2) {
    const auto original = DecodePicture(ReadWholeFile(argv[i]).bytes);
    const FileBytes file = ReadWholeFile(argv[i + 1], std::size_t{1} << 30);
    auto start = std::chrono::steady_clock::now();
    const auto full = DecodePicture(file.bytes);
    const RgbImage fullStretch = full ? FitPicture(full->image, FitMode::Stretch) : RgbImage();
    const double fullMs = Milliseconds(start);
    start = std::chrono::steady_clock::now();
    const auto reduced = DecodePictureReduced(file.bytes);
    const RgbImage reducedStretch = reduced ? FitPicture(reduced->image, FitMode::Stretch) : RgbImage();
    const double reducedMs = Milliseconds(start);
    if (!original || !full || !reduced) {
      std::fprintf(stderr, "%s: cannot be decoded\n", argv[i + 1]);
      return 1;
    }
    const double a = Psnr(original->image, fullStretch);
    const double b = Psnr(original->image, reducedStretch);
    std::string name = argv[i + 1];
    name = name.substr(name.find_last_of('/') + 1);
    std::printf("%-26.26s %5d x %-5d | %9.2f %9.2f %+7.2f |", name.c_str(), full->image.width,
                full->image.height, a, b, b - a);
    for (FitMode mode : {FitMode::Cover, FitMode::Contain, FitMode::Stretch})
      std::printf(" %8.2f", Psnr(FitPicture(full->image, mode), FitPicture(reduced->image, mode)));
    std::printf("  | %9.0f %9.0f\n", fullMs, reducedMs);
    if (b < a - 0.5) worst = 1;
  }
  return worst;
}
