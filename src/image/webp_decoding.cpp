#include <webp/decode.h>
#include <webp/demux.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <vector>

#include "core/byte_order.h"
#include "image/picture_decoders.h"

namespace vorlune {

namespace {

// The demuxer keeps a record per chunk; an animation has one per frame, a
// flood of empty chunks only costs memory.
constexpr std::size_t kMostChunks = 100'000;

std::size_t CountChunks(std::span<const std::uint8_t> file) {
  std::size_t count = 0;
  for (std::size_t at = 12; at + 8 <= file.size() && count <= kMostChunks; ++count) {
    const std::uint64_t size = ReadLE32(file, at + 4);
    at += 8 + size + (size & 1);
  }
  return count;
}

struct Demuxed {
  WebPDemuxer* demux = nullptr;
  WebPIterator frame{};
  bool hasFrame = false;
  ~Demuxed() {
    if (hasFrame) WebPDemuxReleaseIterator(&frame);
    WebPDemuxDelete(demux);
  }
};

// Straight colours again from premultiplied ones, which the scaler needs so
// that transparent pixels do not tint their neighbours.
void Unpremultiply(std::uint8_t* rgba, int count) {
  for (int i = 0; i < count; ++i, rgba += 4) {
    const int a = rgba[3];
    if (a == 255) continue;
    for (int c = 0; c < 3; ++c)
      rgba[c] = a == 0 ? 0 : std::uint8_t(std::min(255, (rgba[c] * 255 + a / 2) / a));
  }
}

}  // namespace

Status DecodeWebp(std::span<const std::uint8_t> file, PixelSink& sink) {
  if (CountChunks(file) > kMostChunks) return DamagedPictureMessage("WebP");
  const WebPData data{file.data(), file.size()};
  WebPDemuxState state = WEBP_DEMUX_PARSING_HEADER;
  Demuxed demuxed;
  demuxed.demux = WebPDemuxPartial(&data, &state);
  if (demuxed.demux == nullptr || state != WEBP_DEMUX_DONE) return DamagedPictureMessage("WebP");
  WebPDemuxer* demux = demuxed.demux;
  const std::uint32_t width = WebPDemuxGetI(demux, WEBP_FF_CANVAS_WIDTH);
  const std::uint32_t height = WebPDemuxGetI(demux, WEBP_FF_CANVAS_HEIGHT);
  if (auto refusal = SizeRefusal("WebP", width, height, sink.MaxPixels())) return *refusal;
  PictureFacts facts;
  facts.format = "WebP";
  facts.width = static_cast<int>(width);
  facts.height = static_cast<int>(height);
  facts.hasAlpha = (WebPDemuxGetI(demux, WEBP_FF_FORMAT_FLAGS) & ALPHA_FLAG) != 0;
  WebPChunkIterator chunk;
  std::span<const std::uint8_t> profile;
  if (WebPDemuxGetChunk(demux, "ICCP", 1, &chunk)) {
    profile = {chunk.chunk.bytes, chunk.chunk.size};
    facts.hasProfile = true;
    WebPDemuxReleaseChunkIterator(&chunk);
  }
  if (WebPDemuxGetChunk(demux, "EXIF", 1, &chunk)) {
    facts.orientation = ExifOrientation({chunk.chunk.bytes, chunk.chunk.size});
    WebPDemuxReleaseChunkIterator(&chunk);
  }
  demuxed.hasFrame = WebPDemuxGetFrame(demux, 1, &demuxed.frame) != 0;
  if (!demuxed.hasFrame) return DamagedPictureMessage("WebP");
  if (!sink.Header(facts, profile)) return Done{};

  // The first frame, placed on a transparent canvas (an animation's first
  // frame may cover only part of it).
  const WebPIterator& frame = demuxed.frame;
  const bool inside = frame.x_offset >= 0 && frame.y_offset >= 0 && frame.width > 0 && frame.height > 0 &&
                      std::uint64_t(frame.x_offset) + std::uint64_t(frame.width) <= width &&
                      std::uint64_t(frame.y_offset) + std::uint64_t(frame.height) <= height;
  WebPBitstreamFeatures features;
  if (!inside || WebPGetFeatures(frame.fragment.bytes, frame.fragment.size, &features) != VP8_STATUS_OK ||
      features.width != frame.width || features.height != frame.height)
    return DamagedPictureMessage("WebP");
  // A frame covering the canvas comes out of the decoder's scaler already
  // reduced to the wanted short side.
  const int wanted = sink.ShortSideWanted();
  const int shortest = int(std::min(width, height));
  const bool whole = frame.width == int(width) && frame.height == int(height);
  const bool scaled = whole && wanted > 0 && shortest > wanted;
  int w = frame.width;
  int h = frame.height;
  if (scaled) {
    const double scale = double(wanted) / shortest;
    w = std::max(1, int(std::lround(width * scale)));
    h = std::max(1, int(std::lround(height * scale)));
  }
  if (!sink.Begin({scaled ? w : int(width), scaled ? h : int(height), false, scaled}))
    return PictureTooLargeMessage();

  WebPDecoderConfig config;
  if (!WebPInitDecoderConfig(&config)) return DamagedPictureMessage("WebP");
  std::vector<std::uint8_t> pixels(std::size_t(w) * std::size_t(h) * 4);
  config.options.use_scaling = scaled ? 1 : 0;
  config.options.scaled_width = w;
  config.options.scaled_height = h;
  config.output.colorspace = scaled ? MODE_rgbA : MODE_RGBA;

  config.output.is_external_memory = 1;
  config.output.u.RGBA.rgba = pixels.data();
  config.output.u.RGBA.stride = w * 4;
  config.output.u.RGBA.size = pixels.size();
  const VP8StatusCode status = WebPDecode(frame.fragment.bytes, frame.fragment.size, &config);
  WebPFreeDecBuffer(&config.output);
  if (status == VP8_STATUS_OUT_OF_MEMORY) return PictureTooLargeMessage();
  if (status != VP8_STATUS_OK) return DamagedPictureMessage("WebP");
  for (int y = 0; y < h; ++y) {
    std::uint8_t* row = &pixels[std::size_t(y) * std::size_t(w) * 4];
    if (scaled) Unpremultiply(row, w);
    sink.Pixels(scaled ? y : frame.y_offset + y, scaled ? 0 : frame.x_offset, 1, w, row);
  }
  return Done{};
}

}  // namespace vorlune
