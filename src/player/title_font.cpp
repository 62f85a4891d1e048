#include "player/title_font.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdlib>
#include <string>
#include <system_error>

#include "player/utf8_code_points.h"

namespace vorlune {

struct TitleFont::Handles {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  int height = 0;  // the pixel size set last
  ~Handles() {
    if (face != nullptr) FT_Done_Face(face);
    if (library != nullptr) FT_Done_FreeType(library);
  }
};

namespace {

// Folders below a data folder where Debian and others put the IPA Gothic file.
constexpr const char* kFontFolders[] = {"fonts/opentype/ipafont-gothic", "fonts/truetype/ipafont-gothic",
                                        "fonts/opentype/ipafont", "fonts/truetype/ipafont", "fonts/ipafont"};
constexpr const char* kFontFile = "ipag.ttf";

bool IsFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::filesystem::path FindTitleFontFile() {
  if (const char* chosen = std::getenv("VORLUNE_TITLE_FONT"); chosen != nullptr && *chosen != '\0') {
    return IsFile(chosen) ? std::filesystem::path(chosen) : std::filesystem::path();
  }
  const char* dirs = std::getenv("XDG_DATA_DIRS");
  std::string list = (dirs != nullptr && *dirs != '\0') ? dirs : "/usr/local/share:/usr/share";
  list += ":/usr/share";  // Debian's own place, whatever the variable says
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t colon = std::min(list.find(':', start), list.size());
    const std::filesystem::path base = list.substr(start, colon - start);
    start = colon + 1;
    if (base.empty()) continue;
    for (const char* folder : kFontFolders) {
      if (IsFile(base / folder / kFontFile)) return base / folder / kFontFile;
    }
  }
  return {};
}

Result<std::shared_ptr<TitleFont>> TitleFont::Open() {
  const UserMessage missing{
      "Error : The title font IPA Gothic (ipag.ttf) cannot be found; install the package "
      "fonts-ipafont-gothic.",
      MessageIcon::Exclamation};
  const std::filesystem::path path = FindTitleFontFile();
  if (path.empty()) return missing;
  auto handles = std::make_unique<Handles>();
  if (FT_Init_FreeType(&handles->library) != 0) return missing;
  if (FT_New_Face(handles->library, path.c_str(), 0, &handles->face) != 0 || !FT_IS_SCALABLE(handles->face)) {
    return UserMessage{"Error : The title font " + path.string() + " cannot be read.",
                       MessageIcon::Exclamation};
  }
  return std::shared_ptr<TitleFont>(new TitleFont(std::move(handles)));
}

TitleFont::TitleFont(std::unique_ptr<Handles> handles) : handles_(std::move(handles)) {}

TitleFont::~TitleFont() = default;

const GlyphInk& TitleFont::Glyph(unsigned index, int height) {
  const std::uint64_t key = (static_cast<std::uint64_t>(height) << 32) | index;
  if (const auto found = glyphs_.find(key); found != glyphs_.end()) return found->second;
  GlyphInk& glyph = glyphs_[key];
  FT_Face face = handles_->face;
  if (handles_->height != height) {
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(height));
    handles_->height = height;
  }
  // Outlines only (never the embedded bitmaps), hinted for and rendered in one bit a pixel.
  if (FT_Load_Glyph(face, index, FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_MONO) != 0 ||
      FT_Render_Glyph(face->glyph, FT_RENDER_MODE_MONO) != 0) {
    return glyph;  // a glyph the font cannot give draws nothing
  }
  const FT_GlyphSlot slot = face->glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  glyph.width = static_cast<int>(bitmap.width);
  glyph.rows = static_cast<int>(bitmap.rows);
  glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
  glyph.ink.resize(static_cast<std::size_t>(glyph.width) * static_cast<std::size_t>(glyph.rows));
  for (int y = 0; y < glyph.rows; ++y) {
    const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
    for (int x = 0; x < glyph.width; ++x) {
      glyph.ink[static_cast<std::size_t>(y * glyph.width + x)] = (row[x / 8] >> (7 - x % 8)) & 1u;
    }
  }
  return glyph;
}

TextLine TitleFont::Set(std::string_view utf8, int height) {
  FT_Face face = handles_->face;
  TextLine line;
  line.height = height;
  // The ascent's share of the em, rounded: the line's ink stays within its height.
  const long ascent = face->ascender;
  const long extent = face->ascender - face->descender;
  line.baseline = extent > 0 ? static_cast<int>((height * ascent + extent / 2) / extent) : height;
  int pen = 0;
  int reach = 0;
  for (const char32_t c : DecodeUtf8(utf8).chars) {
    const GlyphInk& glyph = Glyph(FT_Get_Char_Index(face, c), height);
    line.glyphs.push_back({pen, &glyph});
    reach = std::max(reach, pen + glyph.left + glyph.width);
    pen += glyph.advance;
  }
  line.width = std::max(pen, reach);
  return line;
}

}  // namespace vorlune
