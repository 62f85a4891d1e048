#pragma once

#include <CLI/CLI.hpp>
#include <cstddef>
#include <string>

#include "image/picture_import.h"

namespace vorlune::cli {

// Largest picture file read whole; a 100-megapixel picture stored without
// compression fits.
inline constexpr std::size_t kMaxPictureFileSize = std::size_t{512} << 20;

// The picture options of `import`: --fit, --reduce, --dither, --matte, --focus.
class PictureOptions {
 public:
  void AddTo(CLI::App& command);
  // --fit, --focus or --reduce fine: the user wants the picture fitted even if it is a BMP.
  bool AsksForFitting() const;
  // The options given, the others at their defaults.
  PictureImportOptions options() const;

 private:
  std::string fit_ = "cover";
  std::string reduce_ = "fine";
  std::string dither_ = "fs";
  std::string matte_ = "FFFFFF";
  std::string focus_ = "0.5,0.5";
  CLI::Option* fitOption_ = nullptr;
  CLI::Option* reduceOption_ = nullptr;
  CLI::Option* focusOption_ = nullptr;
};

}  // namespace vorlune::cli
