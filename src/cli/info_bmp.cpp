#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/file_message.h"
#include "cli/json_output.h"
#include "core/byte_order.h"
#include "image/background_import.h"
#include "image/bmp_fields.h"

namespace vorlune::cli {

namespace {

// Different colours the pixels use: colour numbers for indexed pictures,
// red-green-blue triples for 24-bit ones; -1 when the pixels are not all there.
std::int64_t ColoursInPixels(std::span<const std::uint8_t> file, const BmpFields& f) {
  const std::size_t bytes = PixelBytesOfDepth(f.bitsPerPixel);
  if (bytes == 0 || f.width != kBackgroundSide || f.height != kBackgroundSide ||
      std::size_t{f.pixelOffset} + bytes > file.size()) {
    return -1;
  }
  const auto pixels = file.subspan(f.pixelOffset, bytes);
  if (f.bitsPerPixel == 24) {
    std::vector<bool> seen(1u << 24);
    std::int64_t count = 0;
    for (std::size_t p = 0; p < pixels.size(); p += 3) {
      const std::uint32_t key = pixels[p] | (pixels[p + 1] << 8) | (pixels[p + 2] << 16);
      if (!seen[key]) {
        seen[key] = true;
        ++count;
      }
    }
    return count;
  }
  std::vector<bool> seen(256);
  const unsigned bits = f.bitsPerPixel;
  for (std::uint8_t byte : pixels) {
    for (unsigned shift = 8; shift >= bits; shift -= bits)
      seen[(byte >> (shift - bits)) & ((1u << bits) - 1)] = true;
  }
  return std::count(seen.begin(), seen.end(), true);
}

std::string ImportVerdict(const Result<BackgroundCheck>& check) {
  if (!check) return "refused: " + CliText(check.error());
  return check->reductionNoticeDue ? "accepted, reduced to 214 colours" : "accepted, colours kept";
}

}  // namespace

int DescribeBmp(const std::string& path, std::span<const std::uint8_t> bytes, bool json) {
  const Result<BackgroundCheck> check = CheckBackgroundFile(bytes);
  const bool complete = bytes.size() >= kBmpHeadersSize;
  const BmpFields f = complete ? ReadBmpFields(bytes) : BmpFields{};
  const bool indexed = complete && f.bitsPerPixel <= 8 && PixelBytesOfDepth(f.bitsPerPixel) != 0;
  const std::int64_t colours = complete ? ColoursInPixels(bytes, f) : -1;

  if (json) {
    Json out;
    out["file"] = path;
    out["kind"] = "bmp";
    out["size"] = bytes.size();
    if (complete) {
      out["bfSize"] = ReadLE32(bytes, 2);
      out["bfOffBits"] = f.pixelOffset;
      out["biSize"] = f.infoSize;
      out["biWidth"] = f.width;
      out["biHeight"] = f.height;
      out["biBitCount"] = f.bitsPerPixel;
      out["biCompression"] = f.compression;
      out["biClrUsed"] = f.colorsUsed;
      if (indexed) {
        out["colorTableOffset"] = f.colorTableOffset();
        out["colorTableEntries"] = ColorTableEntries(f);
      }
    }
    out["colorsInPixels"] = colours >= 0 ? Json(colours) : Json(nullptr);
    out["importable"] = check.ok();
    out["reducedOnImport"] = check.ok() && check->reductionNoticeDue;
    if (!check) out["refusal"] = CliText(check.error());
    PrintJson(out);
    return 0;
  }

  std::printf("file:                %s\n", path.c_str());
  std::printf("size:                %zu bytes\n", bytes.size());
  if (complete) {
    std::printf("bfSize:              %u\n", ReadLE32(bytes, 2));
    std::printf("bfOffBits:           %u\n", f.pixelOffset);
    std::printf("biSize:              %u\n", f.infoSize);
    std::printf("biWidth x biHeight:  %d x %d\n", f.width, f.height);
    std::printf("biBitCount:          %u\n", unsigned{f.bitsPerPixel});
    std::printf("biCompression:       %u\n", f.compression);
    std::printf("biClrUsed:           %u\n", f.colorsUsed);
    if (indexed) {
      std::printf("colour table:        %zu entries at offset %zu\n", ColorTableEntries(f),
                  f.colorTableOffset());
    }
  }
  if (colours >= 0) std::printf("colours in pixels:   %lld\n", static_cast<long long>(colours));
  std::string verdict = ImportVerdict(check);
  std::replace(verdict.begin(), verdict.end(), '\n', ' ');
  std::printf("import:              %s\n", verdict.c_str());
  return 0;
}

}  // namespace vorlune::cli
