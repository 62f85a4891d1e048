#pragma once

#include <QImage>
#include <QRect>

#include "layout/canvas_zoom.h"
#include "layout/placement_help.h"
#include "layout/skin_layout.h"

class QPainter;

namespace vorlune {

// The canvas drawn at a zoom, on a painter whose coordinates are the view's
// device pixels, so that every skin pixel is an exact block of whole device
// pixels and every line lies on them. `area` limits the work to what is
// repainted, in the same device pixels.

QRect ToQRect(const DeviceRect& rect);

// The skin pixels inside `area`, each repeated zoom x zoom times; with `grid`,
// a line of one device pixel between neighbouring skin pixels, blended in as
// the rows are made (a line at a time through the painter costs far more).
void PaintZoomedSkin(QPainter& painter, const QImage& skin, const CanvasMapping& mapping, const QRect& area,
                     bool grid = false);
// A thin neutral outline around each placed part, dashed for buttons without
// a picture, so that every hit area shows in the real-colour view.
void PaintPartOutlines(QPainter& painter, const CanvasMapping& mapping, const SkinLayout& layout);
// The help for a part of kind k: a red outline and tint over a refused
// position, and the guides the part is snapped to.
void PaintPlacementHelp(QPainter& painter, const CanvasMapping& mapping, PartKind k,
                        const PlacementHelp& help);

// The placed parts in their chosen colours as the handheld shows them.
QImage RealColourSkin(const SkinLayout& layout);

}  // namespace vorlune
