#include "player/animated_gif.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <string>

namespace vorlune {

namespace {

UserMessage GifFailure(int code) {
  const char* why = GifErrorString(code);
  return UserMessage{std::string("Error : The animation cannot be made (") +
                     (why != nullptr ? why : "giflib") + ")."};
}

int AppendBytes(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
  out->insert(out->end(), data, data + length);
  return length;
}

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// The smallest rectangle holding every pixel that differs; none when equal.
Rect ChangedRect(const std::vector<std::uint8_t>& before, const std::vector<std::uint8_t>& now, int width,
                 int height) {
  int left = width, top = height, right = -1, bottom = -1;
  for (int y = 0; y < height; ++y) {
    const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    for (int x = 0; x < width; ++x) {
      if (before[row + static_cast<std::size_t>(x)] == now[row + static_cast<std::size_t>(x)]) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return {};
  return {left, top, right - left + 1, bottom - top + 1};
}

}  // namespace

struct AnimatedGifEncoder::Writer {
  std::vector<std::uint8_t> bytes;
  GifFileType* gif = nullptr;
  int error = 0;  // the first giflib error
  ~Writer() {
    if (gif != nullptr) EGifCloseFile(gif, nullptr);
  }
  bool Check(int result) {
    if (result == GIF_ERROR && error == 0) error = gif->Error != 0 ? gif->Error : E_GIF_ERR_WRITE_FAILED;
    return result != GIF_ERROR;
  }
};

AnimatedGifEncoder::AnimatedGifEncoder(const SkinPalette& palette, int scale)
    : writer_(std::make_unique<Writer>()), scale_(std::clamp(scale, 1, 4)) {
  Writer& w = *writer_;
  w.gif = EGifOpen(&w.bytes, AppendBytes, &w.error);
  if (w.gif == nullptr) return;
  std::array<GifColorType, 256> colors{};
  for (std::size_t i = 0; i < colors.size(); ++i) colors[i] = {palette[i].r, palette[i].g, palette[i].b};
  ColorMapObject* map = GifMakeMapObject(256, colors.data());
  EGifSetGifVersion(w.gif, true);
  w.Check(EGifPutScreenDesc(w.gif, kCanvasSize * scale_, kCanvasSize * scale_, 8, 0, map));
  GifFreeMapObject(map);
  // Loop for ever: the NETSCAPE2.0 application extension with a loop count of 0.
  static const GifByteType kNetscape[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
  static const GifByteType kLoopForEver[] = {1, 0, 0};
  // A failure is kept in the writer and reported by Add and Finish.
  (void)(w.Check(EGifPutExtensionLeader(w.gif, APPLICATION_EXT_FUNC_CODE)) &&
         w.Check(EGifPutExtensionBlock(w.gif, sizeof kNetscape, kNetscape)) &&
         w.Check(EGifPutExtensionBlock(w.gif, sizeof kLoopForEver, kLoopForEver)) &&
         w.Check(EGifPutExtensionTrailer(w.gif)));
}

AnimatedGifEncoder::~AnimatedGifEncoder() = default;

Status AnimatedGifEncoder::Add(const IndexedFrame& frame, int delayCentiseconds) {
  Writer& w = *writer_;
  if (w.gif == nullptr || w.error != 0) return GifFailure(w.error);
  const int width = frame.width;
  Rect rect{0, 0, width, frame.height};
  int transparent = NO_TRANSPARENT_COLOR;
  if (started_) {
    rect = ChangedRect(previous_, frame.pixels, width, frame.height);
    if (rect.width == 0) rect = {0, 0, 1, 1};  // nothing changed: one pixel, as it stands
    // An index that none of the changed pixels uses stands for "as before".
    std::array<bool, 256> used{};
    used[0] = true;  // never index 0
    for (int y = rect.top; y < rect.top + rect.height; ++y) {
      for (int x = rect.left; x < rect.left + rect.width; ++x) used[frame.at(x, y)] = true;
    }
    for (int i = 255; i > 0 && transparent == NO_TRANSPARENT_COLOR; --i) {
      if (!used[static_cast<std::size_t>(i)]) transparent = i;
    }
  }
  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSE_DO_NOT;
  control.UserInputFlag = false;
  control.DelayTime = std::clamp(delayCentiseconds, 0, 65535);
  control.TransparentColor = transparent;
  GifByteType extension[4];
  EGifGCBToExtension(&control, extension);
  if (!w.Check(EGifPutExtension(w.gif, GRAPHICS_EXT_FUNC_CODE, 4, extension)) ||
      !w.Check(EGifPutImageDesc(w.gif, rect.left * scale_, rect.top * scale_, rect.width * scale_,
                                rect.height * scale_, false, nullptr)))
    return GifFailure(w.error);
  std::vector<GifPixelType> line(static_cast<std::size_t>(rect.width * scale_));
  for (int y = rect.top; y < rect.top + rect.height; ++y) {
    for (int x = 0; x < rect.width; ++x) {
      const std::size_t at = static_cast<std::size_t>(y * width + rect.left + x);
      std::uint8_t index = frame.pixels[at];
      if (transparent != NO_TRANSPARENT_COLOR && previous_[at] == index)
        index = static_cast<std::uint8_t>(transparent);
      std::fill_n(line.begin() + x * scale_, scale_, index);
    }
    for (int repeat = 0; repeat < scale_; ++repeat) {
      if (!w.Check(EGifPutLine(w.gif, line.data(), static_cast<int>(line.size()))))
        return GifFailure(w.error);
    }
  }
  previous_ = frame.pixels;
  started_ = true;
  return Done{};
}

Result<std::vector<std::uint8_t>> AnimatedGifEncoder::Finish() {
  Writer& w = *writer_;
  if (w.gif == nullptr || w.error != 0) return GifFailure(w.error);
  int error = 0;
  const int closed = EGifCloseFile(w.gif, &error);
  w.gif = nullptr;  // closed, and freed, whatever the result
  if (closed == GIF_ERROR) return GifFailure(error);
  return std::move(w.bytes);
}

int FrameDelayCentiseconds(int frameIndex, int fps) {
  const auto until = [fps](long long frames) { return (200 * frames + fps) / (2 * fps); };  // round half up
  return static_cast<int>(until(frameIndex + 1) - until(frameIndex));
}

}  // namespace vorlune
