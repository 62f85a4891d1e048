// The background and the files of a SkinDocument: import, load, save, build.
#include "document/document_operation.h"
#include "project/project_storage.h"
#include "project/skin_unpacking.h"
#include "skin/skin_info_record.h"

namespace vorlune {

std::vector<UserMessage> SkinDocument::InstallBackground(ImportedBackground imported) {
  Operation operation(*this);
  SettleDialog();
  std::vector<UserMessage> warnings = std::move(imported.warnings);
  // A part lifted for a move is let go first, as its own step, so that undoing
  // the import brings back the picture alone.
  if (placement_.movingFlag != 0) EndPlacement();
  ApplyImportedBackground(layout_, std::move(imported));
  ++backgroundVersion_;
  // Back to idle: a part lifted for a move stays removed, so its group is free again.
  BackgroundReplaced();
  Record();
  return warnings;
}

Result<std::vector<UserMessage>> SkinDocument::ImportBmp(std::span<const std::uint8_t> file) {
  const Result<BackgroundCheck> check = CheckBackgroundFile(file);
  if (!check) return check.error();
  Result<ImportedBackground> imported = ImportBackground(file);
  if (!imported) return imported.error();
  std::vector<UserMessage> messages;
  if (check->reductionNoticeDue) messages.push_back(ReductionNoticeMessage());
  for (UserMessage& warning : InstallBackground(std::move(*imported))) messages.push_back(std::move(warning));
  return messages;
}

Result<std::vector<UserMessage>> SkinDocument::ImportPicture(std::span<const std::uint8_t> file,
                                                             const PictureImportOptions& options) {
  Result<ImportedBackground> imported = ::vorlune::ImportPicture(file, options);
  if (!imported) return imported.error();
  return InstallBackground(std::move(*imported));
}

void SkinDocument::LoadLayout(SkinLayout layout, const std::filesystem::path& path, LoadedFrom from) {
  Operation operation(*this);
  pendingDialog_.reset();
  layout.filePath = layout_.filePath;  // a load keeps the path Save and Create last chose
  layout_ = std::move(layout);
  titlePath_ = path;
  projectPath_ = from == LoadedFrom::Project ? path : std::filesystem::path();
  ++backgroundVersion_;
  // Idle again, the part buttons mirroring the loaded layout.
  BackgroundReplaced();
  history_.Reset(layout_);
  ++historyVersion_;
}

Status SkinDocument::LoadProject(const std::filesystem::path& path) {
  Result<SkinLayout> loaded = LoadProjectFile(path);
  if (!loaded) return loaded.error();
  LoadLayout(std::move(*loaded), path);
  return Done{};
}

Result<bool> SkinDocument::LoadSkin(const std::filesystem::path& path,
                                    const std::function<bool()>& openForeign) {
  Result<UnpackedSkin> unpacked = UnpackSkinFile(path);
  if (!unpacked) return unpacked.error();
  if (!unpacked->madeByThisEditor && !(openForeign && openForeign())) return false;
  LoadLayout(std::move(unpacked->layout), path, LoadedFrom::Skin);
  return true;
}

void SkinDocument::RestoreRecovered(RecoveredWork work) {
  Operation operation(*this);
  LoadLayout(std::move(work.layout), work.originalPath);
  // The restored work is not what its file holds: it stays marked unsaved.
  history_.ForgetSavedState();
}

Status SkinDocument::Save(const std::filesystem::path& path) {
  Operation operation(*this);
  SettleDialog();
  layout_.filePath = path.string();
  // The recorded layout: a part lifted for a move is saved where it stood.
  const Status saved = SaveProjectFile(path, history_.Recorded());
  if (!saved) return saved;
  projectPath_ = path;
  titlePath_ = path;
  history_.MarkSaved();
  return saved;
}

Result<std::vector<std::uint8_t>> SkinDocument::BuildSkin(std::string_view databaseName,
                                                          const UnixClock& clock) const {
  // The count the layout keeps is the one the writer checks the placed rows against.
  return MakeSkinDatabase(layout_, databaseName, static_cast<std::int32_t>(layout_.placedCount),
                          MakeSkinInfoRecord(layout_), clock());
}

Status SkinDocument::CreateSkin(const std::filesystem::path& path, std::string_view databaseName,
                                const UnixClock& clock) {
  layout_.filePath = path.string();
  const Result<std::vector<std::uint8_t>> bytes = BuildSkin(databaseName, clock);
  if (!bytes) return bytes.error();
  return SaveSkinDatabase(path, *bytes);
}

}  // namespace vorlune
