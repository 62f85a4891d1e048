#pragma once

#include <cstdint>

namespace vorlune {

inline constexpr int kTitleScrollPixelsPerSecond = 30;
inline constexpr std::int64_t kTitlePauseMs = 1000;

// How far a title `textWidth` pixels wide has moved left in a display
// `boxWidth` wide at `ms` of simulated time. A title that fits stands still at
// the left; a wider one rests 1 s at its start, moves left at 30 px a second
// until its end shows, rests 1 s, moves back at the same pace, and so on.
int TitleScrollOffset(int textWidth, int boxWidth, std::int64_t ms);

}  // namespace vorlune
