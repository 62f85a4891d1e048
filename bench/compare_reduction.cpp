// Quality of the fine reduction against pngquant with the same 214 colours.
// For each picture given: PSNR and the PSNR of the 3 x 3 box-filtered
// difference (how well the local average colour survives), both over red,
// green and blue against the 24-bit picture, for the fine reduction with and
// without dithering and for `pngquant 214` with and without (--nofs).
// Usage: compare_reduction PICTURE...   (pngquant must be on the PATH)
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "core/png_writer.h"
#include "image/fine_reduction.h"
#include "image/picture_decoding.h"
#include "image/picture_fitting.h"

namespace {

using vorlune::RgbImage;

double Psnr(const RgbImage& a, const RgbImage& b, bool boxed) {
  double sum = 0;
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      for (int c = 0; c < 3; ++c) {
        double d = 0;
        if (!boxed) {
          d = double(a.rgb[(std::size_t(y) * 320 + std::size_t(x)) * 3 + std::size_t(c)]) -
              b.rgb[(std::size_t(y) * 320 + std::size_t(x)) * 3 + std::size_t(c)];
        } else {
          int n = 0;
          for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
              const int yy = std::clamp(y + dy, 0, a.height - 1), xx = std::clamp(x + dx, 0, a.width - 1);
              const std::size_t at = (std::size_t(yy) * 320 + std::size_t(xx)) * 3 + std::size_t(c);
              d += double(a.rgb[at]) - b.rgb[at];
              ++n;
            }
          }
          d /= n;
        }
        sum += d * d;
      }
    }
  }
  const double mse = sum / (double(a.width) * a.height * 3);
  return mse == 0 ? 99.0 : 10 * std::log10(255.0 * 255.0 / mse);
}

RgbImage Shown(const vorlune::IndexedPicture& p) {
  RgbImage image(320, 320);
  for (int y = 0; y < 320; ++y)
    for (int x = 0; x < 320; ++x)
      image.set(x, y, p.palette[p.pixels[std::size_t(319 - y) * 320 + std::size_t(x)]]);
  return image;
}

RgbImage Pngquant(const RgbImage& original, bool dither, const std::string& scratch) {
  const std::string in = scratch + "/in.png", out = scratch + "/out.png";
  vorlune::WriteFileAtomically(in, vorlune::EncodePng(original));
  const std::string command = std::string("pngquant --force --speed 3 ") + (dither ? "" : "--nofs ") +
                              "--output " + out + " 214 " + in;
  if (std::system(command.c_str()) != 0) return RgbImage(320, 320);
  const auto decoded = vorlune::DecodePicture(vorlune::ReadWholeFile(out).bytes);
  return decoded ? decoded->image : RgbImage(320, 320);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  char scratchTemplate[] = "/tmp/compare_reductionXXXXXX";
  const std::string scratch = mkdtemp(scratchTemplate);
  std::printf("%-28s %7s | %-23s | %-23s | %-23s | %-23s\n", "", "", "fine (dithered)", "pngquant 214",
              "fine, no dither", "pngquant --nofs");
  std::printf("%-28s %7s | %11s %11s | %11s %11s | %11s %11s | %11s %11s\n", "picture", "colours", "PSNR",
              "box PSNR", "PSNR", "box PSNR", "PSNR", "box PSNR", "PSNR", "box PSNR");
  std::vector<std::vector<double>> columns(8);
  for (int i = 1; i < argc; ++i) {
    const auto decoded = vorlune::DecodePicture(vorlune::ReadWholeFile(argv[i]).bytes);
    if (!decoded) {
      std::fprintf(stderr, "%s: %s\n", argv[i], decoded.error().text.c_str());
      continue;
    }
    const RgbImage original = vorlune::FitPicture(decoded->image, vorlune::FitMode::Cover);
    std::vector<bool> seen(1u << 24);
    int colours = 0;
    for (std::size_t p = 0; p < original.rgb.size(); p += 3) {
      const std::uint32_t key = (original.rgb[p] << 16) | (original.rgb[p + 1] << 8) | original.rgb[p + 2];
      if (!seen[key]) seen[key] = true, ++colours;
    }
    const RgbImage results[4] = {
        Shown(vorlune::ReduceFinely(original, true)), Pngquant(original, true, scratch),
        Shown(vorlune::ReduceFinely(original, false)), Pngquant(original, false, scratch)};
    std::string name = argv[i];
    name = name.substr(name.find_last_of('/') + 1);
    std::printf("%-28.28s %7d |", name.c_str(), colours);
    for (int r = 0; r < 4; ++r) {
      const double plain = Psnr(original, results[r], false), boxed = Psnr(original, results[r], true);
      columns[std::size_t(r) * 2].push_back(plain);
      columns[std::size_t(r) * 2 + 1].push_back(boxed);
      std::printf(" %11.2f %11.2f |", plain, boxed);
    }
    std::printf("\n");
  }
  std::printf("%-28s %7s |", "median", "");
  for (int r = 0; r < 4; ++r)
    std::printf(" %11.2f %11.2f |", Median(columns[std::size_t(r) * 2]),
                Median(columns[std::size_t(r) * 2 + 1]));
  std::printf("\n");
  std::system(("rm -rf " + scratch).c_str());
  return 0;
}
