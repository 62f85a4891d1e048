#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/result.h"

namespace vorlune {

// One glyph's ink, one byte a pixel (1 = ink), placed from the pen position on
// the baseline: `left` to the right and `top` up to the first row.
struct GlyphInk {
  int left = 0;
  int top = 0;
  int width = 0;
  int rows = 0;
  int advance = 0;
  std::vector<std::uint8_t> ink;
};

struct PlacedGlyph {
  int x = 0;  // pen position
  const GlyphInk* ink = nullptr;
};

// A line of text set at a pixel height: its glyphs from left to right and the
// baseline's distance from the top. `width` is the pen's travel, wider than
// any ink that reaches past it.
struct TextLine {
  int width = 0;
  int height = 0;
  int baseline = 0;
  std::vector<PlacedGlyph> glyphs;  // in order of x
};

// The font the handheld's titles are set in: IPA Gothic from
// fonts-ipafont-gothic, rendered by FreeType in monochrome (no anti-aliasing:
// the handheld's screen has only the skin's colours). Glyphs are kept once
// rendered, so a line of any length costs only its new characters.
class TitleFont {
 public:
  // Opens the font file; refused with a message naming the package when it is missing.
  static Result<std::shared_ptr<TitleFont>> Open();
  ~TitleFont();
  TitleFont(const TitleFont&) = delete;
  TitleFont& operator=(const TitleFont&) = delete;

  // The UTF-8 text (bad bytes shown as U+FFFD) set `height` pixels high: the
  // em is `height` pixels and the font's ascent and descent share it.
  TextLine Set(std::string_view utf8, int height);

 private:
  struct Handles;
  explicit TitleFont(std::unique_ptr<Handles> handles);
  const GlyphInk& Glyph(unsigned index, int height);

  std::unique_ptr<Handles> handles_;
  std::unordered_map<std::uint64_t, GlyphInk> glyphs_;  // by height and glyph index
};

// Where the title font lies: $VORLUNE_TITLE_FONT when set, else ipag.ttf in
// the usual font folders under $XDG_DATA_DIRS (/usr/local/share:/usr/share).
// Empty when it is nowhere.
std::filesystem::path FindTitleFontFile();

}  // namespace vorlune
