#pragma once

#include <QString>

#include <string>

namespace vorlin {

// A problem of the record table as the player reads it. The record code tells its problems in
// Italian, the game's own language, as sentences of fixed phrases around a path; here each phrase
// is said in the game's language and the path is kept as it is. A sentence of unknown phrases is
// shown as the record code wrote it.
QString recordMessageInLanguage(const std::string& message);

} // namespace vorlin
