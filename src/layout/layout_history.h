#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "layout/skin_layout.h"

namespace vorlune {

// What a step of the history did, for the menu's "元に戻す: ..." items.
enum class LayoutAction { PlacePart, MovePart, RemovePart, RecolorPart, ImportBackground, EditDatabaseInfo };

// The undo history of one editor's layout. It keeps a copy of the layout as of
// its current position; Record compares the live layout with that copy and
// stores only what changed as one step, so every change made by any command is
// caught, and undoing every step gives back the layout byte for byte.
//
// A step stores the rows it changed (before and after), the placed count and
// texts, and for a new background the picture on its other side (the reduced
// BMP, about 103 KB; the display form is rebuilt from it). Steps are kept
// while they fit in `memoryLimit`; the oldest go first.
class LayoutHistory {
 public:
  static constexpr std::size_t kDefaultMemoryLimit = std::size_t{64} << 20;

  explicit LayoutHistory(const SkinLayout& layout, std::size_t memoryLimit = kDefaultMemoryLimit);

  // Starts afresh from `layout` (start-up, Load): no steps, nothing unsaved.
  void Reset(const SkinLayout& layout);

  // Records the change from the last recorded state to `layout` as one step;
  // the layout must be settled (no part lifted). False when nothing changed.
  bool Record(const SkinLayout& layout);

  std::optional<LayoutAction> UndoAction() const;
  std::optional<LayoutAction> RedoAction() const;

  // What an undo or redo changed, so the window knows what to refresh.
  struct Applied {
    LayoutAction action;
    bool backgroundChanged;
  };
  // Puts the layout back as it was before the last step, or forward again.
  std::optional<Applied> Undo(SkinLayout& layout);
  std::optional<Applied> Redo(SkinLayout& layout);

  // The layout as of the current position was just saved (or loaded).
  void MarkSaved();
  // No position is the saved one any more (restored work that no file holds).
  void ForgetSavedState() { savedAt_.reset(); }
  // The current position differs from the one last saved or loaded.
  bool Modified() const;

  // The layout as of the current position, without a lifted part's removal.
  const SkinLayout& Recorded() const { return recorded_; }

  std::size_t StepCount() const { return steps_.size(); }
  std::size_t MemoryUse() const { return memoryUse_; }

 private:
  struct Background {
    std::vector<std::uint8_t> reducedBmp;
    SkinPalette palette{};
    std::uint32_t pixelOffset = 0;
    std::uint32_t colorsUsed = 0;
    std::uint32_t bitsPerPixel = 0;
    std::uint32_t temporaryPictureSize = 0;
    bool loaded = false;
  };
  struct Texts {
    std::array<char, 33> name{};
    std::array<char, 33> author{};
    std::array<char, 7> version{};
    friend bool operator==(const Texts&, const Texts&) = default;
  };
  struct RowChange {
    PartKind kind;
    PartRecord before;
    PartRecord after;
  };
  struct Step {
    LayoutAction action;
    std::vector<RowChange> rows;
    std::uint32_t countBefore = 0;
    std::uint32_t countAfter = 0;
    Texts textsBefore;
    Texts textsAfter;
    std::optional<Background> otherBackground;  // swapped with the layout's on undo and redo
    std::size_t Bytes() const;
  };

  static Texts TextsOf(const SkinLayout& layout);
  static void PutTexts(SkinLayout& layout, const Texts& texts);
  static Background BackgroundOf(const SkinLayout& layout);
  static void PutBackground(SkinLayout& layout, const Background& background);
  static bool SameBackground(const SkinLayout& a, const SkinLayout& b);
  static LayoutAction Classify(const Step& step);
  // Applies one side of a step to a layout; `forward` chooses the after side.
  static void ApplySide(Step& step, SkinLayout& layout, bool forward);
  // Takes one step forward (redo) or back (undo) on `layout` and the record.
  Applied Apply(Step& step, SkinLayout& layout, bool forward);
  void DropOldest();

  SkinLayout recorded_;
  std::deque<Step> steps_;
  std::size_t position_ = 0;  // steps_[0, position_) are done
  std::size_t dropped_ = 0;   // steps forgotten for memory; positions count from the start
  std::optional<std::size_t> savedAt_ = 0;
  std::size_t memoryLimit_;
  std::size_t memoryUse_ = 0;
};

}  // namespace vorlune
