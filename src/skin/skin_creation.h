#pragma once

#include <filesystem>
#include <string_view>

#include "core/result.h"
#include "layout/skin_layout.h"
#include "skin/skin_database_writer.h"

namespace vorlune {

// The last step of Create, once the file and the database texts are chosen:
// the information record from the layout's texts and count, and the skin
// database written to `path` as a whole. A refusal or a failed write leaves
// any older file at `path` as it was. `databaseName` is the file name in CP932.
Status CreateSkinFile(const SkinLayout& layout, std::string_view databaseName,
                      const std::filesystem::path& path, const UnixClock& clock = SystemUnixSeconds);

}  // namespace vorlune
