#include "document/skin_document.h"

#include <algorithm>

#include "document/document_operation.h"
#include "layout/placement_rules.h"

namespace vorlune {

namespace {

bool SameRows(const std::array<PartRecord, kLayoutRows>& a, const std::array<PartRecord, kLayoutRows>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), [](const PartRecord& x, const PartRecord& y) {
    return x.x == y.x && x.y == y.y && x.colors == y.colors;
  });
}

bool SamePlacement(const PlacementState& a, const PlacementState& b) {
  return a.currentKind == b.currentKind && a.movingFlag == b.movingFlag && a.preview == b.preview &&
         a.lastPreview == b.lastPreview;
}

}  // namespace

SkinDocument::SkinDocument(std::unique_ptr<RecoveryCopyWriter> recovery) : recovery_(std::move(recovery)) {}

SkinDocument::~SkinDocument() {
  Close();
}

int SkinDocument::Subscribe(Listener listener) {
  listeners_.emplace(nextListener_, std::move(listener));
  return nextListener_++;
}

void SkinDocument::Unsubscribe(int id) {
  listeners_.erase(id);
}

PartButtonStates SkinDocument::PartButtons() const {
  return EnabledPartButtons(layout_, placement_);
}

SkinDocument::Snapshot SkinDocument::Take() const {
  return {layout_.parts,           layout_.placedCount,  placement_,
          placementText_,          layout_.databaseName, layout_.databaseAuthor,
          layout_.databaseVersion, history_.Modified(),  historyVersion_,
          backgroundVersion_,      projectPath_,         titlePath_};
}

void SkinDocument::Finish(const Snapshot& before) {
  using C = DocumentChange;
  DocumentChange change;
  const auto mark = [&](bool changed, C::Aspect aspect) {
    if (changed) change.aspects |= aspect;
  };
  mark(backgroundVersion_ != before.backgroundVersion, C::Background);
  mark(!SameRows(layout_.parts, before.parts) || layout_.placedCount != before.placedCount, C::Placed);
  mark(!SamePlacement(placement_, before.placement) || placementText_ != before.placementText, C::Placement);
  mark(layout_.databaseName != before.name || layout_.databaseAuthor != before.author ||
           layout_.databaseVersion != before.version,
       C::Texts);
  mark(history_.Modified() != before.modified, C::Modified);
  mark(historyVersion_ != before.historyVersion, C::History);
  mark(projectPath_ != before.projectPath || titlePath_ != before.titlePath, C::Path);
  if (change.Has(C::Background)) areas_ = {kWholeSkin};
  change.areas = std::move(areas_);
  areas_.clear();
  mark(!change.areas.empty(), C::Area);

  // The copy holds exactly what Save would write; with nothing unsaved there
  // is nothing to recover.
  if (change.Has(C::History) || change.Has(C::Modified)) UpdateRecoveryCopy();
  if (change.aspects != 0) Notify(change);
}

void SkinDocument::Notify(const DocumentChange& change) {
  // A copy, so that listeners may subscribe or unsubscribe meanwhile.
  const std::map<int, Listener> listeners = listeners_;
  for (const auto& [id, listener] : listeners) {
    if (listeners_.contains(id)) listener(change);
  }
}

void SkinDocument::UpdateRecoveryCopy() {
  if (!recovery_) return;
  if (history_.Modified() && history_.Recorded().backgroundLoaded) {
    recovery_->Write(history_.Recorded(), projectPath_.string());
  } else {
    recovery_->Remove();
  }
}

void SkinDocument::Record() {
  // A lifted part is out of the layout only until it is put down or let go,
  // and a new part waits for its colours: the step is recorded then.
  if (placement_.movingFlag != 0 || pendingDialog_) return;
  if (history_.Record(layout_)) ++historyVersion_;
}

void SkinDocument::SettleDialog() {
  if (!pendingDialog_) return;
  pendingDialog_.reset();
  Record();
}

void SkinDocument::BackgroundReplaced() {
  Apply(editor_.BackgroundReplaced());
}

void SkinDocument::Close() {
  if (recovery_) recovery_->Remove();
}

void SkinDocument::Undo() {
  Operation operation(*this);
  EndPlacement();
  const auto applied = history_.Undo(layout_);
  if (!applied) return;
  ++historyVersion_;
  if (applied->backgroundChanged) ++backgroundVersion_;
  BackgroundReplaced();
}

void SkinDocument::Redo() {
  Operation operation(*this);
  EndPlacement();
  const auto applied = history_.Redo(layout_);
  if (!applied) return;
  ++historyVersion_;
  if (applied->backgroundChanged) ++backgroundVersion_;
  BackgroundReplaced();
}

}  // namespace vorlune
