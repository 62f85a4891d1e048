#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "support/test_files.h"

namespace vorlune::testing {

// A test with its own empty folder, removed afterwards.
class FolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(name.begin(), name.end(), '/', '-');  // parameterised tests: Name/0
    folder_ = FreshFolder(name);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string In(const std::string& name) const { return (folder_ / name).string(); }

  std::filesystem::path folder_;
};

}  // namespace vorlune::testing
