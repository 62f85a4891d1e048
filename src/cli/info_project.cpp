#include <cstdio>
#include <cstring>
#include <string>

#include "cli/commands.h"
#include "cli/file_message.h"
#include "cli/json_output.h"
#include "core/byte_order.h"
#include "core/cp932.h"
#include "project/project_file.h"
#include "project/project_file_format.h"

namespace vorlune::cli {

namespace {

// The fields of the stored BMP header that the editor reads or writes.
struct StoredBmpHeader {
  std::string type;
  std::uint32_t fileSize;
  std::uint32_t pixelOffset;
  std::uint32_t infoSize;
  std::int32_t width;
  std::int32_t height;
  std::uint16_t bitCount;
  std::uint32_t compression;
  std::uint32_t colorsUsed;
};

StoredBmpHeader ReadStoredHeader(const std::vector<std::uint8_t>& picture) {
  // The reader guarantees at least the 54 header bytes.
  const std::span<const std::uint8_t> b(picture);
  return {std::string{static_cast<char>(b[0]), static_cast<char>(b[1])},
          ReadLE32(b, 2),
          ReadLE32(b, 10),
          ReadLE32(b, 14),
          static_cast<std::int32_t>(ReadLE32(b, 18)),
          static_cast<std::int32_t>(ReadLE32(b, 22)),
          ReadLE16(b, 28),
          ReadLE32(b, 30),
          ReadLE32(b, 46)};
}

// The text of a field up to its terminator, decoded from CP932.
template <std::size_t N>
std::string FieldText(const std::array<char, N>& field) {
  return Cp932ToUtf8(std::string_view(field.data(), strnlen(field.data(), N)));
}

std::string ColorText(const ColorTriple& colors) {
  return std::to_string(colors[0]) + "," + std::to_string(colors[1]) + "," + std::to_string(colors[2]);
}

void PrintProjectJson(const std::string& path, const SkinLayout& layout, const StoredBmpHeader& bmp) {
  Json json;
  json["file"] = path;
  json["format"] = "project";
  json["fileSize"] = project_format::kBytesBesideHeader + layout.pixelOffset;
  json["temporaryPictureSize"] = layout.temporaryPictureSize;
  json["headerLength"] = layout.pixelOffset;
  json["colors"] = layout.pictureColorsUsed;
  json["bmpHeader"] = {{"type", bmp.type},
                       {"fileSize", bmp.fileSize},
                       {"pixelOffset", bmp.pixelOffset},
                       {"infoHeaderSize", bmp.infoSize},
                       {"width", bmp.width},
                       {"height", bmp.height},
                       {"bitCount", bmp.bitCount},
                       {"compression", bmp.compression},
                       {"colorsUsed", bmp.colorsUsed}};
  json["placedCount"] = layout.placedCount;
  json["placedRows"] = CountPlacedRows(layout);
  json["name"] = FieldText(layout.databaseName);
  json["author"] = FieldText(layout.databaseAuthor);
  json["version"] = FieldText(layout.databaseVersion);
  Json& parts = json["parts"] = Json::array();
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    const PartRecord& row = layout.part(k);
    Json part;
    part["kind"] = k;
    part["name"] = KindInfo(k).name;
    part["placed"] = row.placed();
    part["x"] = row.x;
    part["y"] = row.y;
    part["width"] = row.width;
    part["height"] = row.height;
    part["colors"] = {row.colors[0], row.colors[1], row.colors[2]};
    parts.push_back(std::move(part));
  }
  PrintJson(json);
}

void PrintText(const std::string& path, const SkinLayout& layout, const StoredBmpHeader& bmp) {
  std::printf("project file %s (%zu bytes)\n", path.c_str(),
              project_format::kBytesBesideHeader + layout.pixelOffset);
  std::printf("temporary picture size  %u\n", layout.temporaryPictureSize);
  std::printf("picture header length   %u\n", layout.pixelOffset);
  std::printf("colours                 %u\n", layout.pictureColorsUsed);
  std::printf(
      "picture header          %s, file size %u, pixels at %u, info header %u, %d x %d, %u bits, "
      "compression %u, colours used %u\n",
      bmp.type.c_str(), bmp.fileSize, bmp.pixelOffset, bmp.infoSize, bmp.width, bmp.height, bmp.bitCount,
      bmp.compression, bmp.colorsUsed);
  std::printf("placed count            %u (%d rows placed)\n", layout.placedCount, CountPlacedRows(layout));
  std::printf("name                    \"%s\"\n", FieldText(layout.databaseName).c_str());
  std::printf("author                  \"%s\"\n", FieldText(layout.databaseAuthor).c_str());
  std::printf("version                 \"%s\"\n", FieldText(layout.databaseVersion).c_str());
  std::printf("parts\n");
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    const PartRecord& row = layout.part(k);
    const std::string name(KindInfo(k).name);
    if (row.placed()) {
      std::printf("  %2d %-14s at (%d, %d), %d x %d, colours %s\n", k, name.c_str(), row.x, row.y, row.width,
                  row.height, ColorText(row.colors).c_str());
    } else if (row.colors != ColorTriple{kNoColor, kNoColor, kNoColor}) {
      std::printf("  %2d %-14s not placed, colours %s\n", k, name.c_str(), ColorText(row.colors).c_str());
    }
  }
}

}  // namespace

int DescribeProject(const std::string& path, std::span<const std::uint8_t> bytes, bool json) {
  const Result<SkinLayout> layout = ReadProjectFile(bytes);
  if (!layout) return RefuseFile(path, layout.error());
  const StoredBmpHeader bmp = ReadStoredHeader(layout->picture);
  if (json) {
    PrintProjectJson(path, *layout, bmp);
  } else {
    PrintText(path, *layout, bmp);
  }
  return 0;
}

}  // namespace vorlune::cli
