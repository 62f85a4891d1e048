#include "support/cli_run.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>

#include "support/test_files.h"

namespace vorlune::testing {

CliRun RunCli(const std::vector<std::string>& args, const CliOptions& options) {
  const auto stem = std::filesystem::temp_directory_path() / ("vorlune-cli-" + std::to_string(::getpid()));
  const auto outPath = stem.string() + ".out";
  const auto errPath = stem.string() + ".err";
  const pid_t child = ::fork();
  if (child == 0) {
    const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) ::_exit(126);
    if (!options.folder.empty() && ::chdir(options.folder.c_str()) != 0) ::_exit(126);
    ::unsetenv("SOURCE_DATE_EPOCH");
    for (const auto& pair : options.environment) ::putenv(const_cast<char*>(pair.c_str()));
    if (options.fileSizeLimit) {
      std::signal(SIGXFSZ, SIG_IGN);  // kept across exec
      const rlimit limit{*options.fileSizeLimit, *options.fileSizeLimit};
      if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(126);
    }
    if (options.addressSpaceLimit) {
      const rlimit limit{*options.addressSpaceLimit, *options.addressSpaceLimit};
      if (::setrlimit(RLIMIT_AS, &limit) != 0) ::_exit(126);
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
  run.out = ReadText(outPath);
  run.err = ReadText(errPath);
  std::filesystem::remove(outPath);
  std::filesystem::remove(errPath);
  return run;
}

}  // namespace vorlune::testing
