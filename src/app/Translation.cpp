#include "Translation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

TLanguage CurrentLanguage = TLanguage::Czech;

// The language part of a BCP 47 tag or a locale name: "cs" of "cs-CZ", "en" of "en_GB.UTF-8".
QString LanguagePart(const QString &tag) {
    qsizetype end = 0;
    while (end < tag.size() && tag.at(end).isLetter())
        ++end;
    return tag.left(end).toLower();
}

} // namespace

std::optional<TLanguage> ParseLanguage(const QString &name) {
    const QString n = name.trimmed().toLower();
    if (n == QLatin1String("cs"))
        return TLanguage::Czech;
    if (n == QLatin1String("en"))
        return TLanguage::English;
    return std::nullopt;
}

TLanguage ChooseLanguage(std::optional<TLanguage> forced, const QStringList &uiLanguages) {
    if (forced)
        return *forced;
    for (const QString &tag : uiLanguages) {
        const QString language = LanguagePart(tag);
        if (language == QLatin1String("c") || language == QLatin1String("posix") ||
            language == QLatin1String("cs") || language == QLatin1String("sk"))
            return TLanguage::Czech;
        if (language == QLatin1String("en"))
            return TLanguage::English;
    }
    return uiLanguages.isEmpty() ? TLanguage::Czech : TLanguage::English;
}

QStringList SystemLanguages() {
    // Qt names the C locale's interface language English; here it means no language chosen.
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        return {QStringLiteral("C")};
    return system.uiLanguages();
}

bool InstallTranslation(QCoreApplication &app, TLanguage language) {
    const QString code =
        language == TLanguage::English ? QStringLiteral("en") : QStringLiteral("cs");
    // Qt's own texts (standard dialogs, context menus of edit fields); a system without them
    // shows Qt's English ones.
    auto *qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + code,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;

    CurrentLanguage = TLanguage::Czech;
    if (language == TLanguage::Czech)
        return true;
    auto *own = new QTranslator(&app);
    if (!own->load(QStringLiteral(":/i18n/orvanta_") + code + QStringLiteral(".qm"))) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    CurrentLanguage = language;
    return true;
}

TLanguage InterfaceLanguage() {
    return CurrentLanguage;
}

QString LocalizedFileName(const QString &fileName, TLanguage language) {
    if (language == TLanguage::Czech)
        return fileName;
    const QString suffix = QFileInfo(fileName).suffix();
    const QString code = QStringLiteral("en");
    if (suffix.isEmpty())
        return fileName + QLatin1Char('.') + code;
    return fileName.left(fileName.size() - suffix.size()) + code + QLatin1Char('.') + suffix;
}
