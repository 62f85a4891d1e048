#include <cstdio>

#include "cli/commands.h"

namespace vorlune::cli {

// Not built yet.
int DescribeBmp(const std::string& path, bool json) {
  (void)path;
  (void)json;
  std::fputs("vorlune-cli: this command is not available yet\n", stderr);
  return 2;
}

}  // namespace vorlune::cli
