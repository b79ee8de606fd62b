#include "art_catalogue.h"

#include "background_painter.h"
#include "creature_painter.h"
#include "emblem_painter.h"
#include "ground_painter.h"
#include "item_painter.h"
#include "lift_painter.h"
#include "platform_painter.h"
#include "wall_painter.h"

namespace artgen {

namespace {

constexpr int kPauseWidth = 76;
constexpr int kPauseHeight = 24;

MaskedSheet drawCharacter() {
    using namespace layout;
    MaskedSheet sheet(kCharacterColumns, kCharacterRows, kCharacterCellWidth, kCharacterCellHeight);
    const CreaturePainter creature;
    for (int row = 1; row <= kCharacterRows; ++row) {
        CreaturePose pose;
        pose.walking = row <= kWalkFrames;
        pose.stride = pose.walking ? double(row - 1) / kWalkFrames : 0.0;
        pose.eyesClosed = row == kBlinkRow;
        sheet.paintCell(1, row, [&](QPainter& p) { creature.paint(p, pose); });
    }
    // Facing left is the exact mirror, so a turn shifted by 40 pixels keeps the body in place.
    sheet.mirrorColumn(1, 2);
    return sheet;
}

template <typename Painter>
MaskedSheet drawSchemeRows(int width, int height, const Painter& painter) {
    MaskedSheet sheet(1, layout::kSchemeCount, width, height);
    for (int scheme = 1; scheme <= layout::kSchemeCount; ++scheme)
        sheet.paintCell(1, scheme, [&](QPainter& p) { painter.paint(p, scheme); });
    return sheet;
}

} // namespace

ArtCatalogue ArtCatalogue::draw() {
    using namespace layout;
    ArtCatalogue art;
    art.character = drawCharacter();

    const ItemPainter items;
    art.objects = MaskedSheet(kSchemeCount, kObjectFrames, kObjectCell, kObjectCell);
    art.bananas = MaskedSheet(kSchemeCount, 1, kBananaCell, kBananaCell);
    const LiftPainter lift;
    art.lifts = MaskedSheet(kSchemeCount, kLiftFrames, kLiftCellWidth, kLiftCellHeight);
    for (int scheme = 1; scheme <= kSchemeCount; ++scheme) {
        for (int frame = 1; frame <= kObjectFrames; ++frame)
            art.objects.paintCell(scheme, frame,
                                  [&](QPainter& p) { items.paintCrystal(p, scheme, frame); });
        art.bananas.paintCell(scheme, 1, [&](QPainter& p) { items.paintBanana(p, scheme); });
        for (int frame = 1; frame <= kLiftFrames; ++frame)
            art.lifts.paintCell(scheme, frame,
                                [&](QPainter& p) { lift.paintLift(p, scheme, frame); });
    }
    art.platforms = drawSchemeRows(kPlatformWidth, kPlatformHeight, PlatformPainter());
    art.grounds = drawSchemeRows(kGroundWidth, kGroundHeight, GroundPainter());
    art.walls = drawSchemeRows(kWallWidth, kWallHeight, WallPainter());
    art.backRope = MaskedSheet(1, 1, kLiftCellWidth, kBackRopeHeight);
    art.backRope.paintCell(1, 1, [&](QPainter& p) { lift.paintBackRope(p); });
    art.frontRope = MaskedSheet(1, 1, kLiftCellWidth, kFrontRopeHeight);
    art.frontRope.paintCell(1, 1, [&](QPainter& p) { lift.paintFrontRope(p); });
    art.pauseSign = MaskedSheet(1, 1, kPauseWidth, kPauseHeight);
    art.pauseSign.paintCell(
        1, 1, [&](QPainter& p) { items.paintPauseSign(p, QSize(kPauseWidth, kPauseHeight)); });

    const BackgroundPainter backgrounds;
    for (int scheme = 1; scheme <= kSchemeCount; ++scheme)
        art.backgrounds[scheme - 1] = backgrounds.paint(scheme);
    const EmblemPainter emblems;
    art.darkness = emblems.darkness();
    art.authorPicture = emblems.authorPicture(backgrounds);
    art.recordPanelStrip = emblems.recordPanelStrip();
    art.windowIcon = emblems.windowIcon();
    return art;
}

} // namespace artgen
