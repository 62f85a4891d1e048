#include <lcms2.h>

#include "image/picture_decoding.h"

namespace vorlune {

namespace {

void Quiet(cmsContext, cmsUInt32Number, const char*) {}

}  // namespace

bool ConvertToSrgb(RgbaPixels& pixels) {
  cmsSetLogErrorHandler(Quiet);
  cmsHPROFILE embedded =
      cmsOpenProfileFromMem(pixels.iccProfile.data(), static_cast<cmsUInt32Number>(pixels.iccProfile.size()));
  if (embedded == nullptr) return false;
  // Only an RGB profile describes the RGB pixels the decoders give.
  if (cmsGetColorSpace(embedded) != cmsSigRgbData) {
    cmsCloseProfile(embedded);
    return false;
  }
  cmsHPROFILE srgb = cmsCreate_sRGBProfile();
  cmsHTRANSFORM transform =
      cmsCreateTransform(embedded, TYPE_RGBA_8, srgb, TYPE_RGBA_8, INTENT_PERCEPTUAL, cmsFLAGS_COPY_ALPHA);
  cmsCloseProfile(embedded);
  cmsCloseProfile(srgb);
  if (transform == nullptr) return false;
  // Row by row keeps every count within the library's 32-bit sizes.
  for (int y = 0; y < pixels.height; ++y) {
    std::uint8_t* row = pixels.rgba.data() + std::size_t(y) * std::size_t(pixels.width) * 4;
    cmsDoTransform(transform, row, row, static_cast<cmsUInt32Number>(pixels.width));
  }
  cmsDeleteTransform(transform);
  return true;
}

}  // namespace vorlune
