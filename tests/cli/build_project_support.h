#pragma once

#include <filesystem>
#include <string>

#include "layout/skin_layout.h"

namespace vorlune::testing {

// A layout as an import leaves it, from a synthetic 214-colour background.
SkinLayout ImportedLayoutForBuild();

// Places kind k and counts it, as the editor does.
void PlaceCounted(SkinLayout& layout, PartKind k, int x, int y, ColorTriple colors);

// Writes the layout's project file to `path`.
void SaveProjectForBuild(const SkinLayout& layout, const std::filesystem::path& path);

// Runs vorlune-cli with a shell argument string; returns the exit status and
// keeps standard output and error.
struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};
CliRun RunCli(const std::string& arguments, const std::string& environment = "");

// A fresh, empty folder under the system's temporary folder.
std::filesystem::path EmptyFolder(const std::string& name);

std::string FileText(const std::filesystem::path& path);

}  // namespace vorlune::testing
