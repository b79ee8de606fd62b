#include "record_messages.h"

#include <QCoreApplication>

#include <string_view>

namespace vorlin {

namespace {

constexpr const char* kContext = "RecordMessages";

// What a sentence opens with; a failed save may go on with what its reading said.
constexpr const char* kOpenings[] = {
    QT_TRANSLATE_NOOP("RecordMessages", "Impossibile salvare il record: "),
    QT_TRANSLATE_NOOP("RecordMessages", "Il file dei record "),
    QT_TRANSLATE_NOOP("RecordMessages", "il file dei record "),
};

// What went wrong; a path in brackets may follow.
constexpr const char* kProblems[] = {
    QT_TRANSLATE_NOOP("RecordMessages", "non si può leggere"),
    QT_TRANSLATE_NOOP("RecordMessages", "non è un file normale"),
    QT_TRANSLATE_NOOP("RecordMessages", "è danneggiato: ha una riga più lunga di qualsiasi record"),
    QT_TRANSLATE_NOOP("RecordMessages", "è un giro di collegamenti"),
    QT_TRANSLATE_NOOP("RecordMessages", "non si può creare il file temporaneo"),
    QT_TRANSLATE_NOOP("RecordMessages", "non si può scrivere il file temporaneo (disco pieno?)"),
    QT_TRANSLATE_NOOP("RecordMessages", "non si può sostituire il file dei record"),
    QT_TRANSLATE_NOOP("RecordMessages", "la cartella dei record non è stata ancora scelta."),
    QT_TRANSLATE_NOOP("RecordMessages",
                      "la cartella dei record è occupata da un'altra partita o non si può aprire"),
    QT_TRANSLATE_NOOP("RecordMessages",
                      "la cartella del programma non è scrivibile e l'utente non ha una cartella "
                      "personale, quindi in questa sessione i record non vengono salvati."),
    QT_TRANSLATE_NOOP("RecordMessages",
                      "l'utente non ha una cartella personale, quindi in questa sessione i record "
                      "non vengono salvati."),
};

// Takes PHRASE off the front of REST and says it; false when REST does not start with it.
bool takePhrase(std::string_view& rest, const char* phrase, QString& said) {
    const std::string_view italian(phrase);
    if (rest.substr(0, italian.size()) != italian) return false;
    said += QCoreApplication::translate(kContext, phrase);
    rest.remove_prefix(italian.size());
    return true;
}

} // namespace

QString recordMessageInLanguage(const std::string& message) {
    std::string_view rest(message);
    QString said;
    for (bool opened = true; opened;) {
        opened = false;
        for (const char* opening : kOpenings)
            opened = opened || takePhrase(rest, opening, said);
    }
    for (const char* problem : kProblems)
        if (takePhrase(rest, problem, said)) break;
    return said + QString::fromUtf8(rest.data(), static_cast<qsizetype>(rest.size()));
}

} // namespace vorlin
