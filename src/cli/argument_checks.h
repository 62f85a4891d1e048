#pragma once

#include <CLI/CLI.hpp>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "image/picture_fitting.h"
#include "layout/skin_layout.h"

namespace vorlune::cli {

// Checks of argument values, so that a wrong value is a usage error (exit
// status 2) naming the argument, before any file is read.

// A kind by number 1..30 or by name (Play, LevelBarH, ...).
CLI::Validator PartKindArgument();
// A whole number of canvas pixels.
CLI::Validator CanvasPixels();
// One of `words`, written exactly.
CLI::Validator OneOf(std::vector<std::string> words);
// Whole seconds since 1970, such as 1717243200.
CLI::Validator WholeSeconds();
// Three picker indexes -1..15 separated by commas, such as 6,14,-1.
CLI::Validator PickerColors();
// A colour as six hexadecimal digits RRGGBB.
CLI::Validator RgbHex();
// Two fractions 0..1 separated by a comma, such as 0.25,0.5.
CLI::Validator FocusPoint();

// The values the checks above let through.
PartKind KindOf(const std::string& text);
std::int64_t SecondsOf(const std::string& text);
ColorTriple ColorsOf(const std::string& text);
Rgb RgbOf(const std::string& text);
FitFocus FocusOf(const std::string& text);

}  // namespace vorlune::cli
