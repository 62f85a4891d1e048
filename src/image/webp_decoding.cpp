#include <webp/decode.h>
#include <webp/demux.h>

#include <cstring>

#include "image/picture_decoding.h"

namespace vorlune {

Result<RgbaPixels> DecodeWebp(std::span<const std::uint8_t> file, bool headerOnly) {
  const WebPData data{file.data(), file.size()};
  WebPDemuxState state = WEBP_DEMUX_PARSING_HEADER;
  WebPDemuxer* demux = WebPDemuxPartial(&data, &state);
  if (demux == nullptr || state != WEBP_DEMUX_DONE) {
    WebPDemuxDelete(demux);
    return DamagedPictureMessage("WebP");
  }
  RgbaPixels out;
  out.facts.format = "WebP";
  const std::uint32_t width = WebPDemuxGetI(demux, WEBP_FF_CANVAS_WIDTH);
  const std::uint32_t height = WebPDemuxGetI(demux, WEBP_FF_CANVAS_HEIGHT);
  if (!PictureSizeAllowed(width, height)) {
    WebPDemuxDelete(demux);
    return PictureTooLargeMessage();
  }
  out.width = out.facts.width = static_cast<int>(width);
  out.height = out.facts.height = static_cast<int>(height);
  out.facts.hasAlpha = (WebPDemuxGetI(demux, WEBP_FF_FORMAT_FLAGS) & ALPHA_FLAG) != 0;
  WebPChunkIterator chunk;
  if (WebPDemuxGetChunk(demux, "ICCP", 1, &chunk)) {
    out.iccProfile.assign(chunk.chunk.bytes, chunk.chunk.bytes + chunk.chunk.size);
    out.facts.hasProfile = true;
    WebPDemuxReleaseChunkIterator(&chunk);
  }
  if (WebPDemuxGetChunk(demux, "EXIF", 1, &chunk)) {
    out.facts.orientation = ExifOrientation({chunk.chunk.bytes, chunk.chunk.size});
    WebPDemuxReleaseChunkIterator(&chunk);
  }
  WebPIterator frame;
  if (!WebPDemuxGetFrame(demux, 1, &frame)) {
    WebPDemuxDelete(demux);
    return DamagedPictureMessage("WebP");
  }
  if (headerOnly) {
    WebPDemuxReleaseIterator(&frame);
    WebPDemuxDelete(demux);
    return out;
  }
  // The first frame, placed on a transparent canvas (an animation's first
  // frame may cover only part of it).
  out.rgba.assign(std::size_t{width} * height * 4, 0);
  const bool inside = frame.x_offset >= 0 && frame.y_offset >= 0 &&
                      std::uint64_t(frame.x_offset) + std::uint64_t(frame.width) <= width &&
                      std::uint64_t(frame.y_offset) + std::uint64_t(frame.height) <= height;
  bool decoded = false;
  int w = 0;
  int h = 0;
  std::uint8_t* pixels = inside ? WebPDecodeRGBA(frame.fragment.bytes, frame.fragment.size, &w, &h) : nullptr;
  if (pixels != nullptr && w == frame.width && h == frame.height) {
    for (int y = 0; y < h; ++y) {
      std::memcpy(&out.rgba[(std::size_t(frame.y_offset + y) * width + std::size_t(frame.x_offset)) * 4],
                  pixels + std::size_t(y) * std::size_t(w) * 4, std::size_t(w) * 4);
    }
    decoded = true;
  }
  WebPFree(pixels);
  WebPDemuxReleaseIterator(&frame);
  WebPDemuxDelete(demux);
  if (!decoded) return DamagedPictureMessage("WebP");
  return out;
}

}  // namespace vorlune
