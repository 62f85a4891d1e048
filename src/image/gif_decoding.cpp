#include <gif_lib.h>

#include <algorithm>
#include <cstring>

#include "image/picture_decoding.h"

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

Result<RgbaPixels> DecodeGif(std::span<const std::uint8_t> file, bool headerOnly) {
  MemoryReader reader{file};
  int error = 0;
  GifFileType* gif = DGifOpen(&reader, ReadFromMemory, &error);
  if (gif == nullptr) return DamagedPictureMessage("GIF");
  const GifCloser closer{gif};

  RgbaPixels out;
  out.facts.format = "GIF";
  if (!PictureSizeAllowed(std::uint64_t(std::max(gif->SWidth, 0)), std::uint64_t(std::max(gif->SHeight, 0))))
    return PictureTooLargeMessage();
  out.width = out.facts.width = gif->SWidth;
  out.height = out.facts.height = gif->SHeight;

  // Up to the first image: its graphics control block tells the transparent index.
  int transparent = -1;
  GifRecordType record = UNDEFINED_RECORD_TYPE;
  do {
    if (DGifGetRecordType(gif, &record) == GIF_ERROR) return DamagedPictureMessage("GIF");
    if (record == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType* block = nullptr;
      if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) return DamagedPictureMessage("GIF");
      while (block != nullptr) {
        if (code == GRAPHICS_EXT_FUNC_CODE && block[0] >= 4 && (block[1] & 1) != 0) transparent = block[4];
        code = 0;
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return DamagedPictureMessage("GIF");
      }
    } else if (record == TERMINATE_RECORD_TYPE) {
      return DamagedPictureMessage("GIF");
    }
  } while (record != IMAGE_DESC_RECORD_TYPE);

  if (DGifGetImageDesc(gif) == GIF_ERROR) return DamagedPictureMessage("GIF");
  const GifImageDesc& desc = gif->Image;
  const ColorMapObject* map = desc.ColorMap != nullptr ? desc.ColorMap : gif->SColorMap;
  if (map == nullptr || desc.Width <= 0 || desc.Height <= 0 ||
      !PictureSizeAllowed(std::uint64_t(desc.Width), std::uint64_t(desc.Height)))
    return DamagedPictureMessage("GIF");
  out.facts.hasAlpha = transparent >= 0;
  if (headerOnly) return out;

  std::vector<GifPixelType> line(static_cast<std::size_t>(desc.Width));
  std::vector<int> rows;
  if (desc.Interlace) {
    for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
      for (int y = start; y < desc.Height; y += step) rows.push_back(y);
  } else {
    for (int y = 0; y < desc.Height; ++y) rows.push_back(y);
  }
  // Outside the first frame the canvas is transparent.
  out.rgba.assign(std::size_t(out.width) * std::size_t(out.height) * 4, 0);
  for (int y : rows) {
    if (DGifGetLine(gif, line.data(), desc.Width) == GIF_ERROR) return DamagedPictureMessage("GIF");
    const int cy = desc.Top + y;
    if (cy < 0 || cy >= out.height) continue;
    for (int x = 0; x < desc.Width; ++x) {
      const int cx = desc.Left + x;
      if (cx < 0 || cx >= out.width || line[std::size_t(x)] == transparent) continue;
      const int index = line[std::size_t(x)] < map->ColorCount ? line[std::size_t(x)] : 0;
      std::uint8_t* p = &out.rgba[(std::size_t(cy) * std::size_t(out.width) + std::size_t(cx)) * 4];
      p[0] = map->Colors[index].Red;
      p[1] = map->Colors[index].Green;
      p[2] = map->Colors[index].Blue;
      p[3] = 255;
    }
  }
  return out;
}

}  // namespace vorlune
