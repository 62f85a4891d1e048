#pragma once

#include <string>

namespace vorlune::cli {

// A large input is mapped rather than copied (see InputFile). Should the file
// be cut short by another program while it is read, the tool says so and
// ends with exit status 1, having written nothing, instead of a bus error.
void GuardMappedInput(const std::string& path);

}  // namespace vorlune::cli
