#pragma once

#include "core/rgb_image.h"
#include "layout/part_kind.h"

namespace vorlune {

// The three pictures of a part button (IDB_ITEMnU, IDB_ITEMnD, IDB_ITEMnX), 42 x 35.
enum class ButtonPictureState { Up, Down, Disabled };
inline constexpr int kButtonPictureWidth = 42;
inline constexpr int kButtonPictureHeight = 35;

// At a scale above 1 the picture has scale times the pixels both ways, drawn
// from the masks for a display of that many device pixels per pixel.
RgbImage PartButtonPicture(PartKind k, ButtonPictureState state, int scale = 1);

// The canvas bitmap of kind k (resource 135..164): a 16-colour picture of the
// kind's size on a grey (128, 128, 128) ground, combined with the canvas by XOR.
RgbImage CanvasBitmap(PartKind k);

// The application icon (resource 128) at the given square size.
RgbImage ApplicationIcon(int size);

}  // namespace vorlune
