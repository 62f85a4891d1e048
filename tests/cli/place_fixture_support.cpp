#include "cli/place_fixture_support.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <iterator>

#include "core/byte_order.h"
#include "project/project_file.h"

namespace vorlune::place_fixture {

namespace {

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

CliRun RunCli(const std::vector<std::string>& args, std::optional<std::uint64_t> fileSizeLimit) {
  const auto outPath =
      std::filesystem::temp_directory_path() / ("vorlune-cli-out-" + std::to_string(::getpid()));
  const auto errPath =
      std::filesystem::temp_directory_path() / ("vorlune-cli-err-" + std::to_string(::getpid()));
  const pid_t child = ::fork();
  if (child == 0) {
    const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) ::_exit(126);
    if (fileSizeLimit) {
      std::signal(SIGXFSZ, SIG_IGN);  // kept across exec
      const rlimit limit{*fileSizeLimit, *fileSizeLimit};
      if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(126);
    }
    std::vector<char*> argv{const_cast<char*>(VORLUNE_CLI)};
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execv(VORLUNE_CLI, argv.data());
    ::_exit(127);
  }
  CliRun run;
  int status = 0;
  if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status))
    run.status = WEXITSTATUS(status);
  run.out = Slurp(outPath);
  run.err = Slurp(errPath);
  std::filesystem::remove(outPath);
  std::filesystem::remove(errPath);
  return run;
}

SkinLayout ImportedLayout() {
  SkinLayout layout = NewSkinLayout();
  layout.picture.assign(kReducedHeaderSize + kPixelBytes, 17);
  std::fill(layout.picture.begin(), layout.picture.begin() + kReducedHeaderSize, 0);
  layout.picture[0] = 'B';
  layout.picture[1] = 'M';
  WriteLE32(&layout.picture[10], kReducedHeaderSize);
  WriteLE32(&layout.picture[14], 40);
  WriteLE32(&layout.picture[18], 320);
  WriteLE32(&layout.picture[22], 320);
  WriteLE16(&layout.picture[28], 8);
  WriteLE32(&layout.picture[46], 214);
  layout.reducedBmp.assign(layout.picture.begin(), layout.picture.begin() + kReducedHeaderSize);
  layout.reducedBmp.resize(kReducedBmpSize, 0);
  layout.pixelOffset = kReducedHeaderSize;
  layout.temporaryPictureSize = kReducedBmpSize;
  layout.pictureColorsUsed = 214;
  layout.backgroundLoaded = true;
  return layout;
}

void WriteProject(const std::filesystem::path& path, const SkinLayout& layout) {
  WriteBytes(path, WriteProjectFile(layout));
}

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path) {
  const std::string text = Slurp(path);
  return {text.begin(), text.end()};
}

std::filesystem::path FreshFolder(const std::string& name) {
  const auto folder =
      std::filesystem::temp_directory_path() / ("vorlune-" + name + "-" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace vorlune::place_fixture
