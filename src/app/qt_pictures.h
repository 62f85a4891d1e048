#pragma once

#include <QIcon>
#include <QImage>

#include "core/rgb_image.h"
#include "layout/part_kind.h"
#include "part_pictures.h"

namespace vorlune {

QImage ToQImage(const RgbImage& picture);

// The generated pictures, converted once and kept for the life of the program.
const QImage& CanvasBitmapImage(PartKind k);
// The part-button pictures drawn at a whole scale (device pixel ratio = scale).
const QImage& ButtonPictureImage(PartKind k, ButtonPictureState state, int scale = 1);
// The scale to draw the pictures at for a display: the device pixel ratio rounded up.
int PictureScale(double devicePixelRatio);

// Icon 128 at the sizes a window and its task-bar button use.
QIcon ApplicationQIcon();

}  // namespace vorlune
