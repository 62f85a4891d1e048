#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>
// After jpeglib.h, which it needs.
#include <jerror.h>

#include "image/picture_decoders.h"

namespace vorlune {

namespace {

// Progressive files have about ten scans; thousands only make the decoder
// go over every block again and again.
constexpr int kMostScans = 300;
// The pieces of an embedded profile, together; a larger profile is ignored.
constexpr std::size_t kLargestProfile = 4u << 20;

enum Outcome { kOk = 0, kDamaged = 1, kTooLarge = 2 };

// What the marker reader keeps: the first EXIF block and the profile's pieces.
struct JpegMetadata {
  std::vector<std::uint8_t> exif;
  std::vector<std::vector<std::uint8_t>> iccPieces;
  std::size_t iccBytes = 0;
  bool iccBroken = false;
};

// Everything the plain-C part shares with its callbacks. No object with a
// destructor lives in a frame libjpeg may jump out of: those are the caller's.
struct JpegRun {
  jpeg_decompress_struct info;
  jpeg_error_mgr errors;
  jpeg_progress_mgr progress;
  std::jmp_buf jump;
  int outcome;
  JpegMetadata* metadata;
};

JpegRun& RunOf(j_common_ptr info) {
  return *static_cast<JpegRun*>(info->client_data);
}

[[noreturn]] void Leave(j_common_ptr info, int outcome) {
  JpegRun& run = RunOf(info);
  run.outcome = outcome;
  std::longjmp(run.jump, 1);
}

void OnError(j_common_ptr info) {
  Leave(info, info->err->msg_code == JERR_OUT_OF_MEMORY ? kTooLarge : kDamaged);
}

// libjpeg only warns about data cut short or corrupt and fills the rest of
// the picture with grey; such a file is damaged all the same.
void OnMessage(j_common_ptr info, int level) {
  if (level >= 0) return;
  switch (info->err->msg_code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_EXTRANEOUS_DATA:
    case JWRN_MUST_RESYNC:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE:
    case JWRN_NOT_SEQUENTIAL:
    case JWRN_BOGUS_PROGRESSION:
      Leave(info, kDamaged);
    default:
      return;
  }
}

void WatchScans(j_common_ptr info) {
  if (info->is_decompressor && reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMostScans)
    Leave(info, kDamaged);
}

// Reads `count` bytes of the current marker into `into` (appended, when
// given) or `raw` (when given).
void Take(j_decompress_ptr info, std::size_t count, std::vector<std::uint8_t>* into,
          std::uint8_t* raw = nullptr) {
  jpeg_source_mgr* src = info->src;
  while (count > 0) {
    if (src->bytes_in_buffer == 0) (*src->fill_input_buffer)(info);  // at the end: a warning, above
    const std::size_t n = std::min(count, src->bytes_in_buffer);
    bool stored = true;
    try {
      if (into != nullptr) into->insert(into->end(), src->next_input_byte, src->next_input_byte + n);
    } catch (const std::bad_alloc&) {
      stored = false;
    }
    if (!stored) Leave(reinterpret_cast<j_common_ptr>(info), kTooLarge);
    if (raw != nullptr) raw = std::copy_n(src->next_input_byte, n, raw);
    src->next_input_byte += n;
    src->bytes_in_buffer -= n;
    count -= n;
  }
}

// APP1 and APP2: the first EXIF block and the profile's pieces are kept, up
// to a limit; every other marker is skipped unread. Only plain data lives
// here: the kept bytes go to the caller's vectors.
boolean ReadAppMarker(j_decompress_ptr info) {
  JpegMetadata& metadata = *RunOf(reinterpret_cast<j_common_ptr>(info)).metadata;
  std::uint8_t bytes[2];
  Take(info, 2, nullptr, bytes);
  std::size_t length = std::size_t(bytes[0] << 8 | bytes[1]);
  if (length < 2) Leave(reinterpret_cast<j_common_ptr>(info), kDamaged);
  length -= 2;
  const bool app1 = info->unread_marker == JPEG_APP0 + 1;
  if (app1 && metadata.exif.empty() && length >= 6) {
    Take(info, length, &metadata.exif);
    if (std::memcmp(metadata.exif.data(), "Exif\0\0", 6) != 0) metadata.exif.clear();
    return TRUE;
  }
  constexpr std::size_t kIccHead = 14;  // "ICC_PROFILE\0", piece number, count
  std::uint8_t head[kIccHead];
  if (app1 || length < kIccHead || metadata.iccBroken) {
    Take(info, length, nullptr);
    return TRUE;
  }
  Take(info, kIccHead, nullptr, head);
  const int number = head[12];
  const int count = head[13];
  const bool icc = std::memcmp(head, "ICC_PROFILE\0", 12) == 0;
  const bool fits = metadata.iccPieces.empty() ? count > 0 : std::size_t(count) == metadata.iccPieces.size();
  const std::size_t size = length - kIccHead;
  bool kept = false;
  if (icc && fits && number >= 1 && number <= count && metadata.iccBytes + size <= kLargestProfile) {
    try {
      if (metadata.iccPieces.empty()) metadata.iccPieces.resize(std::size_t(count));
      kept = metadata.iccPieces[std::size_t(number - 1)].empty();
    } catch (const std::bad_alloc&) {
      kept = false;
    }
  }
  if (kept) {
    Take(info, size, &metadata.iccPieces[std::size_t(number - 1)]);
    metadata.iccBytes += size;
  } else {
    metadata.iccBroken = metadata.iccBroken || icc;
    Take(info, size, nullptr);
  }
  return TRUE;
}

int ReadHeader(JpegRun& run, std::span<const std::uint8_t> file) {
  if (setjmp(run.jump)) return run.outcome;
  run.info.err = jpeg_std_error(&run.errors);
  run.errors.error_exit = OnError;
  run.errors.emit_message = OnMessage;
  run.info.client_data = &run;  // kept by the creation, which may already fail
  jpeg_create_decompress(&run.info);
  run.progress.progress_monitor = WatchScans;
  run.info.progress = &run.progress;
  jpeg_mem_src(&run.info, file.data(), static_cast<unsigned long>(file.size()));
  jpeg_set_marker_processor(&run.info, JPEG_APP0 + 1, ReadAppMarker);
  jpeg_set_marker_processor(&run.info, JPEG_APP0 + 2, ReadAppMarker);
  jpeg_read_header(&run.info, TRUE);
  return kOk;
}

// Picks the smallest DCT scaling that keeps the short side at `wanted`.
int ChooseScale(JpegRun& run, int wanted, bool cmyk, std::size_t fileSize) {
  if (setjmp(run.jump)) return run.outcome;
  jpeg_decompress_struct& info = run.info;
  info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_RGBA;
  info.scale_denom = 8;
  info.scale_num = 8;
  for (unsigned num = 1; wanted > 0 && num < 8; ++num) {
    info.scale_num = num;
    jpeg_calc_output_dimensions(&info);
    // At 1/8 only the blocks' means are decoded, much faster; the builder
    // sharpens them, which makes up for a quarter of the size (not more:
    // below that, their rounding to whole levels shows on smooth skies).
    const int least = num == 1 ? wanted * 3 / 4 : wanted;
    if (int(std::min(info.output_width, info.output_height)) >= least) break;
    info.scale_num = 8;
  }
  jpeg_calc_output_dimensions(&info);
  // A file of several scans is held whole as coefficients before the first
  // row comes out. Each scan codes every block of its component in at least
  // one bit, so a file too short for that is damaged: refused before the
  // coefficients are allocated.
  if (jpeg_has_multiple_scans(&info) && !info.arith_code) {
    std::uint64_t least = UINT64_MAX;
    for (int c = 0; c < info.num_components; ++c) {
      const jpeg_component_info& component = info.comp_info[c];
      least = std::min(least, std::uint64_t(component.width_in_blocks) * component.height_in_blocks);
    }
    if (fileSize < least / 8) return kDamaged;
  }
  return kOk;
}

int ReadRows(JpegRun& run, PixelSink& sink, std::uint8_t* row, bool cmyk, const std::uint8_t* file) {
  if (setjmp(run.jump)) return run.outcome;
  jpeg_decompress_struct& info = run.info;
  const bool inverted = info.saw_Adobe_marker;
  jpeg_start_decompress(&info);
  const int width = int(info.output_width);
  while (info.output_scanline < info.output_height) {
    const int y = int(info.output_scanline);
    JSAMPROW rows[1] = {row};
    jpeg_read_scanlines(&info, rows, 1);
    if (cmyk) {
      // A plain conversion; Adobe's files store the inks inverted.
      for (int x = 0; x < width; ++x) {
        std::uint8_t* p = &row[std::size_t(x) * 4];
        const int k = inverted ? p[3] : 255 - p[3];
        for (int c = 0; c < 3; ++c) {
          const int ink = inverted ? p[c] : 255 - p[c];
          p[c] = static_cast<std::uint8_t>((ink * k + 127) / 255);
        }
        p[3] = 255;
      }
    }
    sink.Pixels(y, 0, 1, width, row);
    if (y % 64 == 63) sink.Consumed(std::size_t(info.src->next_input_byte - file));
  }
  jpeg_finish_decompress(&info);
  return kOk;
}

struct JpegCloser {
  jpeg_decompress_struct* info;
  ~JpegCloser() { jpeg_destroy_decompress(info); }
};

UserMessage Refusal(int outcome) {
  return outcome == kTooLarge ? PictureTooLargeMessage() : DamagedPictureMessage("JPEG");
}

}  // namespace

Status DecodeJpeg(std::span<const std::uint8_t> file, PixelSink& sink) {
  JpegMetadata metadata;
  JpegRun run{};
  run.metadata = &metadata;
  const JpegCloser closer{&run.info};
  if (const int read = ReadHeader(run, file); read != kOk) return Refusal(read);
  const jpeg_decompress_struct& info = run.info;
  if (auto refusal = SizeRefusal("JPEG", info.image_width, info.image_height, sink.MaxPixels()))
    return *refusal;

  PictureFacts facts;
  facts.format = "JPEG";
  facts.width = static_cast<int>(info.image_width);
  facts.height = static_cast<int>(info.image_height);
  if (!metadata.exif.empty()) facts.orientation = ExifOrientation(metadata.exif);
  std::vector<std::uint8_t> profile;
  const bool whole = !metadata.iccBroken && !metadata.iccPieces.empty() &&
                     std::none_of(metadata.iccPieces.begin(), metadata.iccPieces.end(),
                                  [](const auto& piece) { return piece.empty(); });
  if (whole) {
    for (const auto& piece : metadata.iccPieces) profile.insert(profile.end(), piece.begin(), piece.end());
  }
  facts.hasProfile = !profile.empty();
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  // A CMYK profile does not apply to the RGB the pixels are turned into.
  if (!sink.Header(facts, cmyk ? std::span<const std::uint8_t>() : profile)) return Done{};

  if (const int chosen = ChooseScale(run, sink.ShortSideWanted(), cmyk, file.size()); chosen != kOk)
    return Refusal(chosen);
  if (!sink.Begin(
          {int(info.output_width), int(info.output_height), false, info.scale_num < 8, info.scale_num == 1}))
    return PictureTooLargeMessage();
  std::vector<std::uint8_t> row(std::size_t(info.output_width) * 4);
  if (const int read = ReadRows(run, sink, row.data(), cmyk, file.data()); read != kOk) return Refusal(read);
  return Done{};
}

}  // namespace vorlune
