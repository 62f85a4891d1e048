#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/result.h"
#include "layout/part_kind.h"
#include "layout/skin_palette.h"

namespace vorlune {

// One entry of the record list.
struct SkinRecordEntry {
  std::uint32_t offset = 0;  // absolute file offset of the record
  std::uint8_t attributes = 0;
  std::uint32_t uniqueId = 0;  // 24 bits
  std::uint32_t size = 0;      // up to the next record, or the end of the file
};

// A Palm bitmap as the skin uses it: 8 bits a pixel, uncompressed.
struct SkinBitmap {
  std::uint32_t offset = 0;  // of its header in the file
  int width = 0;
  int height = 0;
  int rowBytes = 0;
  std::uint16_t flags = 0;
  std::uint8_t pixelSize = 0;
  std::uint8_t version = 0;
  std::uint8_t transparentIndex = 0;
  std::uint8_t compressionType = 0;
  std::vector<std::uint8_t> pixels;  // rowBytes * height, rows top first

  std::uint8_t at(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(rowBytes) +
                  static_cast<std::size_t>(x)];
  }
};

// The information record: texts as stored (CP932 bytes up to their terminator)
// and the raw 96 bytes, leftovers after the terminators included.
struct SkinInfoView {
  std::array<std::uint8_t, 96> raw{};
  std::string title;
  std::string author;
  std::string version;
  std::uint16_t partCount = 0;
};

// A part descriptor with the state bitmaps that follow it.
struct SkinPartView {
  std::uint32_t offset = 0;  // of the descriptor in the file
  PartKind kind = 0;
  int stateCount = 0;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  std::array<std::uint8_t, 8> stateColors{};
  std::uint8_t titleSizeCode = 0;
  std::vector<SkinBitmap> states;  // stateCount bitmaps
};

// A whole skin database, checked: every record lies in the file, has the size
// its content demands, and every part lies wholly on the 320 x 320 background.
struct SkinDatabase {
  std::string name;  // the database name, CP932 bytes up to the first zero
  std::uint16_t attributes = 0;
  std::uint16_t version = 0;
  std::uint32_t creationDate = 0;
  std::uint32_t modificationDate = 0;
  std::uint32_t lastBackupDate = 0;
  std::uint32_t modificationNumber = 0;
  std::uint32_t appInfoId = 0;
  std::uint32_t sortInfoId = 0;
  std::string type;     // 4 characters, "Data"
  std::string creator;  // 4 characters
  std::uint32_t uniqueIdSeed = 0;
  std::uint32_t nextRecordListId = 0;
  std::vector<SkinRecordEntry> records;

  SkinInfoView info;
  SkinPalette palette{};
  std::array<SkinBitmap, 4> strips;  // background rows 80k .. 80k + 79
  std::vector<SkinPartView> parts;   // in file order

  // Background pixel (a palette index) at canvas point (x, y), 0..319 each.
  std::uint8_t backgroundAt(int x, int y) const {
    return strips[static_cast<std::size_t>(y / 80)].at(x, y % 80);
  }
};

// True when the bytes carry a skin database's type and creator ("DataVrln"),
// which tells a skin from a project before either is read.
bool HasSkinDatabaseSignature(std::span<const std::uint8_t> bytes);

// Reads and checks a skin database; anything malformed is refused.
Result<SkinDatabase> ReadSkinDatabase(std::span<const std::uint8_t> bytes);

}  // namespace vorlune
