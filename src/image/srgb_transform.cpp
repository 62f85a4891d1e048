#include "image/srgb_transform.h"

#include <lcms2.h>

namespace vorlune {

namespace {

void Quiet(cmsContext, cmsUInt32Number, const char*) {}

}  // namespace

SrgbTransform::SrgbTransform(std::span<const std::uint8_t> profile) {
  if (profile.empty()) return;
  cmsSetLogErrorHandler(Quiet);
  cmsHPROFILE embedded = cmsOpenProfileFromMem(profile.data(), static_cast<cmsUInt32Number>(profile.size()));
  if (embedded == nullptr) return;
  if (cmsGetColorSpace(embedded) == cmsSigRgbData) {
    cmsHPROFILE srgb = cmsCreate_sRGBProfile();
    transform_ =
        cmsCreateTransform(embedded, TYPE_RGBA_8, srgb, TYPE_RGBA_8, INTENT_PERCEPTUAL, cmsFLAGS_COPY_ALPHA);
    cmsCloseProfile(srgb);
  }
  cmsCloseProfile(embedded);
}

SrgbTransform::~SrgbTransform() {
  if (transform_ != nullptr) cmsDeleteTransform(static_cast<cmsHTRANSFORM>(transform_));
}

void SrgbTransform::Apply(std::uint8_t* rgba, int count) const {
  if (transform_ != nullptr && count > 0)
    cmsDoTransform(static_cast<cmsHTRANSFORM>(transform_), rgba, rgba, static_cast<cmsUInt32Number>(count));
}

}  // namespace vorlune
