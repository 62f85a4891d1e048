#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "document/file_lock.h"
#include "layout/skin_layout.h"

namespace vorlune {

// One editor's recovery copy (see project/recovery_files.h): claimed at its
// first write with a lock on copy + ".lock" that is held while the editor
// runs, so that other editors leave the copy alone; removed on a Save, on a
// clean close, or when nothing unsaved is left.
class RecoveryCopyWriter {
 public:
  // Copies go to `folder`; by default $XDG_STATE_HOME/vorlune/recovery.
  RecoveryCopyWriter();
  explicit RecoveryCopyWriter(std::filesystem::path folder);
  // Lets the lock go but leaves a written copy: only Remove ends the work.
  ~RecoveryCopyWriter() = default;
  RecoveryCopyWriter(const RecoveryCopyWriter&) = delete;
  RecoveryCopyWriter& operator=(const RecoveryCopyWriter&) = delete;

  // Writes the layout and its original project path (empty for new work). A
  // copy that cannot be written is no reason to stop editing; Path() then
  // stays empty.
  void Write(const SkinLayout& layout, std::string_view projectPath);
  // Removes the copy and its lock.
  void Remove();

  // The copy while one is written; empty otherwise.
  std::filesystem::path Path() const { return written_ ? copy_ : std::filesystem::path(); }
  const std::filesystem::path& Folder() const { return folder_; }

  // $XDG_STATE_HOME/vorlune/recovery, or ~/.local/state/vorlune/recovery.
  static std::filesystem::path DefaultFolder();

 private:
  bool Claim();

  std::filesystem::path folder_;
  std::filesystem::path copy_;
  FileLock lock_;
  bool written_ = false;
};

// A copy whose editor ended without closing, locked now by this process so
// that no other editor offers it at the same time.
struct LeftBehindCopy {
  std::filesystem::path copy;
  FileLock lock;
};

// The copies in `folder` whose lock could be taken (their editor is no longer
// running), in name order. Copies of running editors, this one's included,
// are left out.
std::vector<LeftBehindCopy> FindLeftBehindCopies(const std::filesystem::path& folder);

}  // namespace vorlune
