#include "support/golden.h"

#include <gtest/gtest.h>
#include <nettle/base16.h>
#include <nettle/sha2.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "core/png_writer.h"
#include "support/test_files.h"

namespace vorlune::testing {
namespace {

std::map<std::string, std::string> ReadManifest(const char* path) {
  std::map<std::string, std::string> lines;
  std::ifstream in(path);
  std::string hash, name;
  while (in >> hash && std::getline(in >> std::ws, name)) lines[name] = hash;
  return lines;
}

bool WritingGoldens() {
  const char* write = std::getenv("VORLUNE_WRITE_GOLDEN");
  return write != nullptr && std::string(write) == "1";
}

// A file name for a golden's name: letters, digits, '.', '-' and '_' stay
// (bytes of other scripts too), every run of other characters becomes one '_'.
std::string FileKey(const std::string& name) {
  std::string key;
  for (const char c : name) {
    const auto u = static_cast<unsigned char>(c);
    const bool kept = std::isalnum(u) || c == '.' || c == '-' || c == '_' || u >= 0x80;
    if (kept)
      key += c;
    else if (!key.ends_with('_'))
      key += '_';
  }
  return key.substr(0, 200);
}

std::filesystem::path TextGoldenPath(const GoldenFolder& folder, const std::string& name) {
  std::filesystem::path path = folder.manifest;
  path.replace_extension();
  return path / (FileKey(name) + ".txt");
}

// Writes the output that differs and returns its path.
std::string KeepOutput(const GoldenFolder& folder, const std::string& name, std::string_view extension,
                       std::span<const std::uint8_t> bytes) {
  const std::filesystem::path path =
      std::filesystem::path(folder.outputs) / (FileKey(name) + "." + std::string(extension));
  std::filesystem::create_directories(path.parent_path());
  WriteBytes(path, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  return std::filesystem::absolute(path).string();
}

bool LooksLikeText(std::span<const std::uint8_t> bytes) {
  return std::none_of(bytes.begin(), bytes.end(),
                      [](std::uint8_t b) { return b < 0x20 && b != '\n' && b != '\t' && b != '\r'; });
}

void CheckHashed(const GoldenFolder& folder, const std::string& name, std::span<const std::uint8_t> hashed,
                 std::string_view extension, std::span<const std::uint8_t> kept) {
  static std::map<std::string, std::string> lines = ReadManifest(folder.manifest);
  const std::string hash = Sha256(hashed);
  if (WritingGoldens()) {
    lines[name] = hash;
    std::ofstream out(folder.manifest);
    for (const auto& [key, value] : lines) out << value << "  " << key << "\n";
    return;
  }
  const auto known = lines.find(name);
  const bool same = known != lines.end() && known->second == hash;
  if (same) return;
  const std::string output = KeepOutput(folder, name, extension, kept);
  if (known == lines.end())
    ADD_FAILURE() << name << " is not in " << folder.manifest << "; its output is " << output;
  else
    ADD_FAILURE() << name << " differs from its golden output; the output is " << output;
}

std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  std::istringstream in{std::string(text)};
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Compares a text golden whole; a difference writes the text to `output` and
// shows the diff.
void CompareText(const std::filesystem::path& golden, const std::filesystem::path& output,
                 const std::string& name, std::string_view text) {
  if (WritingGoldens()) {
    std::filesystem::create_directories(golden.parent_path());
    std::ofstream(golden, std::ios::binary) << text;
    return;
  }
  const bool exists = std::filesystem::is_regular_file(golden);
  const std::string expected = exists ? ReadText(golden) : std::string();
  if (expected == text) return;
  std::filesystem::create_directories(output.parent_path());
  std::ofstream(output, std::ios::binary) << text;
  const std::string shown = std::filesystem::absolute(output).string();
  if (!exists) {
    ADD_FAILURE() << name << ": no golden " << golden.string() << "; the output is " << shown;
    return;
  }
  ADD_FAILURE() << name << " differs from its golden output:\n  diff " << golden.string() << " " << shown
                << "\n"
                << ::testing::internal::edit_distance::CreateUnifiedDiff(Lines(expected), Lines(text), 3);
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

void CheckGolden(const GoldenFolder& folder, const std::string& name, std::span<const std::uint8_t> bytes) {
  CheckHashed(folder, name, bytes, LooksLikeText(bytes) ? "txt" : "bin", bytes);
}

void CheckGolden(const GoldenFolder& folder, const std::string& name, const RgbImage& picture) {
  const std::vector<std::uint8_t> png =
      picture.width > 0 && picture.height > 0 ? EncodePng(picture) : std::vector<std::uint8_t>{};
  CheckHashed(folder, name, picture.rgb, "png", png);
}

void CheckTextGolden(const GoldenFolder& folder, const std::string& name, std::string_view text) {
  const std::filesystem::path output = std::filesystem::path(folder.outputs) / (FileKey(name) + ".txt");
  CompareText(TextGoldenPath(folder, name), output, name, text);
}

}  // namespace vorlune::testing
