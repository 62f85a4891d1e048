#pragma once

#include <nlohmann/json.hpp>

namespace vorlune::cli {

// `info --json` prints one object per file, its members in the order added.
using Json = nlohmann::ordered_json;

// Prints the object on one line, compact. Bytes that are not UTF-8 (a file
// name, say) become U+FFFD so that the output stays valid JSON.
void PrintJson(const Json& json);

}  // namespace vorlune::cli
