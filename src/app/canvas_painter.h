#pragma once

#include <QImage>
#include <QPoint>

#include "layout/placement_state.h"
#include "layout/skin_layout.h"

class QPainter;

namespace vorlune {

// The width of the grey frame drawn around the skin.
inline constexpr int kCanvasFrameWidth = 5;

// The background as the canvas shows it, built from the display form (skin
// palette indices) and the palette: a 320 x 320 picture, or a null image while
// no background is loaded.
QImage BackgroundImage(const SkinLayout& layout);

// The skin as the editor shows it: the background (grey without one), and on
// it every placed part and the preview combined by exclusive OR. Combining in
// memory makes the exclusive OR the same on every platform. A preview at x or
// y 0 is not drawn.
QImage SkinImage(const SkinLayout& layout, const PlacementState& placement, const QImage& background);

// Paints the grey frame and `skin` with the skin's top-left pixel at `origin`.
void PaintCanvas(QPainter& painter, QPoint origin, const QImage& skin);

// The current-kind indicator: the kind's pressed button picture, or plain grey
// while no kind is chosen; at a whole scale as ButtonPictureImage.
QImage IndicatorImage(PartKind k, int scale = 1);

// Combines `picture` with `target` at (x, y) by exclusive OR of the colours.
void CombineByExclusiveOr(QImage& target, const QImage& picture, int x, int y);

}  // namespace vorlune
