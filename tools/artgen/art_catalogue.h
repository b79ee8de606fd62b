#pragma once

#include "masked_sheet.h"
#include "sheet_layout.h"

#include <QImage>

#include <array>

namespace artgen {

// Every picture of the game, drawn once: the sprite sheets in their pairs, the six backgrounds,
// the darkness, the pause sign and the pictures stored with the program.
struct ArtCatalogue {
    MaskedSheet character;
    MaskedSheet objects;
    MaskedSheet bananas;
    MaskedSheet lifts;
    MaskedSheet platforms;
    MaskedSheet grounds;
    MaskedSheet walls;
    MaskedSheet backRope;
    MaskedSheet frontRope;
    MaskedSheet pauseSign;
    std::array<QImage, layout::kSchemeCount> backgrounds;
    QImage darkness;
    QImage authorPicture;
    QImage recordPanelStrip;
    QImage windowIcon;

    static ArtCatalogue draw();
};

} // namespace artgen
