#pragma once

#include <filesystem>

#include "core/result.h"
#include "layout/skin_layout.h"

namespace vorlune {

// The Save command after its file dialog: refuses a layout without a
// background, then writes the project file atomically, so that a failed save
// leaves any older file of that name as it was.
Status SaveProjectFile(const std::filesystem::path& path, const SkinLayout& layout);

// The Load command after its file dialog: reads and checks the whole file.
// The returned layout has no file path; the editor keeps its own.
Result<SkinLayout> LoadProjectFile(const std::filesystem::path& path);

}  // namespace vorlune
