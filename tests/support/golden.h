#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vorlune::testing {

std::string Sha256(std::span<const std::uint8_t> bytes);

// Compares the SHA-256 of `bytes` with the line `name` of the manifest. With
// VORLUNE_WRITE_GOLDEN=1 in the environment the line is written instead: run
// once after a deliberate change of an output, then review the manifest's diff.
void CheckGolden(const char* manifest, const std::string& name, std::span<const std::uint8_t> bytes);

inline std::span<const std::uint8_t> AsBytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace vorlune::testing

// Each test program has its manifest, tests/data/<folder>.sha256.
#define EXPECT_GOLDEN(name, bytes) ::vorlune::testing::CheckGolden(VORLUNE_GOLDEN, name, bytes)
