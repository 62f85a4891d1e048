#include "image/picture_files_support.h"

#include <gif_lib.h>
#include <lcms2.h>
#include <tiffio.h>
#include <unistd.h>
#include <webp/encode.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>

#include "core/byte_order.h"
#include "image/picture_decoding.h"
#include "support/picture_encoders.h"

// After cstdio, which it needs.
#include <jpeglib.h>

namespace vorlune::testing {

Bytes JpegFile(const RgbImage& picture, const JpegSettings& settings) {
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
  if (settings.progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  if (settings.orientation != 1) {
    const auto exif = ExifWithOrientation(settings.orientation);
    jpeg_write_marker(&info, JPEG_APP0 + 1, exif.data(), unsigned(exif.size()));
  }
  if (!settings.profile.empty())
    jpeg_write_icc_profile(&info, settings.profile.data(), unsigned(settings.profile.size()));
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

Bytes WebpFile(const RgbImage& picture) {
  std::uint8_t* out = nullptr;
  const std::size_t size =
      WebPEncodeRGB(picture.rgb.data(), picture.width, picture.height, picture.width * 3, 90, &out);
  Bytes bytes(out, out + size);
  WebPFree(out);
  return bytes;
}

Bytes GifFile(const RgbImage& picture, bool interlaced, int canvasWidth, int canvasHeight) {
  std::map<std::uint32_t, int> indexes;
  std::vector<GifColorType> colours;
  std::vector<GifPixelType> pixels(std::size_t(picture.width) * std::size_t(picture.height));
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const std::uint8_t* p = &picture.rgb[i * 3];
    const auto [at, added] = indexes.emplace((p[0] << 16) | (p[1] << 8) | p[2], int(colours.size()));
    if (added) colours.push_back({p[0], p[1], p[2]});
    pixels[i] = GifPixelType(at->second);
  }
  colours.resize(256);
  Bytes bytes;
  int error = 0;
  const auto append = [](GifFileType* gif, const GifByteType* data, int length) {
    static_cast<Bytes*>(gif->UserData)
        ->insert(static_cast<Bytes*>(gif->UserData)->end(), data, data + length);
    return length;
  };
  GifFileType* gif = EGifOpen(&bytes, append, &error);
  ColorMapObject* map = GifMakeMapObject(256, colours.data());
  EGifPutScreenDesc(gif, std::max(picture.width, canvasWidth), std::max(picture.height, canvasHeight), 8, 0,
                    map);
  EGifPutImageDesc(gif, 0, 0, picture.width, picture.height, interlaced, nullptr);
  std::vector<int> rows;
  for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
    for (int y = start; interlaced && y < picture.height; y += step) rows.push_back(y);
  for (int y = 0; !interlaced && y < picture.height; ++y) rows.push_back(y);
  for (int y : rows) EGifPutLine(gif, &pixels[std::size_t(y) * std::size_t(picture.width)], picture.width);
  EGifCloseFile(gif, &error);
  GifFreeMapObject(map);
  return bytes;
}

Bytes TiffFile(int width, int height, const std::function<Rgb(int x, int y)>& pixel,
               const TiffSettings& settings) {
  // Written to a nameless file, which libtiff closes: read back through a copy of it.
  std::FILE* file = std::tmpfile();
  TIFF* tiff = TIFFFdOpen(::dup(fileno(file)), "test", "w");
  TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, std::uint32_t(width));
  TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, std::uint32_t(height));
  TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, settings.bits);
  TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 3);
  TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
  TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
  TIFFSetField(tiff, TIFFTAG_ORIENTATION, settings.orientation);
  TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP,
               settings.rowsPerStrip ? settings.rowsPerStrip : std::uint32_t(height));
  TIFFSetField(tiff, TIFFTAG_COMPRESSION, settings.deflate ? COMPRESSION_ADOBE_DEFLATE : COMPRESSION_NONE);
  if (settings.deflate) TIFFSetField(tiff, TIFFTAG_ZIPQUALITY, 1);
  std::vector<std::uint16_t> row16(std::size_t(width) * 3);
  auto* row8 = reinterpret_cast<std::uint8_t*>(row16.data());
  for (int y = 0; y < height; ++y) {
    for (std::size_t x = 0; x < std::size_t(width); ++x) {
      const Rgb c = pixel(int(x), y);
      const std::uint8_t v[3] = {c.r, c.g, c.b};
      for (std::size_t i = 0; i < 3; ++i) {
        if (settings.bits == 16)
          row16[x * 3 + i] = std::uint16_t(v[i] * 257);
        else
          row8[x * 3 + i] = v[i];
      }
    }
    TIFFWriteScanline(tiff, row16.data(), std::uint32_t(y), 0);
  }
  TIFFClose(tiff);
  std::fseek(file, 0, SEEK_END);
  Bytes bytes(std::size_t(std::ftell(file)));
  std::rewind(file);
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
  std::fclose(file);
  return bytes;
}

Bytes RawPng(int width, int height, int depth, int colourType, const Bytes& rows, const Bytes& chunks) {
  Bytes header;
  AppendBE32(header, std::uint32_t(width));
  AppendBE32(header, std::uint32_t(height));
  header.insert(header.end(), {std::uint8_t(depth), std::uint8_t(colourType), 0, 0, 0});
  uLongf size = compressBound(uLong(rows.size()));
  Bytes packed(size);
  compress(packed.data(), &size, rows.data(), uLong(rows.size()));
  packed.resize(size);
  Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  for (const Bytes& part :
       {ChunkBytes("IHDR", header), chunks, ChunkBytes("IDAT", packed), ChunkBytes("IEND", {})})
    png.insert(png.end(), part.begin(), part.end());
  return png;
}

Bytes LinearProfile() {
  cmsToneCurve* linear = cmsBuildGamma(nullptr, 1.0);
  cmsToneCurve* curves[3] = {linear, linear, linear};
  cmsCIExyY white;
  cmsWhitePointFromTemp(&white, 6504);
  const cmsCIExyYTRIPLE primaries = {{0.64, 0.33, 1}, {0.30, 0.60, 1}, {0.15, 0.06, 1}};
  cmsHPROFILE profile = cmsCreateRGBProfile(&white, &primaries, curves);
  cmsUInt32Number size = 0;
  cmsSaveProfileToMem(profile, nullptr, &size);
  Bytes icc(size);
  cmsSaveProfileToMem(profile, icc.data(), &size);
  cmsCloseProfile(profile);
  cmsFreeToneCurve(linear);
  return icc;
}

}  // namespace vorlune::testing
