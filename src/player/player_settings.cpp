#include "player/player_settings.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <string>
#include <vector>

#include "player/utf8_code_points.h"

namespace vorlune {

namespace {

UserMessage Refusal(std::string_view key, const std::string& wants, std::string_view value) {
  return UserMessage{"Error : The player setting '" + std::string(key) + "' takes " + wants + ", not '" +
                     std::string(value) + "'."};
}

// A whole number of at most three digits, no sign, within [low, high].
std::optional<int> WholeNumber(std::string_view text, int low, int high) {
  if (text.empty() || text.size() > 3) return std::nullopt;
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() ||
      !std::isdigit(static_cast<unsigned char>(text[0])))
    return std::nullopt;
  if (value < low || value > high) return std::nullopt;
  return value;
}

// `count` comma-separated percentages.
template <std::size_t N>
std::optional<std::array<int, N>> Percentages(std::string_view text) {
  std::array<int, N> values{};
  std::size_t start = 0;
  for (std::size_t i = 0; i < N; ++i) {
    const std::size_t comma = text.find(',', start);
    const bool last = i + 1 == N;
    if (last != (comma == std::string_view::npos)) return std::nullopt;
    const std::optional<int> p = WholeNumber(text.substr(start, last ? text.npos : comma - start), 0, 100);
    if (!p) return std::nullopt;
    values[i] = *p;
    start = comma + 1;
  }
  return values;
}

// MM:SS with one or two digits of minutes (0..99) and two of seconds (00..59).
std::optional<int> MinutesSeconds(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon == text.npos || colon == 0 || colon > 2 || text.size() != colon + 3) return std::nullopt;
  const std::optional<int> minutes = WholeNumber(text.substr(0, colon), 0, 99);
  const std::optional<int> seconds = WholeNumber(text.substr(colon + 1), 0, 59);
  if (!minutes || !seconds) return std::nullopt;
  return *minutes * 60 + *seconds;
}

std::optional<PartKind> PressedButton(std::string_view text) {
  if (text == "none") return kNoKind;
  const std::optional<PartKind> kind = KindFromText(text);
  if (!kind || !IsButtonKind(*kind)) return std::nullopt;
  return kind;
}

std::string ButtonNames() {
  std::string names;
  for (const PartKindInfo& row : PartKindTable()) {
    if (IsButtonKind(row.kind)) names += std::string(names.empty() ? "" : ", ") + std::string(row.name);
  }
  return names;
}

}  // namespace

Status ApplyPlayerSetting(PlayerState& state, std::string_view setting) {
  const std::size_t equals = setting.find('=');
  const std::string_view key = setting.substr(0, equals);
  if (std::find(kPlayerSettingKeys.begin(), kPlayerSettingKeys.end(), key) == kPlayerSettingKeys.end()) {
    std::string keys;
    for (const std::string_view k : kPlayerSettingKeys)
      keys += std::string(keys.empty() ? "" : ", ") + std::string(k);
    return UserMessage{"Error : '" + std::string(key) + "' is not a player setting; the keys are " + keys +
                       "."};
  }
  if (equals == setting.npos) {
    return UserMessage{"Error : The player setting '" + std::string(key) +
                       "' needs a value: " + std::string(key) + "=VALUE."};
  }
  const std::string_view value = setting.substr(equals + 1);

  if (key == "transport") {
    const std::optional<Transport> t = TransportFromName(value);
    if (!t) return Refusal(key, "stopped, playing, paused, ff or rew", value);
    state.transport = *t;
  } else if (key == "pressed") {
    const std::optional<PartKind> kind = PressedButton(value);
    if (!kind) return Refusal(key, "none or a button: " + ButtonNames(), value);
    state.pressed = *kind;
  } else if (key == "repeat") {
    if (value != "on" && value != "off") return Refusal(key, "on or off", value);
    state.repeat = value == "on";
  } else if (key == "volume") {
    const std::optional<int> p = WholeNumber(value, 0, 100);
    if (!p) return Refusal(key, "a whole percentage from 0 to 100", value);
    state.volume = *p;
  } else if (key == "eq") {
    const auto p = Percentages<8>(value);
    if (!p) return Refusal(key, "eight comma-separated percentages from 0 to 100", value);
    state.equalizer = *p;
  } else if (key == "level" || key == "peak") {
    const auto p = Percentages<2>(value);
    if (!p) return Refusal(key, "two comma-separated percentages from 0 to 100", value);
    (key == "level" ? state.level : state.peak) = *p;
  } else if (key == "time") {
    const std::optional<int> seconds = MinutesSeconds(value);
    if (!seconds) return Refusal(key, "MM:SS with minutes up to 99", value);
    state.seconds = *seconds;
  } else if (key == "track") {
    const std::optional<int> track = WholeNumber(value, 0, 99);
    if (!track) return Refusal(key, "a whole number from 0 to 99", value);
    state.track = *track;
  } else {  // title
    if (!DecodeUtf8(value).valid) return UserMessage{"Error : The player setting 'title' takes UTF-8 text."};
    state.title = std::string(value);
  }
  return Done{};
}

}  // namespace vorlune
