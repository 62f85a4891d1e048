#pragma once

#include <QString>
#include <QTemporaryDir>
#include <optional>
#include <span>
#include <string>

namespace vorlune {

inline constexpr char kTemporaryPictureName[] = "harmoniquest0tempfile.$$$";

// The private folder of one editor instance that holds the temporary picture
// file. A folder of its own keeps two editors from mixing their pictures and
// works where the current directory is read-only. It is created at start-up
// and removed with its content when the editor ends, also on a termination
// signal.
class TemporaryPictureFolder {
 public:
  TemporaryPictureFolder();
  ~TemporaryPictureFolder();
  TemporaryPictureFolder(const TemporaryPictureFolder&) = delete;
  TemporaryPictureFolder& operator=(const TemporaryPictureFolder&) = delete;

  bool isValid() const;
  QString folderPath() const;
  QString picturePath() const;  // the temporary picture file inside it

  // Replaces the temporary picture file; on failure returns why, and the file
  // that was there stays as it was.
  std::optional<std::string> WritePicture(std::span<const std::uint8_t> bytes) const;

  // Deletes the picture file and the folder. Safe to call more than once.
  void Remove();

 private:
  std::optional<QTemporaryDir> m_folder;
};

}  // namespace vorlune
