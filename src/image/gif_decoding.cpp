#include <gif_lib.h>

#include <algorithm>
#include <cstring>

#include "image/picture_decoders.h"

namespace vorlune {

namespace {

struct MemoryReader {
  std::span<const std::uint8_t> file;
  std::size_t at = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* into, int length) {
  auto* reader = static_cast<MemoryReader*>(gif->UserData);
  const std::size_t n = std::min<std::size_t>(std::size_t(length), reader->file.size() - reader->at);
  std::memcpy(into, reader->file.data() + reader->at, n);
  reader->at += n;
  return static_cast<int>(n);
}

// Closes the file on every way out.
struct GifCloser {
  GifFileType* gif;
  ~GifCloser() {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};

}  // namespace

Status DecodeGif(std::span<const std::uint8_t> file, PixelSink& sink) {
  MemoryReader reader{file};
  int error = 0;
  GifFileType* gif = DGifOpen(&reader, ReadFromMemory, &error);
  if (gif == nullptr)
    return error == D_GIF_ERR_NOT_ENOUGH_MEM ? PictureTooLargeMessage() : DamagedPictureMessage("GIF");
  const GifCloser closer{gif};
  const auto failed = [gif] {
    return gif->Error == D_GIF_ERR_NOT_ENOUGH_MEM ? PictureTooLargeMessage() : DamagedPictureMessage("GIF");
  };
  if (auto refusal = SizeRefusal("GIF", std::uint64_t(std::max(gif->SWidth, 0)),
                                 std::uint64_t(std::max(gif->SHeight, 0)), sink.MaxPixels()))
    return *refusal;
  PictureFacts facts;
  facts.format = "GIF";
  facts.width = gif->SWidth;
  facts.height = gif->SHeight;

  // Up to the first image: its graphics control block tells the transparent index.
  int transparent = -1;
  GifRecordType record = UNDEFINED_RECORD_TYPE;
  do {
    if (DGifGetRecordType(gif, &record) == GIF_ERROR) return failed();
    if (record == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType* block = nullptr;
      if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) return failed();
      while (block != nullptr) {
        if (code == GRAPHICS_EXT_FUNC_CODE && block[0] >= 4 && (block[1] & 1) != 0) transparent = block[4];
        code = 0;
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return failed();
      }
    } else if (record == TERMINATE_RECORD_TYPE) {
      return DamagedPictureMessage("GIF");
    }
  } while (record != IMAGE_DESC_RECORD_TYPE);

  if (DGifGetImageDesc(gif) == GIF_ERROR) return failed();
  const GifImageDesc& desc = gif->Image;
  const ColorMapObject* map = desc.ColorMap != nullptr ? desc.ColorMap : gif->SColorMap;
  if (map == nullptr || desc.Width <= 0 || desc.Height <= 0 ||
      !PictureSizeAllowed(std::uint64_t(desc.Width), std::uint64_t(desc.Height)))
    return DamagedPictureMessage("GIF");
  facts.hasAlpha = transparent >= 0;
  if (!sink.Header(facts, {})) return Done{};

  if (!sink.Begin({facts.width, facts.height, desc.Interlace != 0})) return PictureTooLargeMessage();
  std::vector<GifPixelType> line(static_cast<std::size_t>(desc.Width));
  // A canvas row: outside the first frame the canvas is transparent.
  std::vector<std::uint8_t> rgba(std::size_t(facts.width) * 4);
  std::vector<int> rows;
  if (desc.Interlace) {
    for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
      for (int y = start; y < desc.Height; y += step) rows.push_back(y);
  } else {
    for (int y = 0; y < desc.Height; ++y) rows.push_back(y);
  }
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (DGifGetLine(gif, line.data(), desc.Width) == GIF_ERROR) return failed();
    const int cy = desc.Top + rows[i];
    if (cy < 0 || cy >= facts.height) continue;
    std::fill(rgba.begin(), rgba.end(), 0);
    for (int x = 0; x < desc.Width; ++x) {
      const int cx = desc.Left + x;
      if (cx < 0 || cx >= facts.width || line[std::size_t(x)] == transparent) continue;
      const int index = line[std::size_t(x)] < map->ColorCount ? line[std::size_t(x)] : 0;
      std::uint8_t* p = &rgba[std::size_t(cx) * 4];
      p[0] = map->Colors[index].Red;
      p[1] = map->Colors[index].Green;
      p[2] = map->Colors[index].Blue;
      p[3] = 255;
    }
    sink.Pixels(cy, 0, 1, facts.width, rgba.data());
    if (i % 64 == 63) sink.Consumed(reader.at);
  }
  return Done{};
}

}  // namespace vorlune
