#pragma once

#include "layout/part_kind.h"
#include "layout/skin_layout.h"

namespace vorlune {

// The colours each property dialog starts from, kept here once for the
// dialogs, the document and the command-line tool.

// Button: what a button gets when it first becomes one with image (cyan off,
// red on). Two colours: cyan off, yellow on. Three colours: cyan off, yellow
// on, red at the maximum. Text colour: yellow.
ColorTriple DefaultColors(DialogFamily family);
ColorTriple DefaultColors(PartKind k);

// What the kind's property dialog hands back when it is closed with OK at once
// on the colours a row holds: those colours, or when the first is none the
// colour dialogs' defaults and a button without image (-1,-1,-1).
ColorTriple ColorsOnPlainOk(PartKind k, const ColorTriple& held);

// False for colours no dialog of k's family can hand back: the colour dialogs
// always set the first colour, and a button without image has none at all.
bool DialogCanGive(PartKind k, const ColorTriple& colors);

}  // namespace vorlune
