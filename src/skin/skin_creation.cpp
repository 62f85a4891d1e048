#include "skin/skin_creation.h"

#include "skin/skin_info_record.h"

namespace vorlune {

Status CreateSkinFile(const SkinLayout& layout, std::string_view databaseName,
                      const std::filesystem::path& path, const UnixClock& clock) {
  // The count the layout keeps is the one the writer checks the placed rows against.
  return WriteSkinDatabase(layout, databaseName, path, static_cast<std::int32_t>(layout.placedCount),
                           MakeSkinInfoRecord(layout), clock);
}

}  // namespace vorlune
