#include "layout/layout_history.h"

#include <utility>

namespace vorlune {

namespace {

// The display form of a reduced BMP: its header, then the rows top-down as
// skin palette indices, as an import or a load leaves it.
std::vector<std::uint8_t> DisplayFormOf(const std::vector<std::uint8_t>& reducedBmp,
                                        std::uint32_t pixelOffset) {
  if (reducedBmp.size() < pixelOffset + kPixelBytes) return reducedBmp;
  std::vector<std::uint8_t> picture(reducedBmp.begin(), reducedBmp.begin() + pixelOffset);
  picture.resize(pixelOffset + kPixelBytes);
  for (std::size_t row = 0; row < kCanvasSize; ++row) {
    const std::uint8_t* source = reducedBmp.data() + pixelOffset + row * kCanvasSize;
    std::uint8_t* target = picture.data() + pixelOffset + (kCanvasSize - 1 - row) * kCanvasSize;
    for (std::size_t x = 0; x < kCanvasSize; ++x)
      target[x] = static_cast<std::uint8_t>(source[x] + kFirstBackgroundEntry);
  }
  return picture;
}

bool SameRow(const PartRecord& a, const PartRecord& b) {
  return a.x == b.x && a.y == b.y && a.colors == b.colors;
}

}  // namespace

LayoutHistory::LayoutHistory(const SkinLayout& layout, std::size_t memoryLimit)
    : recorded_(layout), memoryLimit_(memoryLimit) {}

void LayoutHistory::Reset(const SkinLayout& layout) {
  recorded_ = layout;
  steps_.clear();
  position_ = 0;
  dropped_ = 0;
  savedAt_ = 0;
  memoryUse_ = 0;
}

std::size_t LayoutHistory::Step::Bytes() const {
  return sizeof(Step) + rows.size() * sizeof(RowChange) +
         (otherBackground ? sizeof(Background) + otherBackground->reducedBmp.size() : 0);
}

LayoutHistory::Texts LayoutHistory::TextsOf(const SkinLayout& layout) {
  return {layout.databaseName, layout.databaseAuthor, layout.databaseVersion};
}

void LayoutHistory::PutTexts(SkinLayout& layout, const Texts& texts) {
  layout.databaseName = texts.name;
  layout.databaseAuthor = texts.author;
  layout.databaseVersion = texts.version;
}

LayoutHistory::Background LayoutHistory::BackgroundOf(const SkinLayout& layout) {
  return {layout.reducedBmp,          layout.palette,
          layout.pixelOffset,         layout.pictureColorsUsed,
          layout.pictureBitsPerPixel, layout.temporaryPictureSize,
          layout.backgroundLoaded};
}

void LayoutHistory::PutBackground(SkinLayout& layout, const Background& background) {
  layout.reducedBmp = background.reducedBmp;
  layout.picture = background.loaded ? DisplayFormOf(background.reducedBmp, background.pixelOffset)
                                     : std::vector<std::uint8_t>{};
  layout.palette = background.palette;
  layout.pixelOffset = background.pixelOffset;
  layout.pictureColorsUsed = background.colorsUsed;
  layout.pictureBitsPerPixel = background.bitsPerPixel;
  layout.temporaryPictureSize = background.temporaryPictureSize;
  layout.backgroundLoaded = background.loaded;
}

bool LayoutHistory::SameBackground(const SkinLayout& a, const SkinLayout& b) {
  return a.backgroundLoaded == b.backgroundLoaded && a.pixelOffset == b.pixelOffset &&
         a.pictureColorsUsed == b.pictureColorsUsed && a.pictureBitsPerPixel == b.pictureBitsPerPixel &&
         a.temporaryPictureSize == b.temporaryPictureSize && a.palette == b.palette &&
         a.reducedBmp == b.reducedBmp;
}

LayoutAction LayoutHistory::Classify(const Step& step) {
  if (step.otherBackground) return LayoutAction::ImportBackground;
  // A new part comes with the colours of its dialog, so placing wins over
  // re-colouring; a row that moved and another that went can only come together
  // from a command that did both, which is named by its larger half.
  bool placed = false, moved = false, removed = false, recoloured = false;
  for (const RowChange& row : step.rows) {
    if (!row.before.placed() && row.after.placed()) placed = true;
    if (row.before.placed() && row.after.placed() &&
        (row.before.x != row.after.x || row.before.y != row.after.y))
      moved = true;
    if (row.before.placed() && !row.after.placed()) removed = true;
    if (row.before.colors != row.after.colors) recoloured = true;
  }
  if (placed) return LayoutAction::PlacePart;
  if (moved) return LayoutAction::MovePart;
  if (removed) return LayoutAction::RemovePart;
  if (recoloured) return LayoutAction::RecolorPart;
  return LayoutAction::EditDatabaseInfo;
}

bool LayoutHistory::Record(const SkinLayout& layout) {
  Step step;
  for (PartKind k = 0; k < kLayoutRows; ++k) {
    if (!SameRow(recorded_.part(k), layout.part(k)))
      step.rows.push_back({k, recorded_.part(k), layout.part(k)});
  }
  step.countBefore = recorded_.placedCount;
  step.countAfter = layout.placedCount;
  step.textsBefore = TextsOf(recorded_);
  step.textsAfter = TextsOf(layout);
  const bool newBackground = !SameBackground(recorded_, layout);
  if (step.rows.empty() && step.countBefore == step.countAfter && step.textsBefore == step.textsAfter &&
      !newBackground)
    return false;
  if (newBackground) step.otherBackground = BackgroundOf(recorded_);
  step.action = Classify(step);

  // A new step ends every redo; a saved state among them can no longer be reached.
  while (steps_.size() > position_) {
    memoryUse_ -= steps_.back().Bytes();
    steps_.pop_back();
  }
  if (savedAt_ && *savedAt_ > dropped_ + position_) savedAt_.reset();
  memoryUse_ += step.Bytes();
  steps_.push_back(std::move(step));
  ++position_;
  while (memoryUse_ > memoryLimit_ && steps_.size() > 1) DropOldest();

  const std::string keptPath = recorded_.filePath;
  recorded_ = layout;
  recorded_.filePath = keptPath;
  return true;
}

void LayoutHistory::DropOldest() {
  memoryUse_ -= steps_.front().Bytes();
  steps_.pop_front();
  --position_;
  ++dropped_;
  if (savedAt_ && *savedAt_ < dropped_) savedAt_.reset();
}

void LayoutHistory::ApplySide(Step& step, SkinLayout& layout, bool forward) {
  for (const RowChange& row : step.rows) {
    PartRecord& target = layout.part(row.kind);
    const PartRecord& source = forward ? row.after : row.before;
    target.x = source.x;
    target.y = source.y;
    target.colors = source.colors;
  }
  layout.placedCount = forward ? step.countAfter : step.countBefore;
  PutTexts(layout, forward ? step.textsAfter : step.textsBefore);
}

std::optional<LayoutAction> LayoutHistory::UndoAction() const {
  if (position_ == 0) return std::nullopt;
  return steps_[position_ - 1].action;
}

std::optional<LayoutAction> LayoutHistory::RedoAction() const {
  if (position_ == steps_.size()) return std::nullopt;
  return steps_[position_].action;
}

std::optional<LayoutHistory::Applied> LayoutHistory::Undo(SkinLayout& layout) {
  if (position_ == 0) return std::nullopt;
  return Apply(steps_[--position_], layout, false);
}

std::optional<LayoutHistory::Applied> LayoutHistory::Redo(SkinLayout& layout) {
  if (position_ == steps_.size()) return std::nullopt;
  return Apply(steps_[position_++], layout, true);
}

LayoutHistory::Applied LayoutHistory::Apply(Step& step, SkinLayout& layout, bool forward) {
  ApplySide(step, layout, forward);
  ApplySide(step, recorded_, forward);
  // A background step keeps the picture of the other side: the two swap.
  if (step.otherBackground) {
    Background current = BackgroundOf(recorded_);
    PutBackground(layout, *step.otherBackground);
    PutBackground(recorded_, *step.otherBackground);
    step.otherBackground = std::move(current);
  }
  return Applied{step.action, step.otherBackground.has_value()};
}

void LayoutHistory::MarkSaved() {
  savedAt_ = dropped_ + position_;
}

bool LayoutHistory::Modified() const {
  return savedAt_ != dropped_ + position_;
}

}  // namespace vorlune
