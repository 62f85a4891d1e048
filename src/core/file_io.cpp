#include "core/file_io.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <utility>

namespace vorlune {

namespace {

// A descriptor closed on every way out.
struct Descriptor {
  int fd = -1;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

bool Readable(const struct stat& st) {
  return S_ISREG(st.st_mode) || S_ISFIFO(st.st_mode);
}

// Opens a regular file, pipe or FIFO for reading. Anything else is refused
// before it is opened: opening a device may already do something.
std::optional<ReadFailure> OpenForReading(const std::filesystem::path& path, Descriptor& file,
                                          struct stat& st) {
  if (::stat(path.c_str(), &st) != 0)
    return errno == ENOENT ? ReadFailure::NotFound : ReadFailure::CannotOpen;
  if (!Readable(st)) return ReadFailure::CannotOpen;
  do {
    file.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  } while (file.fd < 0 && errno == EINTR);
  if (file.fd < 0 || ::fstat(file.fd, &st) != 0 || !Readable(st)) return ReadFailure::CannotOpen;
  return std::nullopt;
}

// Reads to the end or to `limit` + 1 bytes.
bool ReadToEnd(int fd, std::size_t limit, std::vector<std::uint8_t>& bytes) {
  std::uint8_t chunk[65536];
  while (bytes.size() <= limit) {
    const std::size_t want = std::min(sizeof chunk, limit + 1 - bytes.size());
    const ssize_t got = ::read(fd, chunk, want);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  return true;
}

std::string Reason(const char* what, const std::filesystem::path& target, int error) {
  return std::string(what) + " " + target.string() + " (" + std::strerror(error) + ")";
}

}  // namespace

FileBytes ReadWholeFile(const std::filesystem::path& path, std::size_t limit) {
  FileBytes result;
  Descriptor file;
  struct stat st {};
  result.failure = OpenForReading(path, file, st);
  if (!result.failure && !ReadToEnd(file.fd, limit, result.bytes)) result.failure = ReadFailure::CannotOpen;
  if (result.failure) result.bytes.clear();
  return result;
}

InputFile InputFile::Open(const std::filesystem::path& path, std::size_t limit) {
  InputFile input;
  Descriptor file;
  struct stat st {};
  input.failure_ = OpenForReading(path, file, st);
  if (input.failure_) return input;
  if (S_ISREG(st.st_mode) && st.st_size > 0) {
    const std::size_t size = std::min(static_cast<std::size_t>(st.st_size), limit + 1);
    void* at = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, file.fd, 0);
    if (at != MAP_FAILED) {
      input.mapped_ = at;
      input.mappedSize_ = size;
      return input;
    }
  }
  if (!ReadToEnd(file.fd, limit, input.read_)) {
    input.read_.clear();
    input.failure_ = ReadFailure::CannotOpen;
  }
  return input;
}

InputFile::InputFile(InputFile&& other) noexcept {
  *this = std::move(other);
}

InputFile& InputFile::operator=(InputFile&& other) noexcept {
  if (this != &other) {
    if (mapped_ != nullptr) ::munmap(mapped_, mappedSize_);
    mapped_ = std::exchange(other.mapped_, nullptr);
    mappedSize_ = std::exchange(other.mappedSize_, 0);
    released_ = std::exchange(other.released_, 0);
    read_ = std::move(other.read_);
    failure_ = other.failure_;
  }
  return *this;
}

InputFile::~InputFile() {
  if (mapped_ != nullptr) ::munmap(mapped_, mappedSize_);
}

void InputFile::Release(std::size_t offset) const {
  if (mapped_ == nullptr) return;
  static const std::size_t page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
  const std::size_t end = std::min(offset, mappedSize_) / page * page;
  if (end <= released_) return;
  // The mapping is private and never written: its pages come back from the file.
  ::madvise(static_cast<std::uint8_t*>(mapped_) + released_, end - released_, MADV_DONTNEED);
  released_ = end;
}

namespace {

struct Staged {
  std::filesystem::path temporary;
  bool created = false;
};

// Why `target` may not be replaced, or none; `mode` is then what the new file gets.
std::optional<std::string> CheckReplaceable(const std::filesystem::path& target,
                                            std::optional<mode_t>& mode) {
  struct stat st {};
  if (::lstat(target.c_str(), &st) != 0) {
    if (errno == ENOENT) return std::nullopt;
    return Reason("cannot reach", target, errno);
  }
  if (S_ISLNK(st.st_mode)) return target.string() + " is a symbolic link, not a regular file";
  if (!S_ISREG(st.st_mode)) return target.string() + " is not a regular file";
  if ((st.st_mode & S_IWUSR) == 0) return target.string() + " is read-only";
  mode = st.st_mode & 07777;
  return std::nullopt;
}

std::optional<std::string> Stage(const OutputFile& file, std::optional<mode_t> mode, Staged& staged) {
  static std::atomic<unsigned> counter{0};
  Descriptor out;
  for (int attempt = 0; out.fd < 0 && attempt < 100; ++attempt) {
    staged.temporary = file.target;
    staged.temporary += ".part-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    out.fd = ::open(staged.temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (out.fd < 0 && errno != EEXIST) break;
  }
  if (out.fd < 0) return Reason("cannot create", file.target, errno);
  staged.created = true;
  if (mode && ::fchmod(out.fd, *mode) != 0) return Reason("cannot write", file.target, errno);
  std::size_t done = 0;
  while (done < file.bytes.size()) {
    const ssize_t wrote = ::write(out.fd, file.bytes.data() + done, file.bytes.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return Reason("cannot write", file.target, wrote < 0 ? errno : ENOSPC);
    done += static_cast<std::size_t>(wrote);
  }
  if (::fsync(out.fd) != 0) return Reason("cannot write", file.target, errno);
  const int fd = std::exchange(out.fd, -1);
  if (::close(fd) != 0) return Reason("cannot write", file.target, errno);
  return std::nullopt;
}

}  // namespace

std::optional<std::string> WriteFilesAtomically(std::span<const OutputFile> files, std::size_t* failed) {
  std::size_t ignored = 0;
  std::size_t& at = failed != nullptr ? *failed : ignored;
  std::vector<std::optional<mode_t>> modes(files.size());
  for (at = 0; at < files.size(); ++at) {
    if (auto refusal = CheckReplaceable(files[at].target, modes[at])) return refusal;
  }
  std::vector<Staged> staged(files.size());
  const auto removeStaged = [&](std::size_t from) {
    for (std::size_t i = from; i < staged.size(); ++i) {
      if (staged[i].created) ::unlink(staged[i].temporary.c_str());
    }
  };
  for (at = 0; at < files.size(); ++at) {
    if (auto failure = Stage(files[at], modes[at], staged[at])) {
      removeStaged(0);
      return failure;
    }
  }
  for (at = 0; at < files.size(); ++at) {
    if (::rename(staged[at].temporary.c_str(), files[at].target.c_str()) != 0) {
      const int error = errno;
      removeStaged(at);
      return Reason("cannot replace", files[at].target, error);
    }
  }
  return std::nullopt;
}

std::optional<std::string> WriteFileAtomically(const std::filesystem::path& target,
                                               std::span<const std::uint8_t> bytes) {
  const OutputFile file{target, bytes};
  return WriteFilesAtomically(std::span(&file, 1));
}

}  // namespace vorlune
