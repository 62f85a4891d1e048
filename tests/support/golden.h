#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/rgb_image.h"

namespace vorlune::testing {

std::string Sha256(std::span<const std::uint8_t> bytes);

// Where a test program keeps its goldens and puts the outputs that differ.
struct GoldenFolder {
  const char* manifest;  // tests/data/<folder>.sha256; text goldens in tests/data/<folder>/
  const char* outputs;   // <build>/test-output/<folder>
};

// Compares the SHA-256 of `bytes` with the line `name` of the manifest. With
// VORLUNE_WRITE_GOLDEN=1 in the environment the line is written instead: run
// once after a deliberate change of an output, then review the manifest's diff.
// A mismatch writes the bytes under the outputs folder (.txt when they are
// text, else .bin) and names that file.
void CheckGolden(const GoldenFolder& folder, const std::string& name, std::span<const std::uint8_t> bytes);
// A picture is hashed by its RGB bytes; a mismatch writes it as PNG.
void CheckGolden(const GoldenFolder& folder, const std::string& name, const RgbImage& picture);
// Outputs a person reads (traces, layouts, JSON) are kept whole in
// tests/data/<folder>/<name>.txt, so that a change shows as a diff; written
// there with VORLUNE_WRITE_GOLDEN=1.
void CheckTextGolden(const GoldenFolder& folder, const std::string& name, std::string_view text);

inline std::span<const std::uint8_t> AsBytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace vorlune::testing

// Each test program has its manifest, tests/data/<folder>.sha256, and its
// output folder under the build folder.
#ifndef VORLUNE_TEST_OUTPUT
#define VORLUNE_TEST_OUTPUT "test-output"
#endif
#define VORLUNE_GOLDEN_FOLDER           \
  ::vorlune::testing::GoldenFolder {    \
    VORLUNE_GOLDEN, VORLUNE_TEST_OUTPUT \
  }
// A failure names the line of the check besides the golden.
#define EXPECT_GOLDEN(name, value)                                          \
  do {                                                                      \
    ::testing::ScopedTrace goldenCheck(__FILE__, __LINE__, "golden check"); \
    ::vorlune::testing::CheckGolden(VORLUNE_GOLDEN_FOLDER, name, value);    \
  } while (false)
#define EXPECT_TEXT_GOLDEN(name, text)                                      \
  do {                                                                      \
    ::testing::ScopedTrace goldenCheck(__FILE__, __LINE__, "golden check"); \
    ::vorlune::testing::CheckTextGolden(VORLUNE_GOLDEN_FOLDER, name, text); \
  } while (false)
