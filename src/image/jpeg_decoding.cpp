#include <csetjmp>
#include <cstdio>
#include <cstring>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>
// After jpeglib.h, which it needs.
#include <jerror.h>

#include "image/picture_decoding.h"

namespace vorlune {

namespace {

struct ErrorJump {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
  bool cut;  // the data ended early; libjpeg goes on with grey
};

void JumpOnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1);
}
void NoteWarning(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) reinterpret_cast<ErrorJump*>(info->err)->cut = true;
}

// Everything the plain-C part hands back; no object with a destructor lives
// while libjpeg may jump out of a call.
struct JpegRun {
  jpeg_decompress_struct info;
  ErrorJump error;
  unsigned width = 0;
  unsigned height = 0;
  int components = 0;
  bool cmyk = false;
  bool adobeInverted = false;
  int orientation = 1;
  JOCTET* icc = nullptr;
  unsigned iccLength = 0;
};

// 0: done, 1: damaged, 2: too large.
int RunJpeg(JpegRun& run, const std::uint8_t* data, std::size_t size, bool headerOnly, std::uint8_t* pixels) {
  run.info.err = jpeg_std_error(&run.error.manager);
  run.error.manager.error_exit = JumpOnError;
  run.error.manager.emit_message = NoteWarning;
  run.error.cut = false;
  if (setjmp(run.error.jump)) {
    jpeg_destroy_decompress(&run.info);
    return 1;
  }
  jpeg_create_decompress(&run.info);
  jpeg_mem_src(&run.info, data, static_cast<unsigned long>(size));
  jpeg_save_markers(&run.info, JPEG_APP0 + 1, 0xFFFF);
  jpeg_save_markers(&run.info, JPEG_APP0 + 2, 0xFFFF);
  jpeg_read_header(&run.info, TRUE);
  run.width = run.info.image_width;
  run.height = run.info.image_height;
  if (!PictureSizeAllowed(run.width, run.height)) {
    jpeg_destroy_decompress(&run.info);
    return 2;
  }
  for (jpeg_saved_marker_ptr m = run.info.marker_list; m != nullptr; m = m->next) {
    if (m->marker == JPEG_APP0 + 1 && m->data_length > 6 && std::memcmp(m->data, "Exif\0\0", 6) == 0)
      run.orientation = ExifOrientation({m->data, m->data_length});
  }
  if (run.icc == nullptr) jpeg_read_icc_profile(&run.info, &run.icc, &run.iccLength);
  run.cmyk = run.info.jpeg_color_space == JCS_CMYK || run.info.jpeg_color_space == JCS_YCCK;
  run.adobeInverted = run.info.saw_Adobe_marker;
  if (headerOnly) {
    jpeg_destroy_decompress(&run.info);
    return 0;
  }
  run.info.out_color_space = run.cmyk ? JCS_CMYK : JCS_EXT_RGBA;
  jpeg_start_decompress(&run.info);
  while (run.info.output_scanline < run.info.output_height) {
    JSAMPROW row = pixels + std::size_t{run.info.output_scanline} * run.width * 4;
    jpeg_read_scanlines(&run.info, &row, 1);
  }
  jpeg_finish_decompress(&run.info);
  jpeg_destroy_decompress(&run.info);
  // A file cut short decodes with grey filling; it is damaged all the same.
  return run.error.cut ? 1 : 0;
}

}  // namespace

Result<RgbaPixels> DecodeJpeg(std::span<const std::uint8_t> file, bool headerOnly) {
  // The header pass tells the size, so the pixels can be allocated before decoding.
  JpegRun header{};
  const int checked = RunJpeg(header, file.data(), file.size(), true, nullptr);
  std::free(header.icc);
  if (checked == 1) return DamagedPictureMessage("JPEG");
  if (checked == 2) return PictureTooLargeMessage();

  RgbaPixels out;
  out.facts.format = "JPEG";
  out.width = out.facts.width = static_cast<int>(header.width);
  out.height = out.facts.height = static_cast<int>(header.height);
  out.facts.orientation = header.orientation;
  out.facts.hasProfile = header.iccLength > 0;
  if (headerOnly) return out;

  out.rgba.resize(std::size_t{header.width} * header.height * 4);
  JpegRun run{};
  const int decoded = RunJpeg(run, file.data(), file.size(), false, out.rgba.data());
  if (run.icc != nullptr) {
    // A CMYK profile does not apply to the RGB the pixels are turned into.
    if (!run.cmyk) out.iccProfile.assign(run.icc, run.icc + run.iccLength);
    std::free(run.icc);
  }
  if (decoded != 0) return DamagedPictureMessage("JPEG");
  if (run.cmyk) {
    // A plain conversion; Adobe's files store the inks inverted.
    for (std::size_t i = 0; i < out.rgba.size(); i += 4) {
      std::uint8_t* p = &out.rgba[i];
      const int k = run.adobeInverted ? p[3] : 255 - p[3];
      for (int c = 0; c < 3; ++c) {
        const int ink = run.adobeInverted ? p[c] : 255 - p[c];
        p[c] = static_cast<std::uint8_t>((ink * k + 127) / 255);
      }
      p[3] = 255;
    }
  }
  return out;
}

}  // namespace vorlune
