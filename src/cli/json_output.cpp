#include "cli/json_output.h"

#include <cstdio>

namespace vorlune::cli {

void PrintJson(const Json& json) {
  const std::string text = json.dump(-1, ' ', false, Json::error_handler_t::replace);
  std::printf("%s\n", text.c_str());
}

}  // namespace vorlune::cli
