#pragma once

#include "image/picture_import.h"

namespace vorlune {

// The import dialog's last choices (fit, reduction, dithering, matte), kept
// for the next picture and the next session. The crop's focus belongs to one
// picture and always starts in the middle.
PictureImportOptions RememberedImportOptions();
void RememberImportOptions(const PictureImportOptions& options);

}  // namespace vorlune
