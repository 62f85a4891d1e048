#pragma once

#include <QFont>

namespace vorlune {

// "ＭＳ Ｐゴシック" where it exists, else a metric-compatible Japanese face, at
// the application font's size (9 points unless the user asks for more).
QFont DialogFont();

}  // namespace vorlune
