#include "cli/picture_options.h"

#include <cstdlib>

namespace vorlune::cli {

bool PictureOptionsParser::Takes(const std::string& name) const {
  return name == "--fit" || name == "--reduce" || name == "--dither" || name == "--matte";
}

bool PictureOptionsParser::Parse(const std::string& name, const std::string& value) {
  if (name == "--fit") {
    fitGiven_ = true;
    if (value == "cover")
      options_.fit = FitMode::Cover;
    else if (value == "contain")
      options_.fit = FitMode::Contain;
    else if (value == "stretch")
      options_.fit = FitMode::Stretch;
    else
      return false;
    return true;
  }
  if (name == "--reduce") {
    reduceGiven_ = true;
    if (value == "fine")
      options_.reduction = ReductionKind::Fine;
    else if (value == "classic")
      options_.reduction = ReductionKind::Classic;
    else
      return false;
    return true;
  }
  if (name == "--dither") {
    if (value != "fs" && value != "none") return false;
    options_.dither = value == "fs";
    return true;
  }
  if (value.size() != 6 || value.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
    return false;
  const unsigned long rgb = std::strtoul(value.c_str(), nullptr, 16);
  options_.matte = Rgb{static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                       static_cast<std::uint8_t>(rgb)};
  return true;
}

}  // namespace vorlune::cli
