#pragma once

#include <filesystem>
#include <string>

namespace vorlune::testing {

// Compares `actual` with the whole text file `golden` (under tests/data). On a
// difference the actual text is written under the build folder and the
// failure names it, for a diff. With VORLUNE_WRITE_GOLDEN=1 the golden file is
// written instead; review its diff.
void CheckTextGolden(const std::filesystem::path& golden, const std::string& actual);

}  // namespace vorlune::testing
