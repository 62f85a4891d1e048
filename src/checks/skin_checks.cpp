#include "checks/skin_checks.h"

#include "checks/skin_check_steps.h"
#include "project/project_file.h"
#include "project/skin_unpacking.h"
#include "skin/skin_database_reader.h"

namespace vorlune {

std::vector<Finding> CheckSkin(const SkinLayout& layout) {
  std::vector<Finding> findings;
  AddPlacementErrors(layout, findings);
  AddContrastWarnings(layout, findings);
  return findings;
}

Finding UnreadableFileFinding(UserMessage message) {
  Finding finding = ErrorFinding(finding_code::kUnreadableFile);
  finding.parameters.readerMessage = std::move(message);
  return finding;
}

std::vector<Finding> CheckSkinFile(std::span<const std::uint8_t> bytes) {
  if (HasSkinDatabaseSignature(bytes)) {
    Result<UnpackedSkin> skin = UnpackSkinDatabase(bytes);
    if (!skin) return {UnreadableFileFinding(skin.error())};
    return CheckSkin(skin->layout);
  }
  Result<SkinLayout> project = ReadProjectFile(bytes);
  if (!project) return {UnreadableFileFinding(project.error())};
  return CheckSkin(*project);
}

}  // namespace vorlune
