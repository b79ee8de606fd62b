// What the window shows of the frame: only the changed parts are taken over at a refresh, and
// scaled by nearest neighbour; the screen must always end up exactly as a full redraw.

#include "game/scaled_frame.h"
#include "game/shown_frame.h"

#include <gtest/gtest.h>

#include <random>

namespace vorlin {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

// A frame of distinct pixels, so that any misplaced copy shows.
Picture patternedFrame() {
    Picture frame(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            frame.row(y)[x] = 0xFF000000u | static_cast<std::uint32_t>(y * kWidth + x);
    return frame;
}

void paint(Picture& frame, const PixelRect& area, std::uint32_t colour) {
    for (int y = area.y; y < area.bottom(); ++y)
        for (int x = area.x; x < area.right(); ++x)
            frame.row(y)[x] = colour;
}

struct ChangeCase {
    const char* what;
    std::vector<PixelRect> painted;
    std::vector<PixelRect> reported;
};

class ShownFrameChanges : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(ShownFrameChanges, ReportsTheChangedBandsAndTakesThemOver) {
    Picture frame = patternedFrame();
    ShownFrame shown;
    ASSERT_EQ(shown.takeChanges(frame), (std::vector<PixelRect>{{0, 0, kWidth, kHeight}}));
    for (const PixelRect& area : GetParam().painted)
        paint(frame, area, 0xFF123456u);
    EXPECT_EQ(shown.takeChanges(frame), GetParam().reported);
    EXPECT_EQ(shown.picture().pixels, frame.pixels);
    EXPECT_TRUE(shown.takeChanges(frame).empty()) << "nothing changed since";
}

INSTANTIATE_TEST_SUITE_P(
    Edits, ShownFrameChanges,
    ::testing::Values(ChangeCase{"nothing", {}, {}},
                      ChangeCase{"one pixel", {{100, 20, 1, 1}}, {{100, 20, 1, 1}}},
                      ChangeCase{"two objects in one row of tiles",
                                 {{10, 3, 4, 2}, {600, 1, 5, 2}},
                                 {{10, 3, 4, 2}, {600, 1, 5, 2}}},
                      ChangeCase{"a sprite across tiles", {{50, 30, 40, 30}}, {{50, 30, 40, 30}}},
                      ChangeCase{"two objects in one run of tiles",
                                 {{40, 12, 3, 3}, {80, 33, 2, 2}},
                                 {{40, 12, 3, 3}, {80, 33, 2, 2}}},
                      ChangeCase{"one run of tiles down several rows",
                                 {{40, 12, 3, 3}, {50, 25, 2, 2}},
                                 {{40, 12, 12, 15}}},
                      ChangeCase{"runs of other columns in touching rows",
                                 {{0, 9, 5, 1}, {0, 10, 40, 1}},
                                 {{0, 9, 5, 1}, {0, 10, 40, 1}}},
                      ChangeCase{"the field's last row leaves the status row alone",
                                 {{0, 459, 640, 1}},
                                 {{0, 459, 640, 1}}},
                      ChangeCase{"the last pixel", {{639, 479, 1, 1}}, {{639, 479, 1, 1}}},
                      ChangeCase{
                          "the whole frame", {{0, 0, kWidth, kHeight}}, {{0, 0, kWidth, kHeight}}}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });

struct FitCase {
    int areaWidth, areaHeight;
    PixelRect fitted;
};

class PictureFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(PictureFit, LargestFourByThreeCentredWithWholeFactorsWhenClose) {
    const FitCase& c = GetParam();
    EXPECT_EQ(fittedArea(c.areaWidth, c.areaHeight, kWidth, kHeight), c.fitted);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, PictureFit,
    ::testing::Values(FitCase{640, 480, {0, 0, 640, 480}},      // as it opens
                      FitCase{1280, 960, {0, 0, 1280, 960}},    // twice
                      FitCase{1300, 1000, {10, 20, 1280, 960}}, // just over twice: twice
                      FitCase{1600, 1200, {0, 0, 1600, 1200}},  // two and a half
                      FitCase{1920, 1080, {240, 0, 1440, 1080}},
                      FitCase{3840, 2160, {480, 0, 2880, 2160}},
                      FitCase{1024, 768, {0, 0, 1024, 768}},
                      FitCase{320, 240, {0, 0, 320, 240}}, // smaller than the game
                      FitCase{0, 480, {}}));

// Every screen pixel shows the frame pixel it falls in.
void expectNearestNeighbour(const Picture& frame, const Picture& screen) {
    for (int y = 0; y < screen.height; ++y) {
        const int fy =
            static_cast<int>(static_cast<std::int64_t>(y) * frame.height / screen.height);
        for (int x = 0; x < screen.width; ++x) {
            const int fx =
                static_cast<int>(static_cast<std::int64_t>(x) * frame.width / screen.width);
            ASSERT_EQ(screen.at(x, y), frame.at(fx, fy)) << "screen pixel " << x << "," << y;
        }
    }
}

class ScaledRefresh : public ::testing::TestWithParam<std::pair<int, int>> {};

// Random sprites come and go over a hundred refreshes; after each, the screen updated only where
// the shown frame reported changes equals the frame scaled whole.
TEST_P(ScaledRefresh, ChangedPartsAloneKeepTheScreenExact) {
    const auto [width, height] = GetParam();
    std::mt19937 random(7);
    Picture frame = patternedFrame();
    ShownFrame shown;
    ScaledFrame screen;
    screen.resize(width, height);
    for (int refresh = 0; refresh < 100; ++refresh) {
        for (int sprite = random() % 6; sprite > 0; --sprite) {
            const int w = 1 + static_cast<int>(random() % 120);
            const int h = 1 + static_cast<int>(random() % 90);
            const int x = static_cast<int>(random() % (kWidth - w + 1));
            const int y = static_cast<int>(random() % (kHeight - h + 1));
            paint(frame, {x, y, w, h}, 0xFF000000u | static_cast<std::uint32_t>(random()));
        }
        for (const PixelRect& change : shown.takeChanges(frame))
            screen.update(shown.picture(), change);
        expectNearestNeighbour(frame, screen.picture());
        if (HasFatalFailure()) return;
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ScaledRefresh,
                         ::testing::Values(std::pair{640, 480}, std::pair{1280, 960},
                                           std::pair{1600, 1200}, std::pair{1440, 1080},
                                           std::pair{700, 525}, std::pair{320, 240}));

TEST(ScaledFrame, AWholeFactorMakesEqualBlocks) {
    const Picture frame = patternedFrame();
    ScaledFrame screen;
    screen.resize(3 * kWidth, 3 * kHeight);
    screen.update(frame, {0, 0, kWidth, kHeight});
    EXPECT_EQ(screen.screenArea(kWidth, kHeight, {5, 7, 2, 1}), (PixelRect{15, 21, 6, 3}));
    for (int y = 21; y < 24; ++y)
        for (int x = 15; x < 18; ++x)
            EXPECT_EQ(screen.picture().at(x, y), frame.at(5, 7));
}

} // namespace
} // namespace vorlin
