#include "language_choice.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace vorlune {

namespace {

const QString kSettingsKey = QStringLiteral("language");
const QString kTranslatorName = QStringLiteral("vorluneTranslation");
const QString kQtTranslatorName = QStringLiteral("qtTranslation");
Language runningLanguage = Language::Japanese;

}  // namespace

std::optional<Language> LanguageNamed(const QString& name) {
  const QString code = name.trimmed().toLower();
  if (code == QLatin1String("ja")) return Language::Japanese;
  if (code == QLatin1String("en")) return Language::English;
  return std::nullopt;
}

QString LanguageCode(Language language) {
  return language == Language::English ? QStringLiteral("en") : QStringLiteral("ja");
}

Language ChooseLanguage(std::optional<Language> commandLine, const QString& environment,
                        const QString& remembered) {
  if (commandLine) return *commandLine;
  if (const auto fromEnvironment = LanguageNamed(environment)) return *fromEnvironment;
  return LanguageNamed(remembered).value_or(Language::Japanese);
}

QString RememberedLanguage() {
  return QSettings().value(kSettingsKey).toString();
}

void RememberLanguage(Language language) {
  QSettings().setValue(kSettingsKey, LanguageCode(language));
}

bool InstallTranslation(QCoreApplication& application, Language language) {
  // Japanese is the source language: taking away the translation restores it.
  for (const QString& name : {kTranslatorName, kQtTranslatorName})
    qDeleteAll(application.findChildren<QTranslator*>(name, Qt::FindDirectChildrenOnly));
  runningLanguage = Language::Japanese;
  if (language == Language::Japanese) {
    // Qt's own texts (the buttons and the file dialog) come in English unless
    // Qt's Japanese translation is installed; without it they stay English.
    auto* qt = new QTranslator(&application);
    qt->setObjectName(kQtTranslatorName);
    if (!qt->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(qt))
      delete qt;
    return true;
  }
  // The translations are built into the program; the translator lives as long
  // as the application.
  auto* translator = new QTranslator(&application);
  translator->setObjectName(kTranslatorName);
  if (!translator->load(QStringLiteral(":/translations/vorlune_%1.qm").arg(LanguageCode(language))) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return false;
  }
  runningLanguage = language;
  return true;
}

Language RunningLanguage() {
  return runningLanguage;
}

}  // namespace vorlune
