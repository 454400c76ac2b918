#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace dotsign {

// The language of the windows. Chinese is the language the texts are written in;
// English comes from the bundled translation.
enum class UiLanguage { Chinese, English };

// What the operator asked for with --language ("zh", "en"; empty = follow the
// system), else the system's first user-interface language: Chinese for any
// Chinese variant and for a system without a language (C/POSIX), English for
// every other language. A request that is neither gives `ok = false`.
struct LanguageChoice
{
    UiLanguage language = UiLanguage::Chinese;
    bool ok = true;
};
LanguageChoice chooseUiLanguage(const QString& requested, const QStringList& systemUiLanguages);

// Installs the translators for `language` on the application: DotSign's own
// texts (bundled) and Qt's standard dialog buttons when the system has them.
// Returns false when DotSign's own translation could not be loaded (the
// windows then stay Chinese).
bool installUiLanguage(QCoreApplication& app, UiLanguage language);

} // namespace dotsign
