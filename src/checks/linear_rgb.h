#pragma once

#include <cstdint>

namespace vorlune {

// An sRGB channel 0..255 as linear light 0..1, with the 0.04045 threshold of
// the sRGB definition that WCAG 2 uses. Looked up: the checks convert every
// colour under every part.
double LinearChannel(std::uint8_t value);

}  // namespace vorlune
