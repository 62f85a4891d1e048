#include "core/file_io.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace vorlune {

FileBytes ReadWholeFile(const std::filesystem::path& path, std::size_t limit) {
  FileBytes result;
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    result.failure = ReadFailure::NotFound;
    return result;
  }
  std::FILE* file = std::fopen(path.string().c_str(), "rb");
  if (file == nullptr || std::filesystem::is_directory(path, ec)) {
    if (file != nullptr) std::fclose(file);
    result.failure = ReadFailure::CannotOpen;
    return result;
  }
  std::uint8_t chunk[65536];
  while (result.bytes.size() <= limit) {
    const std::size_t got = std::fread(chunk, 1, sizeof chunk, file);
    const std::size_t keep = std::min(got, limit + 1 - result.bytes.size());
    result.bytes.insert(result.bytes.end(), chunk, chunk + keep);
    if (got < sizeof chunk) break;
  }
  if (std::ferror(file) != 0) result.failure = ReadFailure::CannotOpen;
  std::fclose(file);
  if (result.failure) result.bytes.clear();
  return result;
}

namespace {

std::filesystem::path TemporaryNameBeside(const std::filesystem::path& target) {
  static std::atomic<unsigned> counter{0};
  const auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
  std::filesystem::path name = target;
  name += ".part-" + std::to_string(tick) + "-" + std::to_string(counter++);
  return name;
}

}  // namespace

std::optional<std::string> WriteFileAtomically(const std::filesystem::path& target,
                                               std::span<const std::uint8_t> bytes) {
  const std::filesystem::path temporary = TemporaryNameBeside(target);
  std::FILE* file = std::fopen(temporary.string().c_str(), "wb");
  if (file == nullptr) return "cannot create " + temporary.string();

  bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  written = written && std::fflush(file) == 0;
#if defined(__unix__) || defined(__APPLE__)
  written = written && ::fsync(fileno(file)) == 0;
#endif
  const bool closed = std::fclose(file) == 0;
  std::error_code ec;
  if (!written || !closed) {
    std::filesystem::remove(temporary, ec);
    return "cannot write " + temporary.string();
  }
  std::filesystem::rename(temporary, target, ec);
  if (ec) {
    std::filesystem::remove(temporary, ec);
    return "cannot replace " + target.string();
  }
  return std::nullopt;
}

}  // namespace vorlune
