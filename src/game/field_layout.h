#pragma once

#include <array>

// Where things stand in the field and how large their pictures are, in pixels. x values of
// things in the field are world x; y values are window y.
namespace vorlin::layout {

// Sprite cells: the size of one cell of each sheet.
constexpr int kCharacterWidth = 96;
constexpr int kCharacterHeight = 78;
constexpr int kObjectSize = 25;
constexpr int kBananaSize = 56;
constexpr int kLiftWidth = 118;
constexpr int kLiftHeight = 83;
constexpr int kPlatformWidth = 720;
constexpr int kPlatformHeight = 30;
constexpr int kGroundWidth = 720;
constexpr int kGroundHeight = 60;
constexpr int kWallWidth = 59;
constexpr int kWallHeight = 80;
constexpr int kBackRopeWidth = 118;
constexpr int kBackRopeHeight = 180;
constexpr int kFrontRopeWidth = 118;
constexpr int kFrontRopeHeight = 671;

// The play field above the status row.
constexpr int kFieldWidth = 640;
constexpr int kFieldHeight = 460;

// The fixed pieces.
constexpr int kPlatformX = 199;
constexpr std::array<int, 3> kPlatformYs = {100, 200, 300};
constexpr int kGroundX = 199;
constexpr int kGroundY = 400;
constexpr int kWallX = 530;
constexpr int kWallY = 330;

// The lifts: the right one runs 800 pixels right of the left one; the ropes hang above them.
constexpr int kLeftLiftX = 100;
constexpr int kRightLiftOffset = 800;
constexpr int kBackRopeRise = 172;
constexpr int kFrontRopeRise = 644;
constexpr int kSchemeWithRopes = 2;
// Vertical drawing offset of the lift picture, by scheme 1..6 (entry 0 unused).
constexpr std::array<int, 7> kLiftDrawOffset = {0, 0, 0, -5, -15, 0, -15};

// The character: its feet are 71 pixels below the top of its frame; standing on the ground its
// top is at 329. The four levels are the feet lines 100, 200, 300 and 400.
constexpr int kFeetOffset = 71;
constexpr int kGroundTop = kGroundY - kFeetOffset;
constexpr std::array<int, 4> kLevelFeetLines = {100, 200, 300, 400};
// The centre of the character's frame (used by the darkness square).
constexpr int kCharacterCentreX = 48;
constexpr int kCharacterCentreY = 36;

// Scrolling: the view follows a character off the ground with its x in 250..750.
constexpr int kScrollFrom = 250;
constexpr int kScrollTo = 750;

// Horizontal limits of the character's x.
constexpr int kLeftLimitAtLift = 100;
constexpr int kRightLimitAtLift = 930;
constexpr int kLeftLimit = 200;
constexpr int kRightLimit = 830;
// The wall on the ground: coming from the left the character stops at 420, from the right at 630.
constexpr int kWallStopLeft = 420;
constexpr int kWallReachLeft = 450;
constexpr int kWallReachRight = 580;
constexpr int kWallStopRight = 630;
// Leaving and boarding the lifts.
constexpr int kLeftLiftExit = 130;
constexpr int kFieldMiddle = 550;
constexpr int kRightLiftExit = 900;

// Where the pause sign is drawn, in window pixels.
constexpr int kPauseSignX = 282;
constexpr int kPauseSignY = 228;

// The darkness square of the transitions: its clamps.
constexpr int kDarknessFarEdge = -200;
constexpr int kDarknessMaxWidth = 840;
constexpr int kDarknessMaxHeight = 660;

} // namespace vorlin::layout
