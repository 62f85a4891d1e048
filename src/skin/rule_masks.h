#pragma once

#include "skin/mask_picture.h"

namespace vorlune {

// The masks that follow fully from their drawing rules.

// Kinds 1..8: the transport and volume button symbols, 36 x 30.
MaskPicture ButtonSymbolMask(PartKind k);

// Kinds 9..20: volume levels, equalisers and level meters at their sample levels.
MaskPicture MeterMask(PartKind k);

}  // namespace vorlune
