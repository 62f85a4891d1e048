#pragma once

#include <CLI/CLI.hpp>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/result.h"
#include "player/player_state.h"

namespace vorlune::cli {

// The player options of `render` and `animate`: --scenario NAME, --at SECONDS
// (render only) and any number of --set KEY=VALUE, which override the scenario.
struct PlayerOptions {
  std::optional<std::string> scenario;
  std::optional<std::int64_t> atMs;
  std::vector<std::string> settings;

  bool any() const { return scenario || atMs || !settings.empty(); }
};

// The player options as typed. They are checked after the command line is
// read, so that a bad value is refused by name ("Error : ...", exit status 1).
struct PlayerOptionTexts {
  std::optional<std::string> scenario;
  std::optional<std::string> at;
  std::vector<std::string> settings;
};

// Adds --scenario, --set and, with `withAt`, --at to a command, with their help.
void AddPlayerOptions(CLI::App& command, PlayerOptionTexts& texts, bool withAt);

// The options the texts give, starting from `options`; the refusal of the
// first bad one (the scenario, the time, then the settings in their order).
Status ReadPlayerOptions(const PlayerOptionTexts& texts, PlayerOptions& options);

// The sentence of the help on refusals of player options.
inline constexpr const char* kPlayerRefusalNote =
    "A bad name, key or value gives \"Error : ...\" naming it, exit status 1, and no file.";

// Checks and records one option's value; a refusal names the option or the
// setting's key. Settings are tried on a state at once, so that a bad one is
// refused before anything is drawn or written.
Status ParsePlayerOption(PlayerOptions& options, const std::string& name, const std::string& value);

// The state to draw at `ms` of simulated time: the scenario's (the defaults
// without one), then the settings in their order.
PlayerState PlayerStateAt(const PlayerOptions& options, std::int64_t ms);

// Milliseconds of a decimal number of seconds such as 12 or 2.25 (at most
// three decimals), within [0, maxMs]; none for anything else.
std::optional<std::int64_t> ParseSecondsAsMs(const std::string& text, std::int64_t maxMs);

// The scenario names, comma-separated, for messages and help.
std::string ScenarioNameList();

}  // namespace vorlune::cli
