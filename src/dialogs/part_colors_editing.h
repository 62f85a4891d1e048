#pragma once

#include <QWidget>

#include "layout/skin_layout.h"

namespace vorlune {

// Runs the property dialog of the kind's family (button, two colours, three
// colours, text colour) on a part's three picker indexes, which change only
// when the dialog ends with OK. True on OK.
bool EditPartColors(PartKind kind, ColorTriple& colors, QWidget* parent = nullptr);

}  // namespace vorlune
