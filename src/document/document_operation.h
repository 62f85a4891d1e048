#pragma once

#include <array>

#include "document/skin_document.h"

namespace vorlune {

// What an operation is compared against when it ends, to tell the views what
// it changed. Small: the background is known by a version number.
struct SkinDocument::Snapshot {
  std::array<PartRecord, kLayoutRows> parts;
  std::uint32_t placedCount;
  PlacementState placement;
  std::string placementText;
  std::array<char, 33> name;
  std::array<char, 33> author;
  std::array<char, 7> version;
  bool modified;
  std::uint64_t historyVersion;
  std::uint64_t backgroundVersion;
  std::filesystem::path projectPath;
  std::filesystem::path titlePath;
};

// Brackets one public operation. Operations call one another; only the
// outermost one settles the recovery copy and notifies, so each sends one
// notification at most.
class SkinDocument::Operation {
 public:
  explicit Operation(SkinDocument& document) : document_(document) {
    if (document_.depth_++ == 0) before_ = document_.Take();
  }
  ~Operation() {
    if (--document_.depth_ == 0) document_.Finish(before_);
  }
  Operation(const Operation&) = delete;
  Operation& operator=(const Operation&) = delete;

 private:
  SkinDocument& document_;
  Snapshot before_{};
};

}  // namespace vorlune
