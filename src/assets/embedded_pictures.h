#pragma once

#include "game/picture.h"

#include <QIcon>
#include <QImage>

namespace vorlin {

// Pictures stored with the program rather than in dati/: the creature's sheet and its mask,
// the decorative picture of the record panel, the author panel's picture and the window icon.
SpritePair embeddedCharacterSheet();
QImage embeddedRecordPanelPicture(); // Image2
QImage embeddedAuthorPicture();      // Image1
// Every size the desktop icons are drawn at, so task bars and window switchers pick a sharp one.
QIcon embeddedWindowIcon();

} // namespace vorlin
