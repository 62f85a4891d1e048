#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "core/file_io.h"
#include "core/result.h"
#include "layout/skin_layout.h"

namespace vorlune {

// What the checks of a BMP file found out before any conversion.
struct BackgroundCheck {
  std::uint32_t bitsPerPixel = 0;
  // The picture has more than 214 colours: the editor tells the user that it
  // will be reduced ("Over 214 color bitmap. ...") before converting it.
  bool reductionNoticeDue = false;
};

// A picture that passed every check, converted to the editor's forms.
struct ImportedBackground {
  std::vector<std::uint8_t> reducedBmp;  // complete 8-bit BMP, 103,310 bytes, rows bottom-up
  std::vector<std::uint8_t> picture;     // 910-byte header + 320 top-down rows of skin palette indices
  std::uint32_t pixelOffset = 0;         // 910
  std::uint32_t colorsUsed = 0;          // the picture colours used after the conversion
  std::uint32_t bitsPerPixel = 0;        // of the imported file
  SkinPalette palette{};                 // entries 0..16 fixed, 17.. the reduced picture's colours
  bool reductionNoticeDue = false;
  // The picture had more than 214 distinct colours, so the conversion merged
  // some (a 24-bit picture of fewer keeps them all).
  bool manyColoursMerged = false;
  // Messages of the conversion itself (a matrix of the 24-bit pre-filter that
  // got no storage); the import still succeeds, without the pre-filter.
  std::vector<UserMessage> warnings;
};

// "Over 214 color bitmap. ...": shown before a picture with more than 214
// colours is reduced; the only message that does not end the import.
UserMessage ReductionNoticeMessage();

// The message for a BMP file that cannot be found or opened.
UserMessage BmpReadFailureMessage(ReadFailure failure);

// Runs every check of the Image command on the bytes of a BMP file.
Result<BackgroundCheck> CheckBackgroundFile(std::span<const std::uint8_t> file);

// Checks and converts a BMP file. A rejection carries the user's message.
Result<ImportedBackground> ImportBackground(std::span<const std::uint8_t> file);

// The content of the temporary picture file: the reduced BMP and two zero bytes.
std::vector<std::uint8_t> TemporaryPictureFileBytes(const std::vector<std::uint8_t>& reducedBmp);

// Puts an imported background into the layout as a successful import does:
// background forms, picture fields and palette; the first import of a run also
// sets the placed count to 0 and marks the background loaded. Placed parts stay.
void ApplyImportedBackground(SkinLayout& layout, ImportedBackground background);

}  // namespace vorlune
