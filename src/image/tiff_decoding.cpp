#include <tiffio.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "image/picture_decoders.h"

namespace vorlune {

namespace {

// The file as libtiff sees it: our bytes, mapped, so strips are read where
// they lie rather than copied; and the count of the errors it reported.
struct MemoryFile {
  std::span<const std::uint8_t> bytes;
  toff_t at = 0;
  int errors = 0;
  bool outOfMemory = false;
};

tmsize_t Read(thandle_t handle, void* into, tmsize_t size) {
  auto* f = static_cast<MemoryFile*>(handle);
  if (size < 0 || f->at >= f->bytes.size()) return 0;
  const std::size_t n = std::min<std::size_t>(std::size_t(size), f->bytes.size() - f->at);
  std::memcpy(into, f->bytes.data() + f->at, n);
  f->at += n;
  return static_cast<tmsize_t>(n);
}
tmsize_t Write(thandle_t, void*, tmsize_t) {
  return 0;
}
toff_t Seek(thandle_t handle, toff_t offset, int whence) {
  auto* f = static_cast<MemoryFile*>(handle);
  const toff_t base = whence == SEEK_CUR ? f->at : whence == SEEK_END ? f->bytes.size() : 0;
  f->at = base + offset;
  return f->at;
}
int Close(thandle_t) {
  return 0;
}
toff_t Size(thandle_t handle) {
  return static_cast<MemoryFile*>(handle)->bytes.size();
}
int Map(thandle_t handle, void** base, toff_t* size) {
  auto* f = static_cast<MemoryFile*>(handle);
  *base = const_cast<std::uint8_t*>(f->bytes.data());
  *size = f->bytes.size();
  return 1;
}
void Unmap(thandle_t, void*, toff_t) {}

// Any error is damage (libtiff goes on past some, with garbage rows); the
// refusal says enough, so nothing is printed.
int CountError(TIFF*, void* user, const char*, const char* format, va_list) {
  auto* f = static_cast<MemoryFile*>(user);
  ++f->errors;
  if (std::strstr(format, "emory") != nullptr) f->outOfMemory = true;
  return 1;
}
int Quiet(TIFF*, void*, const char*, const char*, va_list) {
  return 1;
}

struct TiffCloser {
  TIFF* tiff;
  ~TiffCloser() { TIFFClose(tiff); }
};

// How the samples of a row are laid out, for the forms read row by row.
struct RowForm {
  std::uint16_t photometric = 0;
  int bits = 8;
  int samples = 1;  // per pixel
  int colours = 1;  // 1 grey or palette, 3 RGB
  int alpha = -1;   // the sample holding alpha, if any
  bool associated = false;
  std::uint16_t* map[3] = {nullptr, nullptr, nullptr};  // palette
  bool wideMap = false;                                 // 16-bit palette entries
};

unsigned Sample(const std::uint8_t* row, std::size_t index, int bits) {
  if (bits == 8) return row[index];
  if (bits == 16) {
    std::uint16_t v;
    std::memcpy(&v, row + index * 2, 2);  // libtiff gives native byte order
    return v;
  }
  const std::size_t bit = index * std::size_t(bits);
  return (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
}

std::uint8_t To8(unsigned value, int bits) {
  if (bits == 8) return std::uint8_t(value);
  if (bits == 16) return std::uint8_t((value * 255 + 32767) / 65535);
  return std::uint8_t(value * 255 / ((1u << bits) - 1));
}

// The forms TIFFReadScanline gives whole rows of; others go through
// libtiff's RGBA reader in bands.
bool ReadsByRow(TIFF* tiff, RowForm& form) {
  std::uint16_t planar = PLANARCONFIG_CONTIG, format = SAMPLEFORMAT_UINT, compression = 0, bits = 1,
                samples = 1;
  TIFFGetFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &planar);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLEFORMAT, &format);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_COMPRESSION, &compression);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
  if (!TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &form.photometric)) return false;
  if (TIFFIsTiled(tiff) || planar != PLANARCONFIG_CONTIG || format != SAMPLEFORMAT_UINT) return false;
  if (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16) return false;
  form.bits = bits;
  form.samples = samples;
  switch (form.photometric) {
    case PHOTOMETRIC_MINISBLACK:
    case PHOTOMETRIC_MINISWHITE:
      form.colours = 1;
      break;
    case PHOTOMETRIC_RGB:
      form.colours = 3;
      if (bits < 8) return false;
      break;
    case PHOTOMETRIC_PALETTE:
      form.colours = 1;
      if (bits > 8 || !TIFFGetField(tiff, TIFFTAG_COLORMAP, &form.map[0], &form.map[1], &form.map[2]))
        return false;
      for (std::size_t i = 0; i < (std::size_t{1} << bits); ++i)
        form.wideMap = form.wideMap || form.map[0][i] > 255 || form.map[1][i] > 255 || form.map[2][i] > 255;
      break;
    case PHOTOMETRIC_YCBCR:
      // JPEG-compressed: libjpeg turns it into RGB.
      if (compression != COMPRESSION_JPEG || bits != 8 || samples != 3) return false;
      TIFFSetField(tiff, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB);
      form.photometric = PHOTOMETRIC_RGB;
      form.colours = 3;
      break;
    default:
      return false;
  }
  if (form.samples < form.colours) return false;
  std::uint16_t extra = 0;
  std::uint16_t* kinds = nullptr;
  if (TIFFGetField(tiff, TIFFTAG_EXTRASAMPLES, &extra, &kinds) && extra > 0 && form.samples > form.colours) {
    // As libtiff's own reader: an unspecified fourth sample of RGB is alpha too.
    const bool alpha = kinds[0] == EXTRASAMPLE_ASSOCALPHA || kinds[0] == EXTRASAMPLE_UNASSALPHA ||
                       (kinds[0] == EXTRASAMPLE_UNSPECIFIED && form.colours == 3 && form.samples == 4);
    if (alpha) form.alpha = form.colours;
    form.associated = kinds[0] == EXTRASAMPLE_ASSOCALPHA;
  }
  return true;
}

void Unassociate(std::uint8_t* p) {
  if (p[3] == 0 || p[3] == 255) return;
  for (int c = 0; c < 3; ++c) p[c] = static_cast<std::uint8_t>(std::min(255, (p[c] * 255 + p[3] / 2) / p[3]));
}

void ConvertRow(const RowForm& form, const std::uint8_t* row, int width, std::uint8_t* rgba) {
  if (form.bits == 8 && form.photometric == PHOTOMETRIC_RGB && form.alpha < 0) {
    // The common form, quickly.
    for (int x = 0; x < width; ++x, rgba += 4, row += form.samples) {
      rgba[0] = row[0], rgba[1] = row[1], rgba[2] = row[2], rgba[3] = 255;
    }
    return;
  }
  for (int x = 0; x < width; ++x, rgba += 4) {
    const std::size_t first = std::size_t(x) * std::size_t(form.samples);
    if (form.photometric == PHOTOMETRIC_PALETTE) {
      const unsigned index = Sample(row, first, form.bits);
      for (int c = 0; c < 3; ++c)
        rgba[c] = std::uint8_t(form.wideMap ? form.map[c][index] >> 8 : form.map[c][index]);
    } else if (form.colours == 1) {
      const std::uint8_t grey = To8(Sample(row, first, form.bits), form.bits);
      rgba[0] = rgba[1] = rgba[2] = form.photometric == PHOTOMETRIC_MINISWHITE ? 255 - grey : grey;
    } else {
      for (int c = 0; c < 3; ++c) rgba[c] = To8(Sample(row, first + std::size_t(c), form.bits), form.bits);
    }
    rgba[3] = form.alpha < 0 ? 255 : To8(Sample(row, first + std::size_t(form.alpha), form.bits), form.bits);
    if (form.associated) Unassociate(rgba);
  }
}

bool ReadRows(TIFF* tiff, const RowForm& form, int width, int height, PixelSink& sink) {
  const std::size_t rowBytes = std::size_t(TIFFScanlineSize64(tiff));
  if (rowBytes < (std::size_t(width) * std::size_t(form.samples) * std::size_t(form.bits) + 7) / 8)
    return false;
  // A strip at a time where strips are small, as libtiff decodes fastest;
  // a row at a time through one large strip.
  std::uint32_t rowsPerStrip = 0;
  TIFFGetFieldDefaulted(tiff, TIFFTAG_ROWSPERSTRIP, &rowsPerStrip);
  const std::uint32_t band =
      rowsPerStrip > 0 && std::uint64_t(rowsPerStrip) * rowBytes <= (4u << 20) ? rowsPerStrip : 1;
  std::vector<std::uint8_t> rows(std::size_t(band) * rowBytes);
  std::vector<std::uint8_t> rgba(std::size_t(width) * 4);
  for (std::uint32_t y = 0; y < std::uint32_t(height); y += band) {
    const std::uint32_t count = std::min(band, std::uint32_t(height) - y);
    if (band > 1) {
      const tmsize_t want = tmsize_t(std::size_t(count) * rowBytes);
      if (TIFFReadEncodedStrip(tiff, TIFFComputeStrip(tiff, y, 0), rows.data(), want) != want) return false;
    } else if (TIFFReadScanline(tiff, rows.data(), y, 0) < 0) {
      return false;
    }
    for (std::uint32_t r = 0; r < count; ++r) {
      ConvertRow(form, &rows[std::size_t(r) * rowBytes], width, rgba.data());
      sink.Pixels(int(y + r), 0, 1, width, rgba.data());
    }
    sink.Consumed(TIFFGetStrileOffset(tiff, TIFFComputeStrip(tiff, y, 0)));
  }
  return true;
}

// Every other form, through libtiff's RGBA reader, a strip or row of tiles at
// a time (at most 64 MB of it).
bool ReadBands(TIFF* tiff, int width, int height, PixelSink& sink) {
  char why[1024];
  TIFFRGBAImage reader;
  if (!TIFFRGBAImageOK(tiff, why) || !TIFFRGBAImageBegin(&reader, tiff, 1, why)) return false;
  // Rows as stored; the orientation is applied afterwards like any other format's.
  reader.req_orientation = ORIENTATION_TOPLEFT;
  reader.orientation = ORIENTATION_TOPLEFT;
  std::uint32_t band = 0;
  if (TIFFIsTiled(tiff))
    TIFFGetField(tiff, TIFFTAG_TILELENGTH, &band);
  else
    TIFFGetFieldDefaulted(tiff, TIFFTAG_ROWSPERSTRIP, &band);
  const std::uint32_t most = std::max<std::uint32_t>(1, (64u << 20) / (std::uint32_t(width) * 4));
  band = std::clamp<std::uint32_t>(band, 1, std::min<std::uint32_t>(most, std::uint32_t(height)));
  bool ok = true;
  try {
    std::vector<std::uint32_t> packed(std::size_t(width) * band);
    std::vector<std::uint8_t> rgba(std::size_t(width) * 4);
    // libtiff's RGBA reader premultiplies unassociated alpha too.
    const bool associated = reader.alpha != 0;
    for (std::uint32_t y = 0; ok && y < std::uint32_t(height); y += band) {
      const std::uint32_t rows = std::min(band, std::uint32_t(height) - y);
      reader.row_offset = int(y);
      ok = TIFFRGBAImageGet(&reader, packed.data(), std::uint32_t(width), rows) != 0;
      for (std::uint32_t r = 0; ok && r < rows; ++r) {
        for (int x = 0; x < width; ++x) {
          const std::uint32_t word = packed[std::size_t(r) * std::size_t(width) + std::size_t(x)];
          std::uint8_t* p = &rgba[std::size_t(x) * 4];
          p[0] = static_cast<std::uint8_t>(TIFFGetR(word));
          p[1] = static_cast<std::uint8_t>(TIFFGetG(word));
          p[2] = static_cast<std::uint8_t>(TIFFGetB(word));
          p[3] = static_cast<std::uint8_t>(TIFFGetA(word));
          // The compositing wants straight colours.
          if (associated) Unassociate(p);
        }
        sink.Pixels(int(y + r), 0, 1, width, rgba.data());
      }
    }
  } catch (const std::bad_alloc&) {
    TIFFRGBAImageEnd(&reader);
    throw;
  }
  TIFFRGBAImageEnd(&reader);
  return ok;
}

}  // namespace

Status DecodeTiff(std::span<const std::uint8_t> file, PixelSink& sink) {
  TIFFSetErrorHandler(nullptr);
  TIFFSetWarningHandler(nullptr);
  MemoryFile memory{file};
  TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
  TIFFOpenOptionsSetErrorHandlerExtR(options, CountError, &memory);
  TIFFOpenOptionsSetWarningHandlerExtR(options, Quiet, nullptr);
  // Nothing read here needs a large block from libtiff itself: the strips are
  // read where they lie, row by row.
  TIFFOpenOptionsSetMaxSingleMemAlloc(options, tmsize_t{64} << 20);
  // "O": the strip offsets are read when needed, not thousands of them at once.
  TIFF* tiff =
      TIFFClientOpenExt("picture", "rO", &memory, Read, Write, Seek, Close, Size, Map, Unmap, options);
  TIFFOpenOptionsFree(options);
  const auto failed = [&memory] {
    return memory.outOfMemory ? PictureTooLargeMessage() : DamagedPictureMessage("TIFF");
  };
  if (tiff == nullptr) return failed();
  const TiffCloser closer{tiff};

  std::uint32_t width = 0;
  std::uint32_t height = 0;
  if (!TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width) || !TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height))
    return DamagedPictureMessage("TIFF");
  if (auto refusal = SizeRefusal("TIFF", width, height, sink.MaxPixels())) return *refusal;
  PictureFacts facts;
  facts.format = "TIFF";
  facts.width = static_cast<int>(width);
  facts.height = static_cast<int>(height);
  std::uint16_t extra = 0;
  std::uint16_t* kinds = nullptr;
  facts.hasAlpha = TIFFGetField(tiff, TIFFTAG_EXTRASAMPLES, &extra, &kinds) && extra > 0;
  std::uint16_t orientation = 1;
  if (TIFFGetField(tiff, TIFFTAG_ORIENTATION, &orientation)) facts.orientation = orientation;
  std::uint32_t profileSize = 0;
  void* profile = nullptr;
  std::span<const std::uint8_t> icc;
  if (TIFFGetField(tiff, TIFFTAG_ICCPROFILE, &profileSize, &profile) && profileSize > 0) {
    facts.hasProfile = true;
    icc = {static_cast<const std::uint8_t*>(profile), profileSize};
  }
  char why[1024];
  if (!TIFFRGBAImageOK(tiff, why) || memory.errors > 0) return failed();
  if (!sink.Header(facts, icc)) return Done{};

  if (!sink.Begin({facts.width, facts.height})) return PictureTooLargeMessage();
  RowForm form;
  const bool read = ReadsByRow(tiff, form) ? ReadRows(tiff, form, facts.width, facts.height, sink)
                                           : ReadBands(tiff, facts.width, facts.height, sink);
  if (!read || memory.errors > 0) return failed();
  return Done{};
}

}  // namespace vorlune
