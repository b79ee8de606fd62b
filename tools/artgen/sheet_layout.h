#pragma once

// Cell sizes and grid of every sheet the game cuts, and where the field places its pieces.
namespace artgen::layout {

constexpr int kSchemeCount = 6;

constexpr int kCharacterCellWidth = 96;
constexpr int kCharacterCellHeight = 78;
constexpr int kCharacterColumns = 2; // 1 faces right, 2 faces left
constexpr int kCharacterRows = 10;   // 1-8 walking, 9-10 standing
constexpr int kWalkFrames = 8;
constexpr int kBlinkRow = 9;
constexpr int kStandRow = 10;

constexpr int kObjectCell = 25;
constexpr int kObjectFrames = 8;
constexpr int kBananaCell = 56;
constexpr int kLiftCellWidth = 118;
constexpr int kLiftCellHeight = 83;
constexpr int kLiftFrames = 3;
constexpr int kPlatformWidth = 720;
constexpr int kPlatformHeight = 30;
constexpr int kGroundWidth = 720;
constexpr int kGroundHeight = 60;
constexpr int kWallWidth = 59;
constexpr int kWallHeight = 80;
constexpr int kBackRopeHeight = 180;
constexpr int kFrontRopeHeight = 671;

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;
constexpr int kFieldHeight = 460;

// The field as the game composes it, in world x and window y.
constexpr int kPlatformX = 199;
constexpr int kPlatformYs[] = {100, 200, 300};
constexpr int kGroundY = 400;
constexpr int kWallX = 530;
constexpr int kWallY = 330;
constexpr int kLeftLiftX = 100;
constexpr int kRightLiftOffset = 800;
constexpr int kFeetBelowFrameTop = 71;
constexpr int kBackRopeAboveLift = 172;
constexpr int kFrontRopeAboveLift = 644;
constexpr int kRopeScheme = 2;
// Vertical drawing offset of the lift picture from the lift's y, by scheme.
constexpr int kLiftDrawOffset[kSchemeCount] = {0, 0, -5, -15, 0, -15};
constexpr int kPauseX = 282;
constexpr int kPauseY = 228;

} // namespace artgen::layout
