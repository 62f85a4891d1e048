#include "remembered_import_options.h"

#include <QColor>
#include <QSettings>

namespace vorlune {

namespace {

const QString kFitKey = QStringLiteral("import/fit");
const QString kReductionKey = QStringLiteral("import/reduction");
const QString kDitherKey = QStringLiteral("import/dither");
const QString kMatteKey = QStringLiteral("import/matte");
const QString kMatteFromEdgesKey = QStringLiteral("import/matteFromEdges");

}  // namespace

PictureImportOptions RememberedImportOptions() {
  const QSettings settings;
  PictureImportOptions options;
  // Anything unknown (a damaged or older settings file) keeps the default.
  const int fit = settings.value(kFitKey, 0).toInt();
  if (fit >= 0 && fit <= static_cast<int>(FitMode::Stretch)) options.fit = static_cast<FitMode>(fit);
  if (settings.value(kReductionKey).toString() == QLatin1String("classic"))
    options.reduction = ReductionKind::Classic;
  options.dither = settings.value(kDitherKey, true).toBool();
  const QColor matte(settings.value(kMatteKey).toString());
  if (matte.isValid())
    options.matte = {std::uint8_t(matte.red()), std::uint8_t(matte.green()), std::uint8_t(matte.blue())};
  options.matteFromEdges = settings.value(kMatteFromEdgesKey, false).toBool();
  return options;
}

void RememberImportOptions(const PictureImportOptions& options) {
  QSettings settings;
  settings.setValue(kFitKey, static_cast<int>(options.fit));
  settings.setValue(kReductionKey, options.reduction == ReductionKind::Classic ? QStringLiteral("classic")
                                                                               : QStringLiteral("fine"));
  settings.setValue(kDitherKey, options.dither);
  settings.setValue(kMatteKey, QColor(options.matte.r, options.matte.g, options.matte.b).name());
  settings.setValue(kMatteFromEdgesKey, options.matteFromEdges);
}

}  // namespace vorlune
