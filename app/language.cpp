#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace dotsign {

LanguageChoice chooseUiLanguage(const QString& requested, const QStringList& systemUiLanguages)
{
    const QString wanted = requested.trimmed().toLower();
    if (wanted == QLatin1String("zh") || wanted.startsWith(QLatin1String("zh_")) ||
        wanted.startsWith(QLatin1String("zh-")))
        return {UiLanguage::Chinese, true};
    if (wanted == QLatin1String("en") || wanted.startsWith(QLatin1String("en_")) ||
        wanted.startsWith(QLatin1String("en-")))
        return {UiLanguage::English, true};
    if (!wanted.isEmpty())
        return {UiLanguage::Chinese, false};

    const QString first = systemUiLanguages.value(0).toLower();
    if (first.isEmpty() || first == QLatin1String("c") || first == QLatin1String("posix") ||
        first.startsWith(QLatin1String("zh")))
        return {UiLanguage::Chinese, true};
    return {UiLanguage::English, true};
}

bool installUiLanguage(QCoreApplication& app, UiLanguage language)
{
    const QString qtTranslations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (language == UiLanguage::Chinese) {
        // The texts are already Chinese; only Qt's own buttons ("OK", "Cancel")
        // need their Chinese names, when the system carries them.
        auto* qt = new QTranslator(&app);
        if (qt->load(QStringLiteral("qtbase_zh_CN"), qtTranslations))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return true;
    }
    auto* own = new QTranslator(&app);
    if (!own->load(QStringLiteral(":/i18n/dotsign_en.qm"))) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    return true;
}

} // namespace dotsign
