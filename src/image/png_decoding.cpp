#include <png.h>

#include <csetjmp>
#include <cstring>
#include <new>
#include <vector>

#include "image/picture_decoders.h"

namespace vorlune {

namespace {

std::uint32_t BE32(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

// The largest chunk libpng inflates (a profile) or keeps; larger ones are dropped.
constexpr png_alloc_size_t kLargestChunk = 4u << 20;

// Everything the plain-C part shares with its callbacks; no object with a
// destructor lives in a frame libpng may jump out of.
struct PngRun {
  std::span<const std::uint8_t> file;
  std::size_t at = 0;
  PixelSink* sink = nullptr;
  bool outOfMemory = false;
};

void ReadFromMemory(png_structp png, png_bytep into, png_size_t length) {
  auto* run = static_cast<PngRun*>(png_get_io_ptr(png));
  if (length > run->file.size() - run->at) png_error(png, "the file ends early");
  std::memcpy(into, run->file.data() + run->at, length);
  run->at += length;
}

void Fail(png_structp png, png_const_charp message) {
  // libpng's allocation failures say so; anything else is damage.
  if (std::strstr(message, "memory") != nullptr || std::strstr(message, "Out of") != nullptr)
    static_cast<PngRun*>(png_get_error_ptr(png))->outOfMemory = true;
  png_longjmp(png, 1);
}
void Quiet(png_structp, png_const_charp) {}

// Chunks read for nothing: only the size, colours, transparency, gamma,
// profile and orientation matter, so text, time and the like are skipped
// unread rather than inflated and kept.
constexpr png_byte kIgnoredChunks[] =
    "tEXt\0zTXt\0iTXt\0sPLT\0hIST\0tIME\0pCAL\0sCAL\0pHYs\0oFFs\0sBIT\0cHRM\0bKGD";

struct Layout {
  int passes = 1;
  bool interlaced = false;
  std::size_t rowBytes = 0;
};

// 0: header read (or the sink wanted only that), 1: damaged, 2: too large.
int ReadHeader(png_structp png, png_infop info, PngRun& run, PictureFacts& facts, Layout& layout,
               bool& wantPixels) {
  if (setjmp(png_jmpbuf(png))) return run.outOfMemory ? 2 : 1;
  png_set_read_fn(png, &run, ReadFromMemory);
  png_set_chunk_malloc_max(png, kLargestChunk);
  png_set_chunk_cache_max(png, 64);
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, kIgnoredChunks, 13);
  // The chunks' CRCs already catch damaged data: zlib's own checksum of the
  // same bytes would only cost time.
  png_set_option(png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
  png_read_info(png, info);

  png_uint_32 width = 0, height = 0;
  int depth = 0, colorType = 0, interlace = 0;
  png_get_IHDR(png, info, &width, &height, &depth, &colorType, &interlace, nullptr, nullptr);
  facts.width = static_cast<int>(width);
  facts.height = static_cast<int>(height);
  facts.hasAlpha = (colorType & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  png_bytep exif = nullptr;
  png_uint_32 exifLength = 0;
  if (png_get_eXIf_1(png, info, &exifLength, &exif) != 0 && exif != nullptr)
    facts.orientation = ExifOrientation({exif, exifLength});
  png_charp name = nullptr;
  int compression = 0;
  png_bytep profile = nullptr;
  png_uint_32 profileLength = 0;
  const bool hasProfile = png_get_iCCP(png, info, &name, &compression, &profile, &profileLength) != 0;
  facts.hasProfile = hasProfile && profileLength > 0;
  wantPixels =
      run.sink->Header(facts, facts.hasProfile ? std::span<const std::uint8_t>(profile, profileLength)
                                               : std::span<const std::uint8_t>());
  if (!wantPixels) return 0;

  // Every form becomes 8-bit RGBA. 16-bit samples are scaled, not taken as
  // linear light: without gAMA or sRGB they are sRGB like any other.
  png_set_expand(png);
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  double gamma = 0;
  if (!hasProfile && !png_get_valid(png, info, PNG_INFO_sRGB) && png_get_gAMA(png, info, &gamma) && gamma > 0)
    png_set_gamma(png, PNG_DEFAULT_sRGB, gamma);
  layout.interlaced = interlace != PNG_INTERLACE_NONE;
  layout.passes = layout.interlaced ? PNG_INTERLACE_ADAM7_PASSES : 1;
  png_read_update_info(png, info);
  layout.rowBytes = png_get_rowbytes(png, info);
  return layout.rowBytes == std::size_t(width) * 4 ? 0 : 1;
}

// Delivers the rows, pass by pass for an interlaced picture.
int ReadRows(png_structp png, PngRun& run, const Layout& layout, std::uint8_t* row, int width, int height) {
  if (setjmp(png_jmpbuf(png))) return run.outOfMemory ? 2 : 1;
  for (int pass = 0; pass < layout.passes; ++pass) {
    const int x0 = layout.interlaced ? int(PNG_PASS_START_COL(pass)) : 0;
    const int y0 = layout.interlaced ? int(PNG_PASS_START_ROW(pass)) : 0;
    const int dx = layout.interlaced ? 1 << PNG_PASS_COL_SHIFT(pass) : 1;
    const int dy = layout.interlaced ? 1 << PNG_PASS_ROW_SHIFT(pass) : 1;
    const int columns = layout.interlaced ? int(PNG_PASS_COLS(png_uint_32(width), pass)) : width;
    const int rows = layout.interlaced ? int(PNG_PASS_ROWS(png_uint_32(height), pass)) : height;
    // libpng skips empty passes.
    if (columns == 0 || rows == 0) continue;
    for (int r = 0; r < rows; ++r) {
      png_read_row(png, row, nullptr);
      run.sink->Pixels(y0 + r * dy, x0, dx, columns, row);
      if (r % 64 == 63) run.sink->Consumed(run.at);
    }
  }
  png_read_end(png, nullptr);
  return 0;
}

struct PngCloser {
  png_structp png;
  png_infop info;
  ~PngCloser() { png_destroy_read_struct(&png, &info, nullptr); }
};

}  // namespace

Status DecodePng(std::span<const std::uint8_t> file, PixelSink& sink) {
  if (file.size() < 33 || std::memcmp(&file[12], "IHDR", 4) != 0) return DamagedPictureMessage("PNG");
  // Refused from the header's size before libpng reads anything.
  const std::uint32_t width = BE32(&file[16]);
  const std::uint32_t height = BE32(&file[20]);
  if (auto refusal = SizeRefusal("PNG", width, height, sink.MaxPixels())) return *refusal;

  PngRun run{file, 0, &sink};
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &run, Fail, Quiet);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  const PngCloser closer{png, info};
  if (info == nullptr) return PictureTooLargeMessage();
  png_set_user_limits(png, kMaxPictureSide, kMaxPictureSide);

  PictureFacts facts;
  facts.format = "PNG";
  Layout layout;
  bool wantPixels = false;
  const auto refusal = [](int code) {
    return code == 2 ? PictureTooLargeMessage() : DamagedPictureMessage("PNG");
  };
  if (const int read = ReadHeader(png, info, run, facts, layout, wantPixels); read != 0) return refusal(read);
  if (!wantPixels) return Done{};
  if (!sink.Begin({int(width), int(height), layout.interlaced})) return PictureTooLargeMessage();
  std::vector<std::uint8_t> row(layout.rowBytes);
  if (const int read = ReadRows(png, run, layout, row.data(), int(width), int(height)); read != 0)
    return refusal(read);
  return Done{};
}

}  // namespace vorlune
