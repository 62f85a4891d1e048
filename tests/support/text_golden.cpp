#include "support/text_golden.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace vorlune::testing {

void CheckTextGolden(const std::filesystem::path& golden, const std::string& actual) {
  const char* write = std::getenv("VORLUNE_WRITE_GOLDEN");
  if (write != nullptr && std::string(write) == "1") {
    std::ofstream(golden, std::ios::binary) << actual;
    return;
  }
  std::ifstream in(golden, std::ios::binary);
  std::stringstream expected;
  expected << in.rdbuf();
  if (expected.str() == actual) return;
  const std::filesystem::path out =
      std::filesystem::path(VORLUNE_ACTUAL_DIR) / golden.parent_path().filename() / golden.filename();
  std::filesystem::create_directories(out.parent_path());
  std::ofstream(out, std::ios::binary) << actual;
  ADD_FAILURE() << golden.string() << " differs from what came out; see: diff " << golden.string() << " "
                << out.string();
}

}  // namespace vorlune::testing
