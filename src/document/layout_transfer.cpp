#include "document/layout_transfer.h"

#include <algorithm>
#include <cctype>
#include <new>

#include "core/file_io.h"
#include "document/skin_document.h"
#include "project/project_storage.h"
#include "project/skin_unpacking.h"

namespace vorlune {

namespace {

// As the Image command: a 100-megapixel picture stored without compression still fits.
constexpr std::size_t kLargestPictureFile = std::size_t{512} << 20;

bool NamedSkin(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".pdb";
}

}  // namespace

Result<SkinLayout> ReadLayout(const std::filesystem::path& from, bool takeForeign) {
  SkinDocument document;
  if (NamedSkin(from)) {
    const Result<bool> loaded = document.LoadSkin(from, [takeForeign] { return takeForeign; });
    if (!loaded) return loaded.error();
    if (!*loaded) return NotMadeByThisEditorMessage();
  } else if (const Status loaded = document.LoadProject(from); !loaded) {
    return loaded.error();
  }
  return document.History().Recorded();
}

SkinLayout LayoutOnPicture(const SkinLayout& layout, ImportedBackground picture) {
  SkinDocument document;
  document.LoadLayout(layout, {});
  document.InstallBackground(std::move(picture));
  return document.History().Recorded();
}

Status WriteLayoutOnPicture(const SkinLayout& layout, const std::filesystem::path& picture,
                            const PictureImportOptions& options, const std::filesystem::path& output) {
  const FileBytes file = ReadWholeFile(picture, kLargestPictureFile);
  if (file.failure) return PictureReadFailureMessage(*file.failure, picture.string());
  if (file.bytes.size() > kLargestPictureFile) return PictureTooLargeMessage();
  Result<ImportedBackground> imported = PictureTooLargeMessage();
  try {
    imported = ImportPicture(file.bytes, options);
  } catch (const std::bad_alloc&) {
    imported = PictureTooLargeMessage();
  }
  if (!imported) return imported.error();
  // As the Save command writes it.
  return SaveProjectFile(output, LayoutOnPicture(layout, std::move(*imported)));
}

}  // namespace vorlune
