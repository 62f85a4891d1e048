#include "player/player_simulator.h"

#include <algorithm>

#include "player/player_skin.h"
#include "player/title_font.h"
#include "player/title_scroll.h"
#include "skin/mask_picture.h"

namespace vorlune {

namespace {

constexpr int kColonCell = 10;
constexpr int kBarPeakUnits = 8;
constexpr int kDotPeakUnits = 1;

bool IsMeter(PartKind k) {
  return k >= 9 && k <= 20;
}
bool IsTitle(PartKind k) {
  return k >= 27 && k <= 29;
}
bool IsLevelMeter(PartKind k) {
  return k >= 17 && k <= 20;
}

// The palette index a title is set in: the text colour + 1, 0 (or 255) for none.
std::uint8_t TitleColor(const SkinPartView& part) {
  const std::uint8_t index = part.stateColors[0];
  return index == 255 ? 0 : index;
}

// p % of `units`, rounded half up.
int LitUnits(int percent, int units) {
  return (std::clamp(percent, 0, 100) * units + 50) / 100;
}

bool ButtonOn(PartKind k, const PlayerState& state) {
  if (state.pressed == k) return true;
  switch (k) {
    case 1:
      return state.transport == Transport::Playing;
    case 5:
      return state.transport == Transport::Rewind;
    case 6:
      return state.transport == Transport::FastForward;
    case 30:
      return state.repeat;
    default:
      return false;
  }
}

// Rows of exactly the bitmap's width, so that one pixel index serves every
// state of a part (a foreign skin may pad its states' rows differently).
void Unpadded(SkinBitmap& bitmap) {
  if (bitmap.rowBytes == bitmap.width) return;
  std::vector<std::uint8_t> rows(static_cast<std::size_t>(bitmap.width) *
                                 static_cast<std::size_t>(bitmap.height));
  for (int y = 0; y < bitmap.height; ++y) {
    for (int x = 0; x < bitmap.width; ++x)
      rows[static_cast<std::size_t>(y * bitmap.width + x)] = bitmap.at(x, y);
  }
  bitmap.pixels = std::move(rows);
  bitmap.rowBytes = bitmap.width;
}

}  // namespace

PlayerSimulator::PlayerSimulator() = default;
PlayerSimulator::~PlayerSimulator() = default;
PlayerSimulator::PlayerSimulator(PlayerSimulator&&) noexcept = default;
PlayerSimulator& PlayerSimulator::operator=(PlayerSimulator&&) noexcept = default;

Status PlayerSimulator::SetSkin(std::span<const std::uint8_t> pdb) {
  Result<SkinDatabase> read = ReadSkinDatabase(pdb);
  if (!read) return read.error();
  auto skin = std::make_unique<SkinDatabase>(std::move(*read));
  for (SkinPartView& part : skin->parts) {
    for (SkinBitmap& state : part.states) Unpadded(state);
  }

  const bool needsFont = std::any_of(skin->parts.begin(), skin->parts.end(), [](const SkinPartView& part) {
    return IsTitle(part.kind) && TitleColor(part) != 0;
  });
  if (needsFont && !font_) {
    Result<std::shared_ptr<TitleFont>> font = TitleFont::Open();
    if (!font) return font.error();
    font_ = std::move(*font);
  }

  // Each meter pixel learns once which lane and unit it shows.
  std::vector<PreparedMeter> meters;
  for (std::size_t i = 0; i < skin->parts.size(); ++i) {
    const SkinPartView& part = skin->parts[i];
    if (!IsMeter(part.kind) || part.states.empty()) continue;
    PreparedMeter meter{i, MeterGeometryOf(part.kind), {}};
    const SkinBitmap& shape = part.states.front();
    for (int r = 0; r < part.height; ++r) {
      for (int c = 0; c < part.width; ++c) {
        const auto bitmapAt = static_cast<std::uint32_t>(r * shape.rowBytes + c);
        const bool inked = std::any_of(part.states.begin(), part.states.end(),
                                       [bitmapAt](const SkinBitmap& b) { return b.pixels[bitmapAt] != 0; });
        if (!inked) continue;
        const std::optional<MeterCell> cell = MeterCellAt(meter.geometry, c, r);
        meter.pixels.push_back({static_cast<std::uint32_t>((part.y + r) * kCanvasSize + part.x + c), bitmapAt,
                                static_cast<std::int16_t>(cell ? cell->lane : -1),
                                static_cast<std::int16_t>(cell ? cell->unit : -1)});
      }
    }
    meters.push_back(std::move(meter));
  }

  background_.resize(kPixelBytes);
  for (int y = 0; y < kCanvasSize; ++y) {
    for (int x = 0; x < kCanvasSize; ++x)
      background_[static_cast<std::size_t>(y * kCanvasSize + x)] = skin->backgroundAt(x, y);
  }
  frame_.palette = skin->palette;
  meters_ = std::move(meters);
  skin_ = std::move(skin);
  return Done{};
}

Status PlayerSimulator::SetLayout(const SkinLayout& layout) {
  const Result<std::vector<std::uint8_t>> bytes = PlayerSkinBytes(layout);
  if (!bytes) return bytes.error();
  return SetSkin(*bytes);
}

PartKind PlayerSimulator::ButtonAt(int x, int y) const {
  if (!skin_) return kNoKind;
  for (const SkinPartView& part : skin_->parts) {
    if (IsButtonKind(part.kind) && x >= part.x && y >= part.y && x < part.x + part.width &&
        y < part.y + part.height)
      return part.kind;
  }
  return kNoKind;
}

const IndexedFrame& PlayerSimulator::Draw(const PlayerState& state, std::int64_t clockMs) {
  if (!skin_) {
    std::fill(frame_.pixels.begin(), frame_.pixels.end(), std::uint8_t{0});
    return frame_;
  }
  std::copy(background_.begin(), background_.end(), frame_.pixels.begin());
  std::size_t nextMeter = 0;
  for (std::size_t i = 0; i < skin_->parts.size(); ++i) {
    const SkinPartView& part = skin_->parts[i];
    if (IsButtonKind(part.kind)) {
      DrawButton(part, state);
    } else if (IsMeter(part.kind)) {
      if (nextMeter < meters_.size() && meters_[nextMeter].part == i) DrawMeter(meters_[nextMeter++], state);
    } else if (IsTitle(part.kind)) {
      DrawTitle(part, state.title, clockMs);
    } else {
      DrawDigits(part, state);
    }
  }
  return frame_;
}

// Copies a width x height window of the bitmap from column `sourceX` to (x, y),
// index 0 transparent. Parts lie wholly on the canvas (the reader checks).
void PlayerSimulator::DrawBitmap(const SkinBitmap& bitmap, int sourceX, int width, int height, int x, int y) {
  for (int r = 0; r < height; ++r) {
    const std::uint8_t* from = bitmap.pixels.data() + static_cast<std::size_t>(r * bitmap.rowBytes + sourceX);
    std::uint8_t* to = frame_.pixels.data() + static_cast<std::size_t>((y + r) * kCanvasSize + x);
    for (int c = 0; c < width; ++c) {
      if (from[c] != 0) to[c] = from[c];
    }
  }
}

void PlayerSimulator::DrawButton(const SkinPartView& part, const PlayerState& state) {
  const std::size_t shown = ButtonOn(part.kind, state) ? 1 : 0;
  if (shown < part.states.size()) DrawBitmap(part.states[shown], 0, part.width, part.height, part.x, part.y);
}

void PlayerSimulator::DrawMeter(const PreparedMeter& meter, const PlayerState& state) {
  const SkinPartView& part = skin_->parts[meter.part];
  const MeterGeometry& g = meter.geometry;
  std::array<int, 8> lit{};
  std::array<int, 8> peakFirst{};
  std::array<int, 8> peakEnd{};  // peak units are peakFirst .. peakEnd - 1
  for (int lane = 0; lane < g.lanes; ++lane) {
    const auto l = static_cast<std::size_t>(lane);
    if (part.kind <= 12) {
      lit[l] = LitUnits(state.volume, g.units);
    } else if (part.kind <= 16) {
      lit[l] = LitUnits(state.equalizer[l], g.units);
    } else {
      lit[l] = LitUnits(state.level[l], g.units);
      const int u = LitUnits(state.peak[l], g.units);
      peakEnd[l] = u;
      peakFirst[l] = std::max(0, u - (g.dotted ? kDotPeakUnits : kBarPeakUnits));
    }
  }
  const SkinBitmap* off = &part.states[0];
  const SkinBitmap* on = part.states.size() > 1 ? &part.states[1] : nullptr;
  // Only a part with a maximum colour shows a peak.
  const SkinBitmap* max = IsLevelMeter(part.kind) && part.states.size() > 2 ? &part.states[2] : nullptr;
  for (const MeterPixel& p : meter.pixels) {
    const auto l = static_cast<std::size_t>(std::max<int>(0, p.lane));
    const bool isLit = p.lane >= 0 && p.unit < lit[l];
    const SkinBitmap* from = isLit ? on : off;
    std::uint8_t index = from != nullptr ? from->pixels[p.bitmapAt] : std::uint8_t{0};
    if (max != nullptr && p.lane >= 0 && p.unit >= peakFirst[l] && p.unit < peakEnd[l] &&
        max->pixels[p.bitmapAt] != 0)
      index = max->pixels[p.bitmapAt];
    if (index != 0) frame_.pixels[p.frameAt] = index;
  }
}

void PlayerSimulator::DrawDigits(const SkinPartView& part, const PlayerState& state) {
  if (part.states.empty()) return;
  std::vector<int> cells;
  if (part.kind <= 23) {
    const int seconds = std::clamp(state.seconds, 0, kMaxPlayerSeconds);
    const int m = seconds / 60;
    const int s = seconds % 60;
    cells = {m / 10, m % 10, kColonCell, s / 10, s % 10};
  } else {
    const int track = std::clamp(state.track, 0, 99);
    cells = {track / 10, track % 10};
  }
  int left = part.x;
  for (const int cell : cells) {
    const int width = std::min(kDigitCellWidth, part.x + part.width - left);
    if (width <= 0) break;
    DrawBitmap(part.states.front(), cell * kDigitCellWidth, width, part.height, left, part.y);
    left += kDigitCellWidth;
  }
}

void PlayerSimulator::DrawTitle(const SkinPartView& part, const std::string& title, std::int64_t clockMs) {
  const std::uint8_t color = TitleColor(part);
  if (color == 0 || !font_ || title.empty()) return;
  const int height = part.height;  // 28, 22 or 14: the sizes fill their displays
  if (!line_ || lineText_ != title || line_->height != height) {
    line_ = std::make_unique<TextLine>(font_->Set(title, height));
    lineText_ = title;
  }
  const int offset = TitleScrollOffset(line_->width, part.width, clockMs);
  const int right = part.x + part.width;
  const int bottom = part.y + part.height;
  for (const PlacedGlyph& placed : line_->glyphs) {
    const int pen = part.x + placed.x - offset;
    if (pen - height > right) break;  // no ink reaches back a whole em
    const GlyphInk& glyph = *placed.ink;
    const int gx = pen + glyph.left;
    const int gy = part.y + line_->baseline - glyph.top;
    if (gx + glyph.width <= part.x || gx >= right) continue;
    for (int r = std::max(0, part.y - gy); r < glyph.rows && gy + r < bottom; ++r) {
      for (int c = std::max(0, part.x - gx); c < glyph.width && gx + c < right; ++c) {
        if (glyph.ink[static_cast<std::size_t>(r * glyph.width + c)] != 0)
          frame_.pixels[static_cast<std::size_t>((gy + r) * kCanvasSize + gx + c)] = color;
      }
    }
  }
}

}  // namespace vorlune
