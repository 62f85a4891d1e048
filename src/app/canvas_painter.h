#pragma once

#include <QImage>
#include <QString>

#include "layout/placement_state.h"
#include "layout/skin_layout.h"

namespace vorlune {

// The background as the temporary picture file holds it; a null image when the
// file is missing or unreadable.
QImage LoadTemporaryPicture(const QString& path);

// Builds the canvas frame and the current-kind indicator into `client`, an
// image of the window's client area: the grey frame, the background, every
// placed part and the preview combined by exclusive OR, and the indicator.
// Combining off-screen makes the exclusive OR the same on every platform.
void PaintCanvas(QImage& client, const SkinLayout& layout, const PlacementState& placement,
                 const QImage& background);

// Combines `picture` with `target` at (x, y) by exclusive OR of the colours.
void CombineByExclusiveOr(QImage& target, const QImage& picture, int x, int y);

}  // namespace vorlune
