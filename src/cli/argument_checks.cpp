#include "cli/argument_checks.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace vorlune::cli {

namespace {

template <typename Number>
std::optional<Number> WholeNumber(std::string_view text) {
  Number value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<ColorTriple> ParseColors(std::string_view text) {
  ColorTriple colors{};
  for (std::size_t slot = 0; slot < colors.size(); ++slot) {
    const std::size_t comma = text.find(',');
    const bool last = slot + 1 == colors.size();
    if (last != (comma == std::string_view::npos)) return std::nullopt;
    const auto value = WholeNumber<int>(text.substr(0, comma));
    if (!value || *value < -1 || *value > 15) return std::nullopt;
    colors[slot] = static_cast<PickerIndex>(*value);
    if (!last) text.remove_prefix(comma + 1);
  }
  return colors;
}

std::optional<double> Fraction(std::string_view text) {
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  // Written as "not inside" so that a NaN is refused too.
  if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !(value >= 0 && value <= 1))
    return std::nullopt;
  return value;
}

std::optional<FitFocus> ParseFocus(std::string_view text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  const auto x = Fraction(text.substr(0, comma));
  const auto y = Fraction(text.substr(comma + 1));
  if (!x || !y) return std::nullopt;
  return FitFocus{*x, *y};
}

bool IsRgbHex(const std::string& text) {
  return text.size() == 6 && text.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
}

// A check without a description of its own: the option's type name shows the form.
CLI::Validator Check(std::function<std::string(const std::string&)> problem) {
  return CLI::Validator([problem](std::string& text) { return problem(text); }, "");
}

}  // namespace

CLI::Validator PartKindArgument() {
  return Check([](const std::string& text) -> std::string {
    if (KindFromText(text)) return "";
    return "unknown part kind '" + text + "' (1..30 or a name such as Play, LevelBarH)";
  });
}

CLI::Validator CanvasPixels() {
  return Check([](const std::string& text) -> std::string {
    if (WholeNumber<int>(text)) return "";
    return "a whole number of canvas pixels is needed, not '" + text + "'";
  });
}

CLI::Validator OneOf(std::vector<std::string> words) {
  return Check([words](const std::string& text) -> std::string {
    if (std::find(words.begin(), words.end(), text) != words.end()) return "";
    std::string list;
    for (std::size_t i = 0; i < words.size(); ++i)
      list += (i == 0 ? "" : i + 1 == words.size() ? " or " : ", ") + words[i];
    return "'" + text + "' is none of " + list;
  });
}

CLI::Validator WholeSeconds() {
  return Check([](const std::string& text) -> std::string {
    if (WholeNumber<std::int64_t>(text)) return "";
    return "the time must be whole seconds since 1970, not '" + text + "'";
  });
}

CLI::Validator PickerColors() {
  return Check([](const std::string& text) -> std::string {
    if (ParseColors(text)) return "";
    return "three numbers -1..15 are needed, such as 6,14,-1, not '" + text + "'";
  });
}

CLI::Validator RgbHex() {
  return Check([](const std::string& text) -> std::string {
    if (IsRgbHex(text)) return "";
    return "a colour is six hexadecimal digits RRGGBB, such as FFFFFF, not '" + text + "'";
  });
}

CLI::Validator FocusPoint() {
  return Check([](const std::string& text) -> std::string {
    if (ParseFocus(text)) return "";
    return "the focus is two fractions 0..1 of the width and height, such as 0.25,0.5, not '" + text + "'";
  });
}

PartKind KindOf(const std::string& text) {
  return KindFromText(text).value_or(kNoKind);
}

std::int64_t SecondsOf(const std::string& text) {
  return WholeNumber<std::int64_t>(text).value_or(0);
}

ColorTriple ColorsOf(const std::string& text) {
  return ParseColors(text).value_or(ColorTriple{kNoColor, kNoColor, kNoColor});
}

Rgb RgbOf(const std::string& text) {
  std::uint32_t value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value, 16);
  return Rgb{static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
             static_cast<std::uint8_t>(value)};
}

FitFocus FocusOf(const std::string& text) {
  return ParseFocus(text).value_or(FitFocus{});
}

}  // namespace vorlune::cli
