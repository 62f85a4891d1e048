#include "cli/player_options.h"

#include <cctype>

#include "player/player_scenarios.h"
#include "player/player_settings.h"

namespace vorlune::cli {

namespace {

constexpr std::int64_t kMaxAtMs = 24 * 3600 * 1000;

}  // namespace

std::string ScenarioNameList() {
  std::string names;
  for (const ScenarioInfo& s : PlayerScenarios()) names += (names.empty() ? "" : ", ") + std::string(s.name);
  return names;
}

std::optional<std::int64_t> ParseSecondsAsMs(const std::string& text, std::int64_t maxMs) {
  std::int64_t whole = 0;
  std::size_t i = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    whole = whole * 10 + (text[i] - '0');
    if (whole > maxMs) return std::nullopt;
  }
  if (i == 0) return std::nullopt;
  std::int64_t ms = whole * 1000;
  if (i < text.size()) {
    if (text[i] != '.' || i + 1 == text.size() || text.size() - i - 1 > 3) return std::nullopt;
    std::int64_t scale = 100;
    for (++i; i < text.size(); ++i, scale /= 10) {
      if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
      ms += (text[i] - '0') * scale;
    }
  }
  if (ms > maxMs) return std::nullopt;
  return ms;
}

void AddPlayerOptions(CLI::App& command, PlayerOptionTexts& texts, bool withAt) {
  command.add_option("--scenario", texts.scenario, ScenarioNameList())->type_name("NAME");
  if (withAt) {
    command.add_option("--at", texts.at, "the simulated time to draw, 0 by default, e.g. 2.5")
        ->type_name("SECONDS");
  }
  command
      .add_option("--set", texts.settings,
                  "sets one field of the player's state, after the scenario:\n"
                  "transport=stopped|playing|paused|ff|rew   pressed=none|BUTTON (e.g. Play)\n"
                  "repeat=on|off   volume=P   eq=P,P,P,P,P,P,P,P   level=P,P   peak=P,P\n"
                  "time=MM:SS   track=0..99   title=TEXT   (P: a whole percentage 0..100);\n"
                  "given again, sets another")
      ->type_name("KEY=VALUE")
      ->allow_extra_args(false);
}

Status ReadPlayerOptions(const PlayerOptionTexts& texts, PlayerOptions& options) {
  if (texts.scenario) {
    if (Status parsed = ParsePlayerOption(options, "--scenario", *texts.scenario); !parsed) return parsed;
  }
  if (texts.at) {
    if (Status parsed = ParsePlayerOption(options, "--at", *texts.at); !parsed) return parsed;
  }
  for (const std::string& setting : texts.settings) {
    if (Status parsed = ParsePlayerOption(options, "--set", setting); !parsed) return parsed;
  }
  return Done{};
}

Status ParsePlayerOption(PlayerOptions& options, const std::string& name, const std::string& value) {
  if (name == "--scenario") {
    if (!ScenarioState(value, 0)) {
      return UserMessage{"Error : '" + value + "' is not a scenario; the scenarios are " +
                         ScenarioNameList() + "."};
    }
    options.scenario = value;
  } else if (name == "--at") {
    const std::optional<std::int64_t> ms = ParseSecondsAsMs(value, kMaxAtMs);
    if (!ms)
      return UserMessage{"Error : --at takes seconds from 0 to 86400, such as 12.5, not '" + value + "'."};
    options.atMs = ms;
  } else {
    PlayerState trial;
    if (Status applied = ApplyPlayerSetting(trial, value); !applied) return applied;
    options.settings.push_back(value);
  }
  return Done{};
}

PlayerState PlayerStateAt(const PlayerOptions& options, std::int64_t ms) {
  PlayerState state = options.scenario ? *ScenarioState(*options.scenario, ms) : PlayerState{};
  for (const std::string& setting : options.settings) (void)ApplyPlayerSetting(state, setting);
  return state;
}

}  // namespace vorlune::cli
