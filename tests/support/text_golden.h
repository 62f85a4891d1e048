#pragma once

#include <filesystem>
#include <string>

namespace vorlune::testing {

// Compares `actual` with the whole text file `golden` (under tests/data). On a
// difference the actual text is written under the build folder's
// test-output/<golden's folder>/ and the failure names it and shows the diff.
// With VORLUNE_WRITE_GOLDEN=1 the golden file is written instead; review its
// diff. (EXPECT_TEXT_GOLDEN in support/golden.h names the file after the check.)
void CheckTextGolden(const std::filesystem::path& golden, const std::string& actual);

}  // namespace vorlune::testing
