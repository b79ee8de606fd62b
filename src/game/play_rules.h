#pragma once

#include <array>

// The numbers of the rules of play: speeds, counts, distances and the values of a new game.
namespace vorlin::rules {

// Walking.
constexpr int kWalkStep = 6;
constexpr int kGroundTurnShift = 40; // a turn on the ground keeps the body in place
constexpr int kWalkFrames = 8;
constexpr int kStandCycle = 20;
constexpr int kStandRowAt = 1; // the counter value that shows the first standing row
constexpr int kStandRow = 9;
constexpr int kStandRowLaterAt = 5;
constexpr int kStandRowLater = 10;
constexpr int kFacingRight = 1;
constexpr int kFacingLeft = 2;

// The lifts: where they go after each of the first catches, and their shuttle.
constexpr int kLiftStep = 10;
constexpr int kLiftRest = 200;
constexpr int kLiftAfterFirstCatch = 100;
constexpr int kLiftAfterSecondCatch = 300;
constexpr int kLiftBelowField = 500;
constexpr int kLiftAboveField = -100;
constexpr int kCatchesToBoard = 4;
constexpr int kLiftFrames = 3;

// The eight falling objects.
constexpr int kObjectCount = 8;
constexpr int kObjectFrames = 8;
constexpr std::array<int, 9> kFallSpeed = {0, 2, 4, 8, 12, 2, 4, 8, 12}; // entries 1..8
constexpr int kLostBelow = 400;
constexpr int kLostRestartY = -50;
constexpr int kCaughtRestartY = 0;
constexpr int kObjectMinX = 100;
constexpr int kObjectMaxX = 1000;
// An object is caught when its centre is within 47 pixels of the character's body.
constexpr int kObjectCentre = 14;
constexpr int kObjectCentreY = 13;
constexpr int kBodyX = 36;
constexpr int kBodyY = 46;
constexpr int kObjectCatchRadiusSquared = 47 * 47;

// The banana (the charge) and the flying bananas that carry a caught one away.
constexpr int kLossesPerBanana = 10;
constexpr int kBananaMinLevel = 1;
constexpr int kBananaMaxLevel = 4;
constexpr int kBananaMinX = 200;
constexpr int kBananaMaxX = 800;
constexpr int kBananaLevelSpacing = 100;
constexpr int kBananaAboveLevel = 50;
constexpr int kBananaReachX = 16;
constexpr int kBananaReachY = 21;
constexpr int kBananaCatchRadiusSquared = 30 * 30;
constexpr int kFlyingBananaStep = 10;
constexpr int kFlyingBananaGoneAt = -200;
constexpr int kFlyingSlotFreeAbove = -50;
constexpr int kParked = -100;

// Energy and the scheme quota.
constexpr int kChargeBonusBelowStart = 10;
constexpr int kChargeBonusFloor = 2;
constexpr int kChargesPerScheme = 5;
constexpr int kEnergyAtStart = 1;
constexpr int kStartingEnergyBassa = 70; // the difficulty selected when the window opens
constexpr int kPointsPerCharge = 1000;   // a result's points: charges x 1000 + objects caught

// A new game.
constexpr int kStartX = 300;
constexpr std::array<int, 9> kStartObjectY = {0, 0, -66, -133, -200, 0, 0, 0, 0};
constexpr std::array<int, 9> kStartObjectFrame = {0, 1, 2, 3, 4, 1, 2, 3, 4};
constexpr int kFirstRandomObjects = 4; // objects 1-4 keep their x; 5-8 start at 0

// Keys, as virtual-key codes.
constexpr int kKeyEscape = 27;
constexpr int kKeyLeft = 37;
constexpr int kKeyRight = 39;
constexpr int kKeyP = 80;

} // namespace vorlin::rules
