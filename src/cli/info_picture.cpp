#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/file_message.h"
#include "cli/json_output.h"
#include "cli/picture_options.h"
#include "core/file_io.h"
#include "image/picture_decoding.h"

namespace vorlune::cli {

namespace {

std::int64_t DistinctColours(const RgbImage& image) {
  std::vector<bool> seen(1u << 24);
  std::int64_t count = 0;
  for (std::size_t p = 0; p < image.rgb.size(); p += 3) {
    const std::uint32_t key = (image.rgb[p] << 16) | (image.rgb[p + 1] << 8) | image.rgb[p + 2];
    if (!seen[key]) {
      seen[key] = true;
      ++count;
    }
  }
  return count;
}

}  // namespace

int DescribePicture(const std::string& path, bool json) {
  const FileBytes file = ReadWholeFile(path, kMaxPictureFileSize);
  if (file.failure) {
    std::fprintf(stderr, "vorlune-cli: %s: Error : Cannot open picture file\n", path.c_str());
    return 1;
  }
  const Result<DecodedPicture> decoded = file.bytes.size() > kMaxPictureFileSize
                                             ? Result<DecodedPicture>(PictureTooLargeMessage())
                                             : DecodePicture(file.bytes);
  const Result<PictureFacts> facts =
      decoded ? Result<PictureFacts>(decoded->facts) : InspectPicture(file.bytes);
  const std::int64_t colours = decoded ? DistinctColours(decoded->image) : -1;
  std::string refusal = decoded ? "" : CliText(decoded.error());

  if (json) {
    Json out;
    out["file"] = path;
    out["kind"] = "picture";
    out["size"] = file.bytes.size();
    if (facts) {
      out["format"] = facts->format;
      out["width"] = facts->width;
      out["height"] = facts->height;
      out["orientation"] = facts->orientation;
      out["colorProfile"] = facts->hasProfile;
      out["alpha"] = facts->hasAlpha;
    }
    out["colorsInPixels"] = colours >= 0 ? Json(colours) : Json(nullptr);
    out["importable"] = decoded.ok();
    if (!decoded) out["refusal"] = refusal;
    PrintJson(out);
    return 0;
  }
  std::printf("file:                %s\n", path.c_str());
  std::printf("size:                %zu bytes\n", file.bytes.size());
  if (facts) {
    std::printf("format:              %s\n", facts->format.c_str());
    std::printf("width x height:      %d x %d\n", facts->width, facts->height);
    std::printf("orientation:         %d\n", facts->orientation);
    std::printf("colour profile:      %s\n",
                facts->hasProfile ? "embedded, converted to sRGB" : "none (sRGB)");
    std::printf("alpha:               %s\n", facts->hasAlpha ? "yes" : "no");
  }
  if (colours >= 0) std::printf("colours in pixels:   %lld\n", static_cast<long long>(colours));
  std::replace(refusal.begin(), refusal.end(), '\n', ' ');
  std::printf("import:              %s\n",
              decoded ? (decoded->image.width == 320 && decoded->image.height == 320
                             ? "accepted, reduced to at most 214 colours"
                             : "accepted, fitted to 320 x 320 and reduced to at most 214 colours")
                      : ("refused: " + refusal).c_str());
  return 0;
}

}  // namespace vorlune::cli
