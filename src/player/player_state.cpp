#include "player/player_state.h"

namespace vorlune {

namespace {

constexpr std::array<std::pair<Transport, std::string_view>, 5> kTransportNames{{
    {Transport::Stopped, "stopped"},
    {Transport::Playing, "playing"},
    {Transport::Paused, "paused"},
    {Transport::FastForward, "ff"},
    {Transport::Rewind, "rew"},
}};

}  // namespace

std::string_view TransportName(Transport t) {
  for (const auto& [transport, name] : kTransportNames) {
    if (transport == t) return name;
  }
  return {};
}

std::optional<Transport> TransportFromName(std::string_view text) {
  for (const auto& [transport, name] : kTransportNames) {
    if (name == text) return transport;
  }
  return std::nullopt;
}

bool IsButtonKind(PartKind k) {
  return (k >= 1 && k <= 8) || k == 30;
}

}  // namespace vorlune
