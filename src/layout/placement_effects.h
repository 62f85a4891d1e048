#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "core/user_message.h"
#include "layout/part_kind.h"

namespace vorlune {

// A rectangle of the editor window's client area; right and bottom exclusive.
struct ClientRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const ClientRect&, const ClientRect&) = default;
};

inline constexpr ClientRect kCanvasRect{20, 20, 340, 340};
inline constexpr ClientRect kIndicatorRect{280, 366, 322, 401};

// Enabled state of each part button, indexed by kind; entry 0 is unused.
using PartButtonStates = std::array<bool, kLayoutRows>;

inline constexpr std::string_view kTouchingPartText = "他の部品と重なっているため配置できません";

// What follows one placement event, in this order: the text of the indicator
// line, the part buttons, the message ("Warning" caption), the property
// dialog, then the rectangles to paint again.
struct PlacementEffects {
  std::optional<std::string_view> placementText;  // empty clears the edit
  std::optional<PartButtonStates> partButtons;
  std::optional<UserMessage> message;
  // The kind whose property dialog to run (its family is DialogFamilyOf). The
  // window hands in the row's colours and writes them back only on OK.
  std::optional<PartKind> propertyDialog;
  std::vector<ClientRect> invalidate;

  bool none() const {
    return !placementText && !partButtons && !message && !propertyDialog && invalidate.empty();
  }
};

}  // namespace vorlune
