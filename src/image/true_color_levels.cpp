#include "image/true_color_levels.h"

#include <optional>

namespace vorlune {

namespace {

// The mean value of h over [a, b), the fraction dropped; nothing when the
// range is empty or holds no pixel.
std::optional<std::uint8_t> Mean(const ChannelHistogram& h, int a, int b) {
  if (a >= b) return std::nullopt;
  std::uint64_t weighted = 0;
  std::uint64_t count = 0;
  for (int v = a; v < b; ++v) {
    weighted += static_cast<std::uint64_t>(v) * h[v];
    count += h[v];
  }
  if (count == 0) return std::nullopt;
  return static_cast<std::uint8_t>(weighted / count);
}

std::uint8_t Below(std::uint8_t level) {
  return level == 0 ? 0 : static_cast<std::uint8_t>(level - 1);
}

// One above; at the top red stays at 255 while green and blue wrap to 0.
std::uint8_t AboveOrTop(std::uint8_t level, Channel channel) {
  if (level == 255) return channel == Channel::Red ? 255 : 0;
  return static_cast<std::uint8_t>(level + 1);
}

std::uint8_t Wrapped(std::uint8_t level) {
  return static_cast<std::uint8_t>(level + 1);
}

}  // namespace

ChannelLevels ComputeChannelLevels(const ChannelHistogram& h, Channel channel) {
  ChannelLevels L{};
  L[3] = Mean(h, 0, 256).value_or(0);
  L[2] = Mean(h, 0, L[3]).value_or(Below(L[3]));
  L[1] = Mean(h, 0, L[2]).value_or(Below(L[2]));
  L[2] = Mean(h, L[1], L[3]).value_or(Below(L[3]));
  L[5] = Mean(h, L[3], 256).value_or(AboveOrTop(L[3], channel));
  L[4] = Mean(h, L[3], L[5]).value_or(AboveOrTop(L[3], channel));
  L[5] = Mean(h, L[4], 256).value_or(AboveOrTop(L[4], channel));

  L[0] = 0;
  for (int c = 0; c <= 2; ++c) L[c] = Mean(h, L[c], L[c + 1]).value_or(Below(L[c + 1]));
  for (int c = 3; c <= 4; ++c) L[c] = Mean(h, L[c], L[c + 1]).value_or(Wrapped(L[c]));
  L[5] = Mean(h, L[5], 256).value_or(Wrapped(L[5]));

  // The outer levels reach the darkest and brightest values that more than
  // 100 pixels have.
  int low = 0;
  for (int v = 1; v <= 255; ++v) {
    if (h[v] > 100) {
      low = v;
      break;
    }
  }
  int high = 0;
  for (int v = 255; v >= 1; --v) {
    if (h[v] > 100) {
      high = v;
      break;
    }
  }
  if (L[0] > low) L[0] = static_cast<std::uint8_t>(low);
  if (L[5] < high) L[5] = static_cast<std::uint8_t>(high);
  return L;
}

bool HasEqualLevels(const ChannelLevels& levels) {
  for (int i = 0; i < 5; ++i) {
    for (int j = i + 1; j < 6; ++j) {
      if (levels[i] == levels[j]) return true;
    }
  }
  return false;
}

}  // namespace vorlune
