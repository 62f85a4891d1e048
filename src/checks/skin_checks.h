#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "checks/skin_finding.h"

namespace vorlune {

// Everything that would stop Create or the skin writer (errors), then the
// part colours that would be hard to see on the handheld (warnings), in kind
// order. Empty for a layout whose placed parts all pass. Fast enough to run
// after every edit: a full layout takes well under a millisecond.
std::vector<Finding> CheckSkin(const SkinLayout& layout);

// The same for the bytes of a project (.hqd) or skin database (.pdb), told
// apart by their content. A file the readers refuse gives one error with the
// reader's own message.
std::vector<Finding> CheckSkinFile(std::span<const std::uint8_t> bytes);

// A file that could not be read at all, as one error with that message.
Finding UnreadableFileFinding(UserMessage message);

}  // namespace vorlune
