#include <cstdio>

#include "cli/commands.h"

namespace vorlune::cli {

// Not built yet.
int RunImport(const Arguments& args) {
  (void)args;
  std::fputs("vorlune-cli: this command is not available yet\n", stderr);
  return 2;
}

}  // namespace vorlune::cli
