#pragma once

#include <array>
#include <cstdint>

namespace vorlune {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The 16 colours of the picker (the standard VGA palette in its usual order).
// Picker index c is entry c + 1 of the skin palette.
inline constexpr std::array<Rgb, 16> kPickerColors{{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {192, 192, 192},
    {128, 128, 128},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

// The device palette written into the skin: entry 0 black (transparent on the
// handheld), 1..16 the picker colours, 17.. the background's colours, the rest black.
using SkinPalette = std::array<Rgb, 256>;

inline constexpr int kFirstBackgroundEntry = 17;
inline constexpr int kBackgroundColors = 214;

// A palette with entries 0..16 fixed and every other entry black.
inline SkinPalette FixedSkinPalette() {
  SkinPalette palette{};
  for (std::size_t i = 0; i < kPickerColors.size(); ++i) palette[i + 1] = kPickerColors[i];
  return palette;
}

}  // namespace vorlune
