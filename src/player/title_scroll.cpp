#include "player/title_scroll.h"

#include <algorithm>

namespace vorlune {

int TitleScrollOffset(int textWidth, int boxWidth, std::int64_t ms) {
  const std::int64_t travel = textWidth - boxWidth;
  if (travel <= 0) return 0;
  // Whole milliseconds for the whole travel, so the end is reached exactly.
  const std::int64_t moveMs = (travel * 1000 + kTitleScrollPixelsPerSecond - 1) / kTitleScrollPixelsPerSecond;
  const std::int64_t period = 2 * (kTitlePauseMs + moveMs);
  std::int64_t t = std::max<std::int64_t>(0, ms) % period;
  const auto moved = [travel](std::int64_t elapsed) {
    return std::min(travel, elapsed * kTitleScrollPixelsPerSecond / 1000);
  };
  if (t < kTitlePauseMs) return 0;
  t -= kTitlePauseMs;
  if (t < moveMs) return static_cast<int>(moved(t));
  t -= moveMs;
  if (t < kTitlePauseMs) return static_cast<int>(travel);
  t -= kTitlePauseMs;
  return static_cast<int>(travel - moved(t));
}

}  // namespace vorlune
