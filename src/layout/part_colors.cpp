#include "layout/part_colors.h"

namespace vorlune {

ColorTriple DefaultColors(DialogFamily family) {
  switch (family) {
    case DialogFamily::Button:
      return {14, 9, kNoColor};
    case DialogFamily::TwoColor:
      return {6, 14, kNoColor};
    case DialogFamily::ThreeColor:
      return {6, 14, 9};
    case DialogFamily::TextColor:
      return {14, kNoColor, kNoColor};
  }
  return {kNoColor, kNoColor, kNoColor};
}

ColorTriple DefaultColors(PartKind k) {
  return DefaultColors(DialogFamilyOf(k));
}

ColorTriple ColorsOnPlainOk(PartKind k, const ColorTriple& held) {
  if (held[0] >= 0) return held;
  // A button dialog opened on no first colour stays "without image".
  if (DialogFamilyOf(k) == DialogFamily::Button) return {kNoColor, kNoColor, kNoColor};
  return DefaultColors(k);
}

bool DialogCanGive(PartKind k, const ColorTriple& colors) {
  if (DialogFamilyOf(k) != DialogFamily::Button) return colors[0] >= 0;
  return colors[0] >= 0 || (colors[1] < 0 && colors[2] < 0);
}

}  // namespace vorlune
