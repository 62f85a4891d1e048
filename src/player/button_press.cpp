#include "player/button_press.h"

#include <algorithm>

namespace vorlune {

PlayerState PressPlayerButton(PlayerState state, PartKind k) {
  switch (k) {
    case 1:
      state.transport = state.transport == Transport::Playing ? Transport::Paused : Transport::Playing;
      break;
    case 2:
      state.transport = Transport::Stopped;
      state.seconds = 0;
      break;
    case 3:
    case 4:
      state.track = std::clamp(state.track + (k == 4 ? 1 : -1), 0, 99);
      state.seconds = 0;
      break;
    case 5:
    case 6:
      state.seconds =
          std::clamp(state.seconds + (k == 6 ? kSeekSeconds : -kSeekSeconds), 0, kMaxPlayerSeconds);
      break;
    case 7:
    case 8:
      state.volume = std::clamp(state.volume + (k == 7 ? kVolumeStep : -kVolumeStep), 0, 100);
      break;
    case 30:
      state.repeat = !state.repeat;
      break;
    default:
      break;
  }
  return state;
}

}  // namespace vorlune
