#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vorlune {

// Why a whole-file read failed; each command turns it into its own message.
// A folder, a device or a socket cannot be opened: only a regular file, a
// pipe or a FIFO is read.
enum class ReadFailure { NotFound, CannotOpen };

struct FileBytes {
  std::vector<std::uint8_t> bytes;
  std::optional<ReadFailure> failure;  // set when bytes could not be read
};

// Reads a whole file, at most `limit` bytes (a larger file yields its first
// `limit` bytes plus one, so callers can tell it is too long). The file is
// opened once and read once, so a pipe or FIFO gives its bytes once.
FileBytes ReadWholeFile(const std::filesystem::path& path, std::size_t limit = 64u << 20);

// A file's bytes from one opening, for large inputs: a regular file is mapped
// read-only, so that memory holds only the parts being read; a pipe or FIFO is
// read to its end. Like ReadWholeFile, a file longer than `limit` gives its
// first `limit` bytes plus one.
class InputFile {
 public:
  static InputFile Open(const std::filesystem::path& path, std::size_t limit);
  InputFile() = default;
  InputFile(InputFile&& other) noexcept;
  InputFile& operator=(InputFile&& other) noexcept;
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  ~InputFile();

  std::span<const std::uint8_t> bytes() const { return mapped_ ? mapped_span() : std::span(read_); }
  const std::optional<ReadFailure>& failure() const { return failure_; }

  // The bytes before `offset` are not needed soon: a mapped file gives their
  // memory back (they are read from the file again if touched again).
  void Release(std::size_t offset) const;

 private:
  std::span<const std::uint8_t> mapped_span() const {
    return {static_cast<const std::uint8_t*>(mapped_), mappedSize_};
  }
  void* mapped_ = nullptr;
  std::size_t mappedSize_ = 0;
  mutable std::size_t released_ = 0;
  std::vector<std::uint8_t> read_;
  std::optional<ReadFailure> failure_;
};

// Writes `bytes` to a temporary file beside `target`, checks every write and
// the close, then renames it over `target`. Only a regular file that may be
// written is replaced, keeping its permissions: a symbolic link, a device, a
// FIFO, a folder or a read-only file is refused. On any failure the temporary
// file is removed, `target` is left as it was, and the reason is returned; it
// names `target`, never the temporary file.
std::optional<std::string> WriteFileAtomically(const std::filesystem::path& target,
                                               std::span<const std::uint8_t> bytes);

struct OutputFile {
  std::filesystem::path target;
  std::span<const std::uint8_t> bytes;
};

// Several files written together: every target is checked and every
// temporary file written before the first is renamed, so a failure leaves all
// targets as they were. `failed`, when given, is set to the index of the file
// the reason is about.
std::optional<std::string> WriteFilesAtomically(std::span<const OutputFile> files,
                                                std::size_t* failed = nullptr);

}  // namespace vorlune
