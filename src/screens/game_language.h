#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace vorlin {

enum class GameLanguage { Italian, English };

// The game speaks Italian, its own language, where Italian comes before English in the
// desktop's interface languages (most wanted first, as QLocale::uiLanguages() gives them) and
// where no language is set at all (C, POSIX); English for every other language.
GameLanguage languageForDesktop(const QStringList& uiLanguages);

// The English texts of the game, carried inside the program and loaded only when the game
// speaks English; in Italian every text is its source text.
class GameTranslation {
  public:
    explicit GameTranslation(GameLanguage language);

    GameLanguage language() const { return language_; }
    // Makes every text of the window speak the language: before the form is built, once the
    // application exists.
    void install();
    // A text in the language, for what is written before the application exists (--help).
    QString text(const char* context, const char* source) const;

  private:
    GameLanguage language_;
    QTranslator english_;
};

} // namespace vorlin
