#include "main_window_template.h"

namespace vorlune {

DuPoint PartButtonPosition(PartKind k) {
  constexpr int kColumns[] = {200, 226, 252, 278};
  constexpr int kRowTop = 15;
  constexpr int kRowStep = 26;
  // Rows of the grid hold four kinds, except the two rows of three display kinds.
  int row = 0;
  int column = 0;
  if (k <= 20) {
    row = (k - 1) / 4;
    column = (k - 1) % 4;
  } else if (k <= 26) {
    row = 5 + (k - 21) / 3;
    column = (k - 21) % 3;
  } else {
    row = 7;
    column = k - 27;
  }
  return {kColumns[column], kRowTop + kRowStep * row};
}

}  // namespace vorlune
