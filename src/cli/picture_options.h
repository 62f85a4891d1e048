#pragma once

#include <cstddef>
#include <string>

#include "image/picture_import.h"

namespace vorlune::cli {

// Largest picture file read whole; a 100-megapixel picture stored without
// compression fits.
inline constexpr std::size_t kMaxPictureFileSize = std::size_t{512} << 20;

// The picture options of `import`: --fit, --reduce, --dither, --matte.
class PictureOptionsParser {
 public:
  bool Takes(const std::string& name) const;
  // False for a value the option does not know.
  bool Parse(const std::string& name, const std::string& value);
  // --fit or --reduce fine: the user wants the picture fitted even if it is a BMP.
  bool AsksForFitting() const {
    return fitGiven_ || (reduceGiven_ && options_.reduction == ReductionKind::Fine);
  }
  const PictureImportOptions& options() const { return options_; }

 private:
  PictureImportOptions options_;
  bool fitGiven_ = false;
  bool reduceGiven_ = false;
};

}  // namespace vorlune::cli
