// Fuzzes the player simulation with random skins and states. The first byte
// says what follows: even, a described skin (see Described below) with a
// state, a simulated time, a scenario, a title and settings; odd, the bytes of
// a skin database, drawn in a scenario. Every frame must be drawn the same way
// twice and show the background outside the parts and only the parts' own
// colours inside them; with bit 1 of the first byte set, frames also go into a GIF.
#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "player/animated_gif.h"
#include "player/player_scenarios.h"
#include "player/player_settings.h"
#include "player/player_simulator.h"
#include "player/player_skin.h"

namespace {

using namespace vorlune;

// Reads bytes in turn; zeros once they run out.
class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }
  std::string_view Rest() const {
    return at_ < size_ ? std::string_view(reinterpret_cast<const char*>(data_ + at_), size_ - at_) : "";
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

PickerIndex Color(std::uint8_t b) {
  return static_cast<PickerIndex>(b % 17 - 1);
}

// Six bytes a slot for the nine buttons, then one kind (or none) of each group:
// which, x, y (doubled, pushed back onto the canvas) and the three colours.
SkinLayout Described(Bytes& in) {
  SkinLayout layout = NewSkinLayout();
  layout.pixelOffset = kReducedHeaderSize;
  layout.picture.assign(kReducedHeaderSize + kPixelBytes, 0);
  for (std::uint32_t i = 0; i < kPixelBytes; ++i)
    layout.picture[kReducedHeaderSize + i] = static_cast<std::uint8_t>(17 + (i % 320 + i / 320) % 214);
  const PartKind buttons[] = {1, 2, 3, 4, 5, 6, 7, 8, 30};
  const PartKind groups[] = {9, 13, 17, 21, 24, 27};
  for (int slot = 0; slot < 15; ++slot) {
    const std::uint8_t which = in.Next();
    PartKind k = kNoKind;
    if (slot < 9) {
      k = which % 2 == 1 ? buttons[slot] : kNoKind;
    } else {
      const KindRange range = GroupKinds(groups[slot - 9]);
      const int choice = which % (range.last - range.first + 2);
      k = choice == 0 ? kNoKind : range.first + choice - 1;
    }
    const int x = in.Next() * 2;
    const int y = in.Next() * 2;
    const ColorTriple colors{Color(in.Next()), Color(in.Next()), Color(in.Next())};
    if (k == kNoKind) continue;
    PartRecord& part = layout.part(k);
    part.x = std::min(x, kCanvasSize - part.width);
    part.y = std::min(y, kCanvasSize - part.height);
    part.colors = colors;
  }
  layout.placedCount = static_cast<std::uint32_t>(CountPlacedRows(layout));
  return layout;
}

// Raw values, percentages up to 255 and any kind pressed: the simulator clamps.
PlayerState StateFrom(Bytes& in) {
  PlayerState state;
  state.transport = static_cast<Transport>(in.Next() % 5);
  state.pressed = in.Next() % 32;
  state.repeat = in.Next() % 2 == 1;
  state.volume = in.Next();
  for (int& band : state.equalizer) band = in.Next();
  for (int& channel : state.level) channel = in.Next();
  for (int& channel : state.peak) channel = in.Next();
  state.seconds = in.Next() << 8 | in.Next();
  state.track = in.Next();
  return state;
}

void CheckFrame(PlayerSimulator& simulator, std::span<const std::uint8_t> pdb, const PlayerState& state,
                std::int64_t ms, bool gifToo) {
  const Result<SkinDatabase> skin = ReadSkinDatabase(pdb);
  FUZZ_CHECK(skin.ok());
  const std::vector<std::uint8_t> frame = simulator.Draw(state, ms).pixels;
  FUZZ_CHECK(simulator.Draw(state, ms).pixels == frame);
  // The indices each part may show: those of its state bitmaps, and a title's text colour.
  std::vector<std::array<bool, 256>> owned(skin->parts.size());
  for (std::size_t i = 0; i < skin->parts.size(); ++i) {
    const SkinPartView& part = skin->parts[i];
    if (part.kind >= 27 && part.kind <= 29) owned[i][part.stateColors[0]] = true;
    for (const SkinBitmap& bitmap : part.states) {
      for (const std::uint8_t index : bitmap.pixels) owned[i][index] = true;
    }
  }
  for (int y = 0; y < kCanvasSize; ++y) {
    for (int x = 0; x < kCanvasSize; ++x) {
      const std::uint8_t shown = frame[static_cast<std::size_t>(y * kCanvasSize + x)];
      if (shown == skin->backgroundAt(x, y)) continue;
      // Another index only where a part lies that may show it.
      bool mayShow = false;
      for (std::size_t i = 0; i < skin->parts.size() && !mayShow; ++i) {
        const SkinPartView& part = skin->parts[i];
        mayShow = x >= part.x && y >= part.y && x < part.x + part.width && y < part.y + part.height &&
                  owned[i][shown];
      }
      FUZZ_CHECK(mayShow);
    }
  }
  if (!gifToo) return;  // the costliest check, for every other input
  AnimatedGifEncoder gif(skin->palette, 1 + static_cast<int>(ms & 1));
  FUZZ_CHECK(gif.Add(simulator.Draw(state, ms), 10).ok());
  FUZZ_CHECK(gif.Add(simulator.Draw(state, ms + 1000), 10).ok());
  const Result<std::vector<std::uint8_t>> bytes = gif.Finish();
  FUZZ_CHECK(bytes.ok() && bytes->size() > 6 &&
             std::string_view(reinterpret_cast<const char*>(bytes->data()), 6) == "GIF89a");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Bytes in(data, size);
  // One simulator takes skin after skin, as the editor's does after each edit.
  static PlayerSimulator simulator;
  const std::uint8_t what = in.Next();
  const bool gifToo = (what & 2) != 0;
  if (what % 2 == 1) {
    const std::string_view rest = in.Rest();
    const std::span<const std::uint8_t> pdb(reinterpret_cast<const std::uint8_t*>(rest.data()), rest.size());
    if (!simulator.SetSkin(pdb).ok()) return 0;
    CheckFrame(simulator, pdb, *ScenarioState("long-title", 2500), 2500, gifToo);
    return 0;
  }
  const SkinLayout layout = Described(in);
  PlayerState state = StateFrom(in);
  std::int64_t ms = 0;
  for (int i = 0; i < 4; ++i) ms = ms << 8 | in.Next();
  ms = static_cast<std::int32_t>(ms);  // negative times too
  const std::uint8_t scenario = in.Next() % 8;
  if (scenario < PlayerScenarios().size()) state = *ScenarioState(PlayerScenarios()[scenario].name, ms);
  // The rest: the title, then one KEY=VALUE setting a line.
  const std::string_view rest = in.Rest();
  std::size_t line = rest.find('\n');
  state.title = std::string(rest.substr(0, line));
  while (line != std::string_view::npos) {
    const std::size_t next = rest.find('\n', line + 1);
    PlayerState tried = state;
    const std::string_view setting = rest.substr(line + 1, next == rest.npos ? rest.npos : next - line - 1);
    if (ApplyPlayerSetting(tried, setting).ok())
      state = tried;
    else
      FUZZ_CHECK(tried == state);  // a refusal changes nothing
    line = next;
  }

  const Result<std::vector<std::uint8_t>> pdb = PlayerSkinBytes(layout);
  FUZZ_CHECK(pdb.ok());
  FUZZ_CHECK(simulator.SetSkin(*pdb).ok());
  CheckFrame(simulator, *pdb, state, ms, gifToo);
  return 0;
}
