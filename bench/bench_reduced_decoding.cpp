// Decoding at reduced size: camera-sized pictures made from a sample
// photograph (enlarged, with a sensor-like grain), decoded to what a fit to
// 320 x 320 needs, beside the full-size decoding of the same file; and what
// the import options dialog does before it shows its first result for a
// 24-megapixel JPEG: the reduced decoding, the fit and the fine reduction.
#include <benchmark/benchmark.h>
#include <webp/encode.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/file_io.h"
#include "core/png_writer.h"
#include "image/picture_decoding.h"
#include "image/picture_import.h"

// After cstdio, which it needs.
#include <jpeglib.h>

namespace {

using vorlune::RgbImage;
using Bytes = std::vector<std::uint8_t>;

// PICTURES in the environment names another folder of the sample photographs.
RgbImage Enlarged(const char* name, int w, int h) {
  const char* folder = std::getenv("PICTURES");
  const auto file =
      vorlune::ReadWholeFile(std::string(folder != nullptr ? folder : VORLUNE_PICTURES) + "/" + name);
  const auto photo = vorlune::DecodePicture(file.bytes);
  if (!photo) {
    std::fprintf(stderr, "missing sample picture %s\n", name);
    std::abort();
  }
  const RgbImage& small = photo->image;
  RgbImage out;
  out.width = w, out.height = h;
  out.rgb.resize(std::size_t(w) * std::size_t(h) * 3);
  std::uint32_t grain = 1;
  for (int y = 0; y < h; ++y) {
    const double fy = std::max(0.0, (y + 0.5) * small.height / h - 0.5);
    const int y0 = std::min(int(fy), small.height - 2);
    for (int x = 0; x < w; ++x) {
      const double fx = std::max(0.0, (x + 0.5) * small.width / w - 0.5);
      const int x0 = std::min(int(fx), small.width - 2);
      for (int c = 0; c < 3; ++c) {
        const auto at = [&](int xx, int yy) {
          return small.rgb[(std::size_t(yy) * small.width + xx) * 3 + c];
        };
        const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * (fx - x0);
        const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * (fx - x0);
        grain = grain * 1664525u + 1013904223u;
        const double v = top + (bottom - top) * (fy - y0) + double(grain >> 28) - 7.5;
        out.rgb[(std::size_t(y) * w + x) * 3 + c] = std::uint8_t(std::clamp(v, 0.0, 255.0));
      }
    }
  }
  return out;
}

Bytes Jpeg(const RgbImage& picture) {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &out, &size);
  info.image_width = JDIMENSION(picture.width);
  info.image_height = JDIMENSION(picture.height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 92, TRUE);
  jpeg_start_compress(&info, TRUE);
  for (int y = 0; y < picture.height; ++y) {
    JSAMPROW row = const_cast<JSAMPROW>(&picture.rgb[std::size_t(y) * std::size_t(picture.width) * 3]);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  Bytes bytes(out, out + size);
  std::free(out);
  return bytes;
}

Bytes Webp(const RgbImage& picture) {
  std::uint8_t* out = nullptr;
  const std::size_t size =
      WebPEncodeRGB(picture.rgb.data(), picture.width, picture.height, picture.width * 3, 85, &out);
  Bytes bytes(out, out + size);
  WebPFree(out);
  return bytes;
}

const Bytes& Camera12() {
  static const Bytes file = Jpeg(Enlarged("09_sky_clouds.bmp", 4000, 3000));
  return file;
}
const Bytes& Camera24() {
  static const Bytes file = Jpeg(Enlarged("03_coffee_cup.bmp", 6000, 4000));
  return file;
}
const Bytes& Wallpaper() {
  static const Bytes file = Webp(Enlarged("13_saturated_cups.p8.bmp", 4096, 4096));
  return file;
}
const Bytes& Png12() {
  static const Bytes file = vorlune::EncodePng(Enlarged("03_coffee_cup.bmp", 4000, 3000));
  return file;
}

void Decode(benchmark::State& state, const Bytes& file, bool reduced) {
  for (auto _ : state) {
    auto decoded = reduced ? vorlune::DecodePictureReduced(file) : vorlune::DecodePicture(file);
    if (!decoded) state.SkipWithError(decoded.error().text.c_str());
    benchmark::DoNotOptimize(decoded);
  }
}

void BM_ReducedJpeg12MP(benchmark::State& state) {
  Decode(state, Camera12(), true);
}
void BM_ReducedJpeg24MP(benchmark::State& state) {
  Decode(state, Camera24(), true);
}
void BM_FullJpeg24MP(benchmark::State& state) {
  Decode(state, Camera24(), false);
}
void BM_ReducedWebp4096(benchmark::State& state) {
  Decode(state, Wallpaper(), true);
}
void BM_ReducedPng12MP(benchmark::State& state) {
  Decode(state, Png12(), true);
}

// The import options dialog's first result (target: 200 ms).
void BM_DialogFirstResultJpeg24MP(benchmark::State& state) {
  for (auto _ : state) {
    const auto decoded = vorlune::DecodePictureReduced(Camera24());
    const RgbImage fitted = vorlune::FitPicture(decoded->image, vorlune::FitMode::Cover);
    auto imported = vorlune::ReduceFittedPicture(fitted, vorlune::ReductionKind::Fine, true);
    benchmark::DoNotOptimize(imported);
  }
}

BENCHMARK(BM_ReducedJpeg12MP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReducedJpeg24MP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullJpeg24MP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReducedWebp4096)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReducedPng12MP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DialogFirstResultJpeg24MP)->Unit(benchmark::kMillisecond);

}  // namespace
