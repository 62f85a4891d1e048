#include <tiffio.h>

#include <algorithm>
#include <cstring>

#include "image/picture_decoding.h"

namespace vorlune {

namespace {

struct MemoryFile {
  std::span<const std::uint8_t> bytes;
  toff_t at = 0;
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
int Map(thandle_t, void**, toff_t*) {
  return 0;
}
void Unmap(thandle_t, void*, toff_t) {}

// libtiff reports through these; the refusal says enough.
int Quiet(TIFF*, void*, const char*, const char*, va_list) {
  return 1;
}

struct TiffCloser {
  TIFF* tiff;
  ~TiffCloser() { TIFFClose(tiff); }
};

}  // namespace

Result<RgbaPixels> DecodeTiff(std::span<const std::uint8_t> file, bool headerOnly) {
  TIFFSetErrorHandler(nullptr);
  TIFFSetWarningHandler(nullptr);
  MemoryFile memory{file};
  TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
  TIFFOpenOptionsSetErrorHandlerExtR(options, Quiet, nullptr);
  TIFFOpenOptionsSetWarningHandlerExtR(options, Quiet, nullptr);
  // No single allocation beyond a 100-megapixel picture's strips.
  TIFFOpenOptionsSetMaxSingleMemAlloc(options, tmsize_t{512} << 20);
  TIFF* tiff =
      TIFFClientOpenExt("picture", "rm", &memory, Read, Write, Seek, Close, Size, Map, Unmap, options);
  TIFFOpenOptionsFree(options);
  if (tiff == nullptr) return DamagedPictureMessage("TIFF");
  const TiffCloser closer{tiff};

  RgbaPixels out;
  out.facts.format = "TIFF";
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  if (!TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width) || !TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height))
    return DamagedPictureMessage("TIFF");
  if (!PictureSizeAllowed(width, height)) return PictureTooLargeMessage();
  out.width = out.facts.width = static_cast<int>(width);
  out.height = out.facts.height = static_cast<int>(height);
  std::uint16_t extra = 0;
  std::uint16_t* kinds = nullptr;
  out.facts.hasAlpha = TIFFGetField(tiff, TIFFTAG_EXTRASAMPLES, &extra, &kinds) && extra > 0;
  std::uint16_t orientation = 1;
  if (TIFFGetField(tiff, TIFFTAG_ORIENTATION, &orientation)) out.facts.orientation = orientation;
  std::uint32_t profileSize = 0;
  void* profile = nullptr;
  if (TIFFGetField(tiff, TIFFTAG_ICCPROFILE, &profileSize, &profile) && profileSize > 0) {
    out.facts.hasProfile = true;
    out.iccProfile.assign(static_cast<const std::uint8_t*>(profile),
                          static_cast<const std::uint8_t*>(profile) + profileSize);
  }
  char why[1024];
  if (!TIFFRGBAImageOK(tiff, why)) return DamagedPictureMessage("TIFF");
  if (headerOnly) return out;

  // libtiff reads the picture top-left first as stored; the orientation is
  // applied afterwards like any other format's.
  // Read straight into the output, one packed word per pixel, then unpacked in
  // place, so the picture is held only once.
  out.rgba.resize(std::size_t{width} * height * 4);
  auto* packed = reinterpret_cast<std::uint32_t*>(out.rgba.data());
  TIFFRGBAImage reader;
  if (!TIFFRGBAImageBegin(&reader, tiff, 0, why)) return DamagedPictureMessage("TIFF");
  reader.req_orientation = ORIENTATION_TOPLEFT;
  reader.orientation = ORIENTATION_TOPLEFT;
  const int got = TIFFRGBAImageGet(&reader, packed, width, height);
  const bool associated = reader.alpha == EXTRASAMPLE_ASSOCALPHA;
  TIFFRGBAImageEnd(&reader);
  if (!got) return DamagedPictureMessage("TIFF");
  for (std::size_t i = 0; i < std::size_t{width} * height; ++i) {
    std::uint32_t word = 0;
    std::memcpy(&word, &out.rgba[i * 4], 4);
    std::uint8_t* p = &out.rgba[i * 4];
    p[0] = static_cast<std::uint8_t>(TIFFGetR(word));
    p[1] = static_cast<std::uint8_t>(TIFFGetG(word));
    p[2] = static_cast<std::uint8_t>(TIFFGetB(word));
    p[3] = static_cast<std::uint8_t>(TIFFGetA(word));
    // Associated alpha comes premultiplied; the compositing wants it straight.
    if (associated && p[3] != 0 && p[3] != 255) {
      for (int c = 0; c < 3; ++c)
        p[c] = static_cast<std::uint8_t>(std::min(255, (p[c] * 255 + p[3] / 2) / p[3]));
    }
  }
  return out;
}

}  // namespace vorlune
