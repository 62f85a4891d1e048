#include "cli/input_guard.h"

#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>

namespace vorlune::cli {

namespace {

char message[4096];
std::size_t messageLength = 0;

void OnBusError(int) {
  // Only what a signal handler may do: write and leave.
  const ssize_t ignored = ::write(2, message, messageLength);
  (void)ignored;
  ::_exit(1);
}

}  // namespace

void GuardMappedInput(const std::string& path) {
  const std::string text = "vorlune-cli: " + path + ": Error : the file changed while it was read.\n";
  messageLength = std::min(text.size(), sizeof message);
  std::memcpy(message, text.data(), messageLength);
  struct sigaction action {};
  action.sa_handler = OnBusError;
  sigemptyset(&action.sa_mask);
  ::sigaction(SIGBUS, &action, nullptr);
}

}  // namespace vorlune::cli
