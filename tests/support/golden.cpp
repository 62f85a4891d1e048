#include "support/golden.h"

#include <gtest/gtest.h>
#include <nettle/base16.h>
#include <nettle/sha2.h>

#include <array>
#include <cstdlib>
#include <fstream>
#include <map>

namespace vorlune::testing {
namespace {

std::map<std::string, std::string> ReadManifest(const char* path) {
  std::map<std::string, std::string> lines;
  std::ifstream in(path);
  std::string hash, name;
  while (in >> hash && std::getline(in >> std::ws, name)) lines[name] = hash;
  return lines;
}

}  // namespace

std::string Sha256(std::span<const std::uint8_t> bytes) {
  sha256_ctx context;
  sha256_init(&context);
  sha256_update(&context, bytes.size(), bytes.data());
  std::array<std::uint8_t, SHA256_DIGEST_SIZE> digest;
  sha256_digest(&context, digest.size(), digest.data());
  std::string hex(BASE16_ENCODE_LENGTH(digest.size()), ' ');
  base16_encode_update(hex.data(), digest.size(), digest.data());
  return hex;
}

void CheckGolden(const char* manifest, const std::string& name, std::span<const std::uint8_t> bytes) {
  static std::map<std::string, std::string> lines = ReadManifest(manifest);
  const std::string hash = Sha256(bytes);
  const char* write = std::getenv("VORLUNE_WRITE_GOLDEN");
  if (write && std::string(write) == "1") {
    lines[name] = hash;
    std::ofstream out(manifest);
    for (const auto& [key, value] : lines) out << value << "  " << key << "\n";
    return;
  }
  const auto known = lines.find(name);
  ASSERT_NE(known, lines.end()) << name << " is not in " << manifest;
  EXPECT_EQ(hash, known->second) << name << " differs from its golden output";
}

}  // namespace vorlune::testing
