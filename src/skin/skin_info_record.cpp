#include "skin/skin_info_record.h"

#include <algorithm>

namespace vorlune {

SkinInfoRecord MakeSkinInfoRecord(const SkinLayout& layout) {
  SkinInfoRecord record{};
  // The name field holds 33 bytes; at most 31 text bytes fit before the
  // field's last byte, which stays zero.
  for (std::size_t i = 0; i < 31 && layout.databaseName[i] != '\0'; ++i) {
    record[i] = static_cast<std::uint8_t>(layout.databaseName[i]);
  }
  std::copy_n(layout.databaseAuthor.begin(), 32, record.begin() + 32);
  std::copy_n(layout.databaseVersion.begin(), 6, record.begin() + 64);
  record[70] = static_cast<std::uint8_t>(layout.placedCount >> 8);
  record[71] = static_cast<std::uint8_t>(layout.placedCount);
  return record;
}

}  // namespace vorlune
