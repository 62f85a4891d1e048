#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "core/file_io.h"
#include "core/rgb_image.h"
#include "image/background_import.h"
#include "image/picture_decoding.h"
#include "image/picture_fitting.h"

namespace vorlune {

// How a fitted picture is brought to 214 colours.
enum class ReductionKind {
  Fine,     // colours chosen for the picture
  Classic,  // the 24-bit reduction a 320 x 320 BMP gets, unchanged
};

struct PictureImportOptions {
  FitMode fit = FitMode::Cover;
  ReductionKind reduction = ReductionKind::Fine;
  bool dither = true;
  Rgb matte{255, 255, 255};
  // The contain matte is the picture's own average edge colour instead of `matte`.
  bool matteFromEdges = false;
  FitFocus focus;
};

// True for a file that goes the exact way by default: a 320 x 320 BMP, whose
// import (checks, messages and bytes) stays as it always was, and a file named
// .bmp that is no picture at all (it gets the BMP import's refusal).
bool TakesExactPathByDefault(std::span<const std::uint8_t> file, bool namedBmp);

// The message for a picture file that cannot be found or opened: the BMP
// import's own texts, but for a file named as another kind of picture.
UserMessage PictureReadFailureMessage(ReadFailure failure, std::string_view path);

// Reduces a 320 x 320 picture to the imported forms. Fine: the result is the
// form an 8-bit picture kept with its own colour table gives. Classic: the
// picture goes through the 24-bit BMP import unchanged.
ImportedBackground ReduceFittedPicture(const RgbImage& fitted, ReductionKind reduction, bool dither);

// Decodes (at reduced size: see DecodePictureReduced), fits and reduces any
// supported picture.
Result<ImportedBackground> ImportPicture(std::span<const std::uint8_t> file,
                                         const PictureImportOptions& options,
                                         const ReducedDecoding& decoding = {});

// A complete 24-bit BMP of a 320 x 320 picture, as an image editor saves it.
std::vector<std::uint8_t> TrueColorBmpOf(const RgbImage& picture);

}  // namespace vorlune
