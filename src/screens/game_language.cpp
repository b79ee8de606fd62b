#include "game_language.h"

#include <QCoreApplication>
#include <QLocale>

#include <stdexcept>

namespace vorlin {

namespace {

// Where CMake puts the English catalogue among the program's resources.
const char* const kEnglishCatalogue = ":/i18n/vorlin_en.qm";

bool isNoLanguage(const QString& name) {
    return name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX") ||
           QLocale(name).language() == QLocale::C;
}

} // namespace

GameLanguage languageForDesktop(const QStringList& uiLanguages) {
    bool anyLanguage = false;
    for (const QString& name : uiLanguages) {
        if (isNoLanguage(name)) continue;
        anyLanguage = true;
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::Italian) return GameLanguage::Italian;
        if (language == QLocale::English) return GameLanguage::English;
    }
    return anyLanguage ? GameLanguage::English : GameLanguage::Italian;
}

GameTranslation::GameTranslation(GameLanguage language) : language_(language) {
    // The catalogue is built into the program: failing to read it is a broken build.
    if (language_ == GameLanguage::English &&
        !english_.load(QString::fromLatin1(kEnglishCatalogue)))
        throw std::runtime_error("the English texts are missing from the program");
}

void GameTranslation::install() {
    if (language_ == GameLanguage::English) QCoreApplication::installTranslator(&english_);
}

QString GameTranslation::text(const char* context, const char* source) const {
    if (language_ == GameLanguage::English) {
        const QString translated = english_.translate(context, source);
        if (!translated.isEmpty()) return translated;
    }
    return QString::fromUtf8(source);
}

} // namespace vorlin
