#pragma once

#include "game/picture.h"

#include <QImage>

namespace vorlin {

// Pictures stored with the program rather than in dati/: the creature's sheet and its mask,
// the decorative picture of the record panel, the author panel's picture and the window icon.
SpritePair embeddedCharacterSheet();
QImage embeddedRecordPanelPicture(); // Image2
QImage embeddedAuthorPicture();      // Image1
QImage embeddedWindowIcon();

} // namespace vorlin
