#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_files.h"

namespace vorlune::testing {

// A test with its own empty folder, removed afterwards.
class FolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string In(const std::string& name) const { return (folder_ / name).string(); }

  std::filesystem::path folder_;
};

}  // namespace vorlune::testing
