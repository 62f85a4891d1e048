#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/result.h"
#include "layout/skin_layout.h"
#include "player/indexed_frame.h"
#include "player/player_state.h"
#include "skin/meter_geometry.h"
#include "skin/skin_database_reader.h"

namespace vorlune {

class TitleFont;
struct TextLine;

// Draws a skin as the handheld shows it in a player state, from the skin
// database bytes themselves: the palette, the background strips, each part's
// descriptor and state bitmaps (index 0 transparent).
//
// - A button shows state 1 while pressed (Play also while playing, FastForward
//   and Rewind in their modes, Replay while repeat is on), else state 0.
// - A meter shows its lit units from state 1, the rest from state 0; a level
//   channel's peak lights the units just below it from state 2.
// - Time and track displays show digits cut from their digit strip.
// - A title display sets the title in its text colour, scrolling when too wide.
// A state bitmap the skin does not carry draws nothing there.
class PlayerSimulator {
 public:
  PlayerSimulator();
  ~PlayerSimulator();
  PlayerSimulator(PlayerSimulator&&) noexcept;
  PlayerSimulator& operator=(PlayerSimulator&&) noexcept;

  // Takes the skin to show. Refused, keeping the skin shown before, when the
  // bytes are no readable skin or a title display needs the missing title font.
  Status SetSkin(std::span<const std::uint8_t> pdb);
  // The same for a layout being edited: its skin bytes are made in memory.
  Status SetLayout(const SkinLayout& layout);

  // The screen in `state` at `clockMs` of simulated time (which moves long
  // titles); valid until the next call. Black before any skin is set.
  const IndexedFrame& Draw(const PlayerState& state, std::int64_t clockMs);

  // The button kind whose part lies under canvas point (x, y), or none.
  PartKind ButtonAt(int x, int y) const;

  bool hasSkin() const { return skin_ != nullptr; }

 private:
  struct MeterPixel {
    std::uint32_t frameAt;   // index into the frame
    std::uint32_t bitmapAt;  // index into each state bitmap
    std::int16_t lane;       // -1: outside every lane, always state 0
    std::int16_t unit;
  };
  struct PreparedMeter {
    std::size_t part;  // index into the skin's parts
    MeterGeometry geometry;
    std::vector<MeterPixel> pixels;
  };

  void DrawBitmap(const SkinBitmap& bitmap, int sourceX, int width, int height, int x, int y);
  void DrawButton(const SkinPartView& part, const PlayerState& state);
  void DrawMeter(const PreparedMeter& meter, const PlayerState& state);
  void DrawDigits(const SkinPartView& part, const PlayerState& state);
  void DrawTitle(const SkinPartView& part, const std::string& title, std::int64_t clockMs);

  std::unique_ptr<SkinDatabase> skin_;
  std::vector<std::uint8_t> background_;
  std::vector<PreparedMeter> meters_;
  std::shared_ptr<TitleFont> font_;
  std::unique_ptr<TextLine> line_;  // the title last set, kept while it stays
  std::string lineText_;
  IndexedFrame frame_;
};

}  // namespace vorlune
