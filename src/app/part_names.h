#pragma once

#include <QString>

#include "layout/part_kind.h"

namespace vorlune {

// The name of a part kind as the user reads it ("再生ボタン" / "Play button"):
// its placement text without "を配置します", in the editor's language.
QString PartKindName(PartKind k);

}  // namespace vorlune
