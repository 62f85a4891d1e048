#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "checks/picker_contrast.h"
#include "layout/skin_layout.h"

namespace vorlune {

// Runs the property dialog of the kind's family (button, two colours, three
// colours, text colour) on a part's three picker indexes, which change only
// when the dialog ends with OK. True on OK. With contrast marks (PickerContrast
// of the part where it stands) the dialog shows how each colour stands out
// from the background.
bool EditPartColors(PartKind kind, ColorTriple& colors, QWidget* parent = nullptr,
                    const std::optional<std::array<ContrastMark, 16>>& marks = std::nullopt);

}  // namespace vorlune
