#pragma once

#include <QString>
#include <optional>

class QCoreApplication;

namespace vorlune {

// The editor's texts are written in Japanese; English comes from a translation.
enum class Language { Japanese, English };

// "ja" or "en" (any case), else nothing.
std::optional<Language> LanguageNamed(const QString& name);
QString LanguageCode(Language language);

// The command line's choice first, then the environment's (VORLUNE_LANG), then
// the one remembered from the window's menu; Japanese when none is given.
// Unknown names count as not given.
Language ChooseLanguage(std::optional<Language> commandLine, const QString& environment,
                        const QString& remembered);

// The choice of the window's "Language / 言語" menu, kept in the user's
// settings for the next start.
QString RememberedLanguage();
void RememberLanguage(Language language);

// Puts the translation of the language into the application in place of any
// earlier one: for Japanese none of the editor's own, but Qt's Japanese
// translation (qtbase_ja) for the standard buttons and dialogs. False when the
// editor's translation cannot be loaded; the editor then stays Japanese.
bool InstallTranslation(QCoreApplication& application, Language language);
// The language of the texts the editor shows now.
Language RunningLanguage();

}  // namespace vorlune
