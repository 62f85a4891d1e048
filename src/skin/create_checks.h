#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/result.h"
#include "core/user_message.h"
#include "layout/skin_layout.h"

namespace vorlune {

// The checks the Create command runs before it writes a skin. Each gives the
// message to show, or nothing when the skin may go on.

// The play and stop buttons must both be placed.
std::optional<UserMessage> CheckPlayAndStopPlaced(const SkinLayout& layout);

// The file name (with extension, without folder, UTF-8) is also the database
// name: 1..30 bytes in CP932. Gives those bytes, or the message for an empty,
// too long or unrepresentable name; the file dialog is then shown again.
Result<std::string> DatabaseNameFromFileName(std::string_view fileNameUtf8);

// The title, author and version must not be empty, checked in that order.
std::optional<UserMessage> CheckInfoTexts(const SkinLayout& layout);

}  // namespace vorlune
