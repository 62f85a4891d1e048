#pragma once

namespace vorlune {

// A flash: three times inverted and back, 170 ms each.
inline constexpr int kFlashPhases = 6;
inline constexpr int kFlashPhaseMs = 170;
inline constexpr int kFlashOutline = 2;

}  // namespace vorlune
