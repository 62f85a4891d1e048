#include <cstdio>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/file_message.h"
#include "cli/json_output.h"
#include "cli/picture_options.h"
#include "image/picture_decoding.h"

namespace vorlune::cli {

// What the header says; the pixels are decoded only to count their colours.
// A picture the import would refuse from its header (too large, damaged) is
// refused here too, with exit status 1.
int DescribePicture(const std::string& path, const InputFile& file, bool json, bool countColours) {
  const std::span<const std::uint8_t> bytes = file.bytes();
  if (bytes.size() > kMaxPictureFileSize) return RefuseFile(path, PictureTooLargeMessage());
  const Result<PictureFacts> facts = InspectPicture(bytes);
  if (!facts) return RefuseFile(path, facts.error());
  std::optional<std::uint64_t> colours;
  if (countColours) {
    const Result<std::uint64_t> counted =
        CountPictureColours(bytes, [&file](std::size_t offset) { file.Release(offset); });
    if (!counted) return RefuseFile(path, counted.error());
    colours = *counted;
  }
  const char* verdict = facts->width == 320 && facts->height == 320
                            ? "accepted, reduced to at most 214 colours"
                            : "accepted, fitted to 320 x 320 and reduced to at most 214 colours";

  if (json) {
    Json out;
    out["file"] = path;
    out["kind"] = "picture";
    out["size"] = bytes.size();
    out["format"] = facts->format;
    out["width"] = facts->width;
    out["height"] = facts->height;
    out["orientation"] = facts->orientation;
    out["colorProfile"] = facts->hasProfile;
    out["alpha"] = facts->hasAlpha;
    out["colorsInPixels"] = colours ? Json(*colours) : Json(nullptr);
    out["importable"] = true;
    PrintJson(out);
    return 0;
  }
  std::printf("file:                %s\n", path.c_str());
  std::printf("size:                %zu bytes\n", bytes.size());
  std::printf("format:              %s\n", facts->format.c_str());
  std::printf("width x height:      %d x %d\n", facts->width, facts->height);
  std::printf("orientation:         %d\n", facts->orientation);
  std::printf("colour profile:      %s\n", facts->hasProfile ? "embedded, converted to sRGB" : "none (sRGB)");
  std::printf("alpha:               %s\n", facts->hasAlpha ? "yes" : "no");
  if (colours) std::printf("colours in pixels:   %llu\n", static_cast<unsigned long long>(*colours));
  std::printf("import:              %s\n", verdict);
  return 0;
}

}  // namespace vorlune::cli
