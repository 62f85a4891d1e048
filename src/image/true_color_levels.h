#pragma once

#include <array>
#include <cstdint>

namespace vorlune {

using ChannelHistogram = std::array<std::uint32_t, 256>;
using ChannelLevels = std::array<std::uint8_t, 6>;  // L0..L5

enum class Channel { Red, Green, Blue };

// The six levels of one channel, adapted to its histogram by repeated means.
ChannelLevels ComputeChannelLevels(const ChannelHistogram& histogram, Channel channel);

// True when two levels of the channel are equal.
bool HasEqualLevels(const ChannelLevels& levels);

}  // namespace vorlune
