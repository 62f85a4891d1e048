#include "cli/picture_options.h"

#include "cli/argument_checks.h"

namespace vorlune::cli {

void PictureOptions::AddTo(CLI::App& command) {
  fitOption_ = command
                   .add_option("--fit", fit_,
                               "cover: scale to fill and crop the overhang equally (default)\n"
                               "contain: the whole picture, bars of the matte colour\n"
                               "stretch: scale to the square")
                   ->type_name("cover|contain|stretch")
                   ->check(OneOf({"cover", "contain", "stretch"}));
  reduceOption_ = command
                      .add_option("--reduce", reduce_,
                                  "fine: 214 colours chosen for the picture (default)\n"
                                  "classic: the 24-bit BMP reduction, applied to the fitted picture")
                      ->type_name("classic|fine")
                      ->check(OneOf({"classic", "fine"}));
  command.add_option("--dither", dither_, "error diffusion of the fine reduction on (default) or off")
      ->type_name("fs|none")
      ->check(OneOf({"fs", "none"}));
  command.add_option("--matte", matte_, "colour under transparent parts and of the bars (default FFFFFF)")
      ->type_name("RRGGBB")
      ->check(RgbHex());
  focusOption_ = command
                     .add_option("--focus", focus_,
                                 "where the cover crop is centred, as fractions of the picture's\n"
                                 "width and height (default 0.5,0.5, the middle); the kept part\n"
                                 "stays inside the picture. contain and stretch ignore it")
                     ->type_name("FX,FY")
                     ->check(FocusPoint());
}

bool PictureOptions::AsksForFitting() const {
  return fitOption_->count() > 0 || focusOption_->count() > 0 ||
         (reduceOption_->count() > 0 && reduce_ == "fine");
}

PictureImportOptions PictureOptions::options() const {
  PictureImportOptions options;
  options.fit = fit_ == "contain" ? FitMode::Contain : fit_ == "stretch" ? FitMode::Stretch : FitMode::Cover;
  options.reduction = reduce_ == "classic" ? ReductionKind::Classic : ReductionKind::Fine;
  options.dither = dither_ == "fs";
  options.matte = RgbOf(matte_);
  options.focus = FocusOf(focus_);
  return options;
}

}  // namespace vorlune::cli
