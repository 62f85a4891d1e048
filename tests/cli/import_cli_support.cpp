#include "cli/import_cli_support.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace vorlune::import_cli {

namespace {

std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

CliRun RunCli(const std::filesystem::path& folder, const std::vector<std::string>& args) {
  std::string command = "cd " + Quoted(folder.string()) + " && " + Quoted(VORLUNE_CLI);
  for (const auto& arg : args) command += " " + Quoted(arg);
  command += " >.cli-out 2>.cli-err";
  const int raw = std::system(command.c_str());
  CliRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = ReadText(folder / ".cli-out");
  run.err = ReadText(folder / ".cli-err");
  std::filesystem::remove(folder / ".cli-out");
  std::filesystem::remove(folder / ".cli-err");
  return run;
}

std::filesystem::path FreshFolder(const std::string& name) {
  const auto folder =
      std::filesystem::temp_directory_path() / ("vorlune-" + name + "-" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace vorlune::import_cli
