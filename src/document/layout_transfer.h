#pragma once

#include <filesystem>

#include "core/result.h"
#include "image/picture_import.h"
#include "layout/skin_layout.h"

namespace vorlune {

// One layout carried onto other pictures: the command line's import --layout
// and the editor's batch both go through here, so that both keep the same.

// The layout of a project, or of a skin database (a file named .pdb), read
// with the checks and refusals of the Load command. A skin this editor did
// not make is refused (NotMadeByThisEditorMessage) unless `takeForeign`.
Result<SkinLayout> ReadLayout(const std::filesystem::path& from, bool takeForeign = false);

// The layout with the picture as its background, as the Image command leaves
// it: the placed parts, their colours and the database texts stay.
SkinLayout LayoutOnPicture(const SkinLayout& layout, ImportedBackground picture);

// One picture of a batch: the file read and imported with `options` (fitted
// and reduced, as after the import options dialog, a 320 x 320 BMP too),
// carried under `layout` and saved as the project `output`, whole or not at
// all. The refusal says what was wrong with the picture or the output.
Status WriteLayoutOnPicture(const SkinLayout& layout, const std::filesystem::path& picture,
                            const PictureImportOptions& options, const std::filesystem::path& output);

}  // namespace vorlune
