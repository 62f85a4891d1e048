#include "support/picture_encoders.h"

#include <gif_lib.h>
#include <png.h>
#include <tiffio.h>
#include <webp/encode.h>
#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
// After cstdio, which it needs.
#include <jpeglib.h>

#include "core/byte_order.h"
#include "support/test_files.h"

namespace vorlune::testing {

RgbaImage Opaque(const RgbImage& image) {
  RgbaImage out{image.width, image.height, {}};
  for (std::size_t i = 0; i < image.rgb.size(); i += 3) {
    out.rgba.insert(out.rgba.end(), {image.rgb[i], image.rgb[i + 1], image.rgb[i + 2], 255});
  }
  return out;
}

std::vector<std::uint8_t> PngFile(const RgbaImage& image, const std::vector<PngChunk>& chunks) {
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  png.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  png_image_write_to_memory(&png, nullptr, &size, 0, image.rgba.data(), 0, nullptr);
  std::vector<std::uint8_t> bytes(size);
  png_image_write_to_memory(&png, bytes.data(), &size, 0, image.rgba.data(), 0, nullptr);
  bytes.resize(size);
  std::vector<std::uint8_t> extra;
  for (const PngChunk& c : chunks) {
    AppendBE32(extra, static_cast<std::uint32_t>(c.data.size()));
    const std::size_t typeAt = extra.size();
    extra.insert(extra.end(), c.type.begin(), c.type.end());
    extra.insert(extra.end(), c.data.begin(), c.data.end());
    AppendBE32(extra, static_cast<std::uint32_t>(
                          crc32(0, &extra[typeAt], static_cast<uInt>(extra.size() - typeAt))));
  }
  bytes.insert(bytes.begin() + 33, extra.begin(), extra.end());  // after the signature and IHDR
  return bytes;
}

std::vector<std::uint8_t> JpegFile(const RgbImage& image, const std::vector<std::uint8_t>& exif) {
  jpeg_compress_struct info;
  jpeg_error_mgr error;
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &out, &size);
  info.image_width = static_cast<JDIMENSION>(image.width);
  info.image_height = static_cast<JDIMENSION>(image.height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  if (!exif.empty()) jpeg_write_marker(&info, JPEG_APP0 + 1, exif.data(), static_cast<unsigned>(exif.size()));
  while (info.next_scanline < info.image_height) {
    JSAMPROW row =
        const_cast<std::uint8_t*>(&image.rgb[std::size_t(info.next_scanline) * std::size_t(image.width) * 3]);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<std::uint8_t> bytes(out, out + size);
  std::free(out);
  return bytes;
}

std::vector<std::uint8_t> WebpFile(const RgbaImage& image) {
  std::uint8_t* out = nullptr;
  const std::size_t size =
      WebPEncodeLosslessRGBA(image.rgba.data(), image.width, image.height, image.width * 4, &out);
  std::vector<std::uint8_t> bytes(out, out + size);
  WebPFree(out);
  return bytes;
}

namespace {

int AppendToVector(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
  out->insert(out->end(), data, data + length);
  return length;
}

}  // namespace

std::vector<std::uint8_t> GifFile(const RgbImage& image, int transparent) {
  std::map<std::uint32_t, int> index;
  std::vector<GifColorType> colors;
  std::vector<GifPixelType> pixels;
  for (std::size_t i = 0; i < image.rgb.size(); i += 3) {
    const std::uint32_t key = (image.rgb[i] << 16) | (image.rgb[i + 1] << 8) | image.rgb[i + 2];
    auto [at, added] = index.emplace(key, static_cast<int>(colors.size()));
    if (added) colors.push_back({image.rgb[i], image.rgb[i + 1], image.rgb[i + 2]});
    pixels.push_back(static_cast<GifPixelType>(at->second));
  }
  colors.resize(256);
  std::vector<std::uint8_t> bytes;
  int error = 0;
  GifFileType* gif = EGifOpen(&bytes, AppendToVector, &error);
  ColorMapObject* map = GifMakeMapObject(256, colors.data());
  EGifSetGifVersion(gif, true);
  EGifPutScreenDesc(gif, image.width, image.height, 8, 0, map);
  if (transparent >= 0) {
    const GifByteType control[4] = {1, 0, 0, static_cast<GifByteType>(transparent)};
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, control);
  }
  EGifPutImageDesc(gif, 0, 0, image.width, image.height, false, nullptr);
  for (int y = 0; y < image.height; ++y)
    EGifPutLine(gif, &pixels[std::size_t(y) * std::size_t(image.width)], image.width);
  EGifCloseFile(gif, &error);
  GifFreeMapObject(map);
  return bytes;
}

std::vector<std::uint8_t> TiffFile(const RgbImage& image) {
  const std::filesystem::path path = FreshFolder("tiff") / "p.tif";
  TIFF* tiff = TIFFOpen(path.c_str(), "w");
  TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, image.width);
  TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, image.height);
  TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 3);
  TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
  TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
  TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
  TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
  for (int y = 0; y < image.height; ++y)
    TIFFWriteScanline(tiff,
                      const_cast<std::uint8_t*>(&image.rgb[std::size_t(y) * std::size_t(image.width) * 3]),
                      std::uint32_t(y), 0);
  TIFFClose(tiff);
  std::vector<std::uint8_t> bytes = ReadBytes(path);
  std::filesystem::remove_all(path.parent_path());
  return bytes;
}

std::vector<std::uint8_t> BmpFile(const RgbImage& image) {
  const std::size_t stride = (std::size_t(image.width) * 3 + 3) / 4 * 4;
  std::vector<std::uint8_t> bmp(54 + stride * std::size_t(image.height), 0);
  bmp[0] = 'B';
  bmp[1] = 'M';
  WriteLE32(&bmp[2], static_cast<std::uint32_t>(bmp.size()));
  WriteLE32(&bmp[10], 54);
  WriteLE32(&bmp[14], 40);
  WriteLE32(&bmp[18], static_cast<std::uint32_t>(image.width));
  WriteLE32(&bmp[22], static_cast<std::uint32_t>(image.height));
  WriteLE16(&bmp[26], 1);
  WriteLE16(&bmp[28], 24);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const Rgb c = image.at(x, y);
      std::uint8_t* p = &bmp[54 + std::size_t(image.height - 1 - y) * stride + std::size_t(x) * 3];
      p[0] = c.b, p[1] = c.g, p[2] = c.r;
    }
  }
  return bmp;
}

std::vector<std::uint8_t> ExifWithOrientation(int orientation) {
  return {'E',  'x',  'i', 'f', 0, 0, 'I', 'I', 42,
          0,    8,    0,   0,   0,  // header, first directory at 8
          1,    0,                  // one entry
          0x12, 0x01, 3,   0,   1, 0, 0,   0,   static_cast<std::uint8_t>(orientation),
          0,    0,    0,   0,   0, 0, 0};
}

}  // namespace vorlune::testing
