#include <cstdio>
#include <ctime>
#include <set>
#include <string>

#include "cli/commands.h"
#include "cli/file_message.h"
#include "cli/json_writer.h"
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
  if (!unpacked) return "no: " + unpacked.error().text;
  if (!unpacked->madeByThisEditor) return "only with --force: " + NotMadeByThisEditorMessage().text;
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

void AddBitmap(JsonWriter& json, const SkinBitmap& b, std::string_view key = {}) {
  json.BeginObject(key);
  json.Add("offset", b.offset);
  json.Add("width", b.width);
  json.Add("height", b.height);
  json.Add("rowBytes", b.rowBytes);
  json.Add("flags", static_cast<int>(b.flags));
  json.Add("pixelSize", static_cast<int>(b.pixelSize));
  json.Add("version", static_cast<int>(b.version));
  json.Add("transparentIndex", static_cast<int>(b.transparentIndex));
  json.Add("compressionType", static_cast<int>(b.compressionType));
  json.EndObject();
}

void PrintJson(const SkinDatabase& db, std::size_t fileSize, const std::string& unpacks) {
  JsonWriter json;
  json.BeginObject();
  json.Add("format", "skin database");
  json.Add("size", static_cast<std::int64_t>(fileSize));
  json.Add("name", Cp932ToUtf8(db.name));
  json.Add("type", db.type);
  json.Add("creator", db.creator);
  json.Add("attributes", static_cast<int>(db.attributes));
  json.Add("version", static_cast<int>(db.version));
  json.Add("creationDate", db.creationDate);
  json.Add("modificationDate", db.modificationDate);
  json.Add("lastBackupDate", db.lastBackupDate);
  json.Add("modificationNumber", db.modificationNumber);
  json.Add("appInfoID", db.appInfoId);
  json.Add("sortInfoID", db.sortInfoId);
  json.Add("uniqueIDSeed", db.uniqueIdSeed);
  json.Add("nextRecordListID", db.nextRecordListId);
  json.Add("numRecords", static_cast<int>(db.records.size()));
  json.Add("unpacks", unpacks);
  const std::vector<std::string> contents = RecordContents(db);
  json.BeginArray("records");
  for (std::size_t i = 0; i < db.records.size(); ++i) {
    json.BeginObject();
    json.Add("offset", db.records[i].offset);
    json.Add("size", db.records[i].size);
    json.Add("attributes", static_cast<int>(db.records[i].attributes));
    json.Add("uniqueID", db.records[i].uniqueId);
    json.Add("content", contents[i]);
    json.EndObject();
  }
  json.EndArray();
  json.BeginObject("info");
  json.Add("title", Cp932ToUtf8(db.info.title));
  json.Add("author", Cp932ToUtf8(db.info.author));
  json.Add("version", Cp932ToUtf8(db.info.version));
  json.Add("partCount", static_cast<int>(db.info.partCount));
  json.Add("bytes", Hex(db.info.raw.data(), db.info.raw.size()));
  json.EndObject();
  json.BeginArray("palette");
  for (const Rgb& c : db.palette) {
    const std::uint8_t rgb[3] = {c.r, c.g, c.b};
    json.Add({}, "#" + Hex(rgb, 3));
  }
  json.EndArray();
  json.BeginArray("strips");
  for (const SkinBitmap& strip : db.strips) AddBitmap(json, strip);
  json.EndArray();
  json.BeginArray("parts");
  for (const SkinPartView& part : db.parts) {
    json.BeginObject();
    json.Add("offset", part.offset);
    json.Add("kind", part.kind);
    json.Add("name", KindInfo(part.kind).name);
    json.Add("stateCount", part.stateCount);
    json.Add("x", part.x);
    json.Add("y", part.y);
    json.Add("width", part.width);
    json.Add("height", part.height);
    json.BeginArray("stateColors");
    for (std::uint8_t c : part.stateColors) json.Add({}, static_cast<int>(c));
    json.EndArray();
    json.Add("titleSizeCode", static_cast<int>(part.titleSizeCode));
    json.BeginArray("states");
    for (const SkinBitmap& state : part.states) AddBitmap(json, state);
    json.EndArray();
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  std::printf("%s\n", json.text().c_str());
}

}  // namespace

int DescribeSkinDatabase(const std::string& path, std::span<const std::uint8_t> bytes, bool json) {
  const Result<SkinDatabase> db = ReadSkinDatabase(bytes);
  if (!db) {
    PrintFileMessage(path, db.error().text);
    return 1;
  }
  if (json) {
    PrintJson(*db, bytes.size(), UnpackText(bytes));
  } else {
    PrintText(*db, bytes.size(), UnpackText(bytes));
  }
  return 0;
}

}  // namespace vorlune::cli
