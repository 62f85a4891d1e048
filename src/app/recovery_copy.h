#pragma once

#include <QString>
#include <filesystem>
#include <memory>
#include <vector>

#include "layout/skin_layout.h"

class QLockFile;

namespace vorlune {

// This editor's recovery copy, written after every change and removed on a
// clean close or a Save. A lock held while the editor runs tells other editors
// that the copy is still in use.
class RecoveryCopy {
 public:
  RecoveryCopy();
  ~RecoveryCopy();
  RecoveryCopy(const RecoveryCopy&) = delete;
  RecoveryCopy& operator=(const RecoveryCopy&) = delete;

  void Write(const SkinLayout& layout, const QString& projectPath);
  void Remove();
  // The copy's path while one is written; empty otherwise.
  std::filesystem::path Path() const { return written_ ? copy_ : std::filesystem::path(); }

  // A copy whose editor is no longer running, locked for this editor.
  struct LeftBehind {
    std::filesystem::path copy;
    std::shared_ptr<QLockFile> lock;
  };
  // The copies of editors that ended without closing, in name order.
  std::vector<LeftBehind> FindLeftBehind() const;

  // The folder of every editor's copies ($XDG_STATE_HOME/vorlune/recovery).
  static std::filesystem::path Folder();

 private:
  bool Claim();

  std::filesystem::path copy_;
  std::unique_ptr<QLockFile> lock_;
  bool written_ = false;
};

}  // namespace vorlune
