#pragma once

#include <QWidget>

namespace vorlune {

// Moves a top-level window so that as much of its frame as fits lies on the
// available part of its screen: a window that grows (a larger zoom) or opens
// beside another must not end up under the screen's edge.
void KeepOnScreen(QWidget& window);

// Puts a window that is about to be shown for the first time beside `other`,
// on its right when there is room and over it otherwise, within the screen.
void PlaceBeside(QWidget& window, const QWidget& other);

}  // namespace vorlune
