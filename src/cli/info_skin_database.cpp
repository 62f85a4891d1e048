#include <cstdio>
#include <ctime>
#include <set>
#include <string>

#include "cli/commands.h"
#include "cli/file_message.h"
#include "cli/json_output.h"
#include "core/cp932.h"
#include "project/skin_unpacking.h"
#include "skin/skin_database_reader.h"

namespace vorlune::cli {

namespace {

constexpr std::int64_t kPalmToUnix = 2082844800;

// A Palm time stamp as the wall-clock time it stands for (the editor writes
// Japan's time, so no zone is shown).
std::string StampText(std::uint32_t stamp) {
  const auto t = static_cast<std::time_t>(static_cast<std::int64_t>(stamp) - kPalmToUnix);
  std::tm wall{};
  if (gmtime_r(&t, &wall) == nullptr) return "?";
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &wall);
  return text;
}

std::string Hex(const std::uint8_t* bytes, std::size_t n) {
  static const char kDigits[] = "0123456789abcdef";
  std::string out;
  for (std::size_t i = 0; i < n; ++i) {
    out += kDigits[bytes[i] >> 4];
    out += kDigits[bytes[i] & 15];
  }
  return out;
}

std::string ColorList(const SkinPartView& part) {
  std::string out;
  for (std::size_t i = 0; i < part.stateColors.size(); ++i) {
    if (i > 0) out += ',';
    out += std::to_string(part.stateColors[i]);
  }
  return out;
}

// The palette indexes a state bitmap uses besides the transparent 0.
std::set<int> InkOf(const SkinBitmap& bitmap) {
  std::set<int> ink;
  for (int y = 0; y < bitmap.height; ++y) {
    for (int x = 0; x < bitmap.width; ++x) {
      if (bitmap.at(x, y) != 0) ink.insert(bitmap.at(x, y));
    }
  }
  return ink;
}

std::string InkText(const std::set<int>& ink) {
  std::string out;
  for (int v : ink) out += (out.empty() ? "" : ",") + std::to_string(v);
  return out.empty() ? "none" : out;
}

// What each record holds, in record order.
std::vector<std::string> RecordContents(const SkinDatabase& db) {
  std::vector<std::string> contents{"information", "palette"};
  for (int k = 0; k < 4; ++k) contents.push_back("background strip " + std::to_string(k));
  for (const SkinPartView& part : db.parts) {
    const std::string name(KindInfo(part.kind).name);
    contents.push_back("descriptor of " + name);
    for (std::size_t s = 0; s < part.states.size(); ++s) {
      contents.push_back("state " + std::to_string(s) + " of " + name);
    }
  }
  return contents;
}

// Whether `unpack` gives the project back, and if not, why.
std::string UnpackText(std::span<const std::uint8_t> file) {
  const Result<UnpackedSkin> unpacked = UnpackSkinDatabase(file);
  if (!unpacked) return "no: " + CliText(unpacked.error());
  if (!unpacked->madeByThisEditor) return "only with --force: " + CliText(NotMadeByThisEditorMessage());
  return "yes";
}

void PrintText(const SkinDatabase& db, std::size_t fileSize, const std::string& unpacks) {
  std::printf("skin database, %zu bytes\n", fileSize);
  std::printf("name:          %s\n", Cp932ToUtf8(db.name).c_str());
  std::printf("type/creator:  %s/%s\n", db.type.c_str(), db.creator.c_str());
  std::printf("attributes:    %u, version %u\n", db.attributes, db.version);
  std::printf("created:       %s (%u)\n", StampText(db.creationDate).c_str(), db.creationDate);
  std::printf("modified:      %s (%u)\n", StampText(db.modificationDate).c_str(), db.modificationDate);
  std::printf("records:       %zu\n", db.records.size());
  const std::vector<std::string> contents = RecordContents(db);
  for (std::size_t i = 0; i < db.records.size(); ++i) {
    const SkinRecordEntry& r = db.records[i];
    std::printf("  %3zu  offset %7u  size %6u  attributes 0x%02x  id %u  %s\n", i, r.offset, r.size,
                r.attributes, r.uniqueId, contents[i].c_str());
  }
  std::printf("title:         %s\n", Cp932ToUtf8(db.info.title).c_str());
  std::printf("author:        %s\n", Cp932ToUtf8(db.info.author).c_str());
  std::printf("version:       %s\n", Cp932ToUtf8(db.info.version).c_str());
  std::printf("part count:    %u\n", db.info.partCount);
  std::printf("unpacks:       %s\n", unpacks.c_str());
  std::printf("parts:\n");
  for (const SkinPartView& part : db.parts) {
    std::printf("  %-13s kind %2d  at %3d,%3d  size %3dx%-3d  states %d  colours %s  titleSizeCode %u\n",
                std::string(KindInfo(part.kind).name).c_str(), part.kind, part.x, part.y, part.width,
                part.height, part.stateCount, ColorList(part).c_str(), part.titleSizeCode);
    for (std::size_t s = 0; s < part.states.size(); ++s) {
      const SkinBitmap& b = part.states[s];
      std::printf("    state %zu: %dx%d, rowBytes %d, flags 0x%04x, %u bits, version %u, ink %s\n", s,
                  b.width, b.height, b.rowBytes, b.flags, b.pixelSize, b.version, InkText(InkOf(b)).c_str());
    }
  }
}

Json BitmapJson(const SkinBitmap& b) {
  return {{"offset", b.offset},
          {"width", b.width},
          {"height", b.height},
          {"rowBytes", b.rowBytes},
          {"flags", b.flags},
          {"pixelSize", b.pixelSize},
          {"version", b.version},
          {"transparentIndex", b.transparentIndex},
          {"compressionType", b.compressionType}};
}

void PrintSkinJson(const SkinDatabase& db, std::size_t fileSize, const std::string& unpacks) {
  Json json;
  json["format"] = "skin database";
  json["size"] = fileSize;
  json["name"] = Cp932ToUtf8(db.name);
  json["type"] = db.type;
  json["creator"] = db.creator;
  json["attributes"] = db.attributes;
  json["version"] = db.version;
  json["creationDate"] = db.creationDate;
  json["modificationDate"] = db.modificationDate;
  json["lastBackupDate"] = db.lastBackupDate;
  json["modificationNumber"] = db.modificationNumber;
  json["appInfoID"] = db.appInfoId;
  json["sortInfoID"] = db.sortInfoId;
  json["uniqueIDSeed"] = db.uniqueIdSeed;
  json["nextRecordListID"] = db.nextRecordListId;
  json["numRecords"] = db.records.size();
  json["unpacks"] = unpacks;
  const std::vector<std::string> contents = RecordContents(db);
  Json& records = json["records"] = Json::array();
  for (std::size_t i = 0; i < db.records.size(); ++i) {
    records.push_back({{"offset", db.records[i].offset},
                       {"size", db.records[i].size},
                       {"attributes", db.records[i].attributes},
                       {"uniqueID", db.records[i].uniqueId},
                       {"content", contents[i]}});
  }
  json["info"] = {{"title", Cp932ToUtf8(db.info.title)},
                  {"author", Cp932ToUtf8(db.info.author)},
                  {"version", Cp932ToUtf8(db.info.version)},
                  {"partCount", db.info.partCount},
                  {"bytes", Hex(db.info.raw.data(), db.info.raw.size())}};
  Json& palette = json["palette"] = Json::array();
  for (const Rgb& c : db.palette) {
    const std::uint8_t rgb[3] = {c.r, c.g, c.b};
    palette.push_back("#" + Hex(rgb, 3));
  }
  Json& strips = json["strips"] = Json::array();
  for (const SkinBitmap& strip : db.strips) strips.push_back(BitmapJson(strip));
  Json& parts = json["parts"] = Json::array();
  for (const SkinPartView& part : db.parts) {
    Json states = Json::array();
    for (const SkinBitmap& state : part.states) states.push_back(BitmapJson(state));
    parts.push_back({{"offset", part.offset},
                     {"kind", part.kind},
                     {"name", KindInfo(part.kind).name},
                     {"stateCount", part.stateCount},
                     {"x", part.x},
                     {"y", part.y},
                     {"width", part.width},
                     {"height", part.height},
                     {"stateColors", part.stateColors},
                     {"titleSizeCode", part.titleSizeCode},
                     {"states", std::move(states)}});
  }
  PrintJson(json);
}

}  // namespace

int DescribeSkinDatabase(const std::string& path, std::span<const std::uint8_t> bytes, bool json) {
  const Result<SkinDatabase> db = ReadSkinDatabase(bytes);
  if (!db) {
    return RefuseFile(path, db.error());
  }
  if (json) {
    PrintSkinJson(*db, bytes.size(), UnpackText(bytes));
  } else {
    PrintText(*db, bytes.size(), UnpackText(bytes));
  }
  return 0;
}

}  // namespace vorlune::cli
