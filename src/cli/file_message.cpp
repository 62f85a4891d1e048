#include "cli/file_message.h"

#include <cstdio>

namespace vorlune::cli {

void PrintFileMessage(const std::string& path, const std::string& text) {
  std::fprintf(stderr, "vorlune-cli: %s: %s\n", path.c_str(), text.c_str());
}

int RefuseFile(const std::string& path, const UserMessage& message) {
  PrintFileMessage(path, message.text);
  return 1;
}

}  // namespace vorlune::cli
