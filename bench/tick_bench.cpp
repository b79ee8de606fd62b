// One tick of the game against a plain copy of one frame and against the same draws done with
// QPainter raster operations. Prints the two ratios of the medians at the end.
#include "synthetic_field.h"

#include "game/field_layout.h"
#include "game/game.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace vorlin::bench {
namespace {

constexpr int kRepetitions = 15;

// A field in scheme 2 with every sprite in view: the character on the middle platform, the
// lifts shuttling with their ropes, a banana, both flying bananas and eight objects.
GameState busyField(Game& game) {
    game.state.EnergiaIniziale = 70;
    game.setGameStartValues();
    GameState s = game.state;
    s.NumeroSchema = s.ColonnaBanana = s.ColonnaQuarzo = 2;
    s.RigaPiano = s.RigaPavimento = s.RigaMuro = 2;
    s.QuarziPresiElica = s.OggettiPresi = 5;
    s.ElicheY[1] = 200;
    s.PosizioneXVorlin = 300;
    s.PosizioneYVorlin = 129;
    s.RigaSpriteVorlin = 3;
    s.BananaX = 600;
    s.BananaY = 250;
    s.BananaVolante1X = 420;
    s.BananaVolante1Y = 160;
    s.BananaVolante2X = 520;
    s.BananaVolante2Y = 300;
    for (int i = 1; i <= 8; ++i) {
        s.QuarziX[i] = 100 + 70 * i;
        s.QuarziY[i] = i % 2 ? 40 : 330;
    }
    return s;
}

struct Draw {
    const SpritePair* sheet;
    int sx, sy, w, h, dx, dy;
};

// The 23 masked draws a tick of busyField() makes, in its order, in window coordinates.
std::vector<Draw> tickDrawList(const GameState& s, const SpriteSheets& sheets) {
    using namespace layout;
    const int view = s.ScorrimentoX;
    const int lift = s.ElicheY[1];
    std::vector<Draw> draws;
    for (int copy : {0, kRightLiftOffset})
        draws.push_back({&sheets.backRope, 0, 0, kBackRopeWidth, kBackRopeHeight,
                         s.ElicheX[1] + copy - view, lift - kBackRopeRise});
    const int liftSx = (s.NumeroSchema - 1) * kLiftWidth;
    const int liftSy = (s.FotogrammaElica - 1) * kLiftHeight;
    draws.push_back({&sheets.lift, liftSx, liftSy, kLiftWidth, kLiftHeight,
                     s.ElicheX[1] + kRightLiftOffset - view, lift});
    for (int y : kPlatformYs)
        draws.push_back({&sheets.platform, 0, (s.RigaPiano - 1) * kPlatformHeight, kPlatformWidth,
                         kPlatformHeight, kPlatformX - view, y});
    draws.push_back({&sheets.ground, 0, (s.RigaPavimento - 1) * kGroundHeight, kGroundWidth,
                     kGroundHeight, s.PavimentoX - view, kGroundY});
    draws.push_back({&sheets.wall, 0, (s.RigaMuro - 1) * kWallHeight, kWallWidth, kWallHeight,
                     kWallX - view, kWallY});
    draws.push_back(
        {&sheets.lift, liftSx, liftSy, kLiftWidth, kLiftHeight, s.ElicheX[1] - view, lift});
    const int bananaSx = (s.ColonnaBanana - 1) * kBananaSize;
    for (auto [x, y] : {std::pair{s.BananaX, s.BananaY},
                        {s.BananaVolante1X, s.BananaVolante1Y},
                        {s.BananaVolante2X, s.BananaVolante2Y}})
        draws.push_back({&sheets.banana, bananaSx, 0, kBananaSize, kBananaSize, x - view, y});
    draws.push_back({&sheets.character, (s.DirezioneVorlin - 1) * kCharacterWidth,
                     (s.RigaSpriteVorlin - 1) * kCharacterHeight, kCharacterWidth, kCharacterHeight,
                     s.PosizioneXVorlin - view, s.PosizioneYVorlin});
    for (int copy : {0, kRightLiftOffset})
        draws.push_back({&sheets.frontRope, 0, 0, kFrontRopeWidth, kFrontRopeHeight,
                         s.ElicheX[1] + copy - view, lift - kFrontRopeRise});
    for (int i = 1; i <= 8; ++i)
        draws.push_back({&sheets.objects, (s.ColonnaQuarzo - 1) * kObjectSize,
                         (s.FotogrammiQuarzi[i] - 1) * kObjectSize, kObjectSize, kObjectSize,
                         s.QuarziX[i] - view, s.QuarziY[i]});
    return draws;
}

QImage wrap(const Picture& picture) {
    return QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                  picture.height, picture.width * 4, QImage::Format_RGB32);
}

void BM_Tick(benchmark::State& run) {
    const SpriteSheets sheets = makeSyntheticSheets();
    SilentWindow window;
    Game game(window, sheets);
    game.sheetsLoaded(); // as the window does once the pictures are in
    game.setBackground(makeSyntheticBackground());
    const GameState start = busyField(game);
    const RandomSource random = game.random;
    for (auto _ : run) {
        game.state = start;
        game.random = random;
        game.TimerAnimazione_Timer();
        benchmark::DoNotOptimize(game.frame().pixels.data());
    }
}

void BM_FrameCopy(benchmark::State& run) {
    const Picture source = makeSyntheticBackground();
    Picture frame(640, 480);
    for (auto _ : run) {
        std::memcpy(frame.pixels.data(), source.pixels.data(), frame.pixels.size() * 4);
        benchmark::DoNotOptimize(frame.pixels.data());
        benchmark::ClobberMemory();
    }
}

void BM_QPainterTick(benchmark::State& run) {
    const SpriteSheets sheets = makeSyntheticSheets();
    SilentWindow window;
    Game game(window, sheets);
    game.state = busyField(game);
    game.TimerAnimazione_Timer(); // the state the list is taken from: view and lifts as drawn
    const std::vector<Draw> draws = tickDrawList(game.state, sheets);
    std::map<const Picture*, QImage> images;
    for (const Draw& d : draws) {
        images.emplace(&d.sheet->mask, wrap(d.sheet->mask));
        images.emplace(&d.sheet->colour, wrap(d.sheet->colour));
    }
    const Picture backgroundPicture = makeSyntheticBackground();
    const QImage background = wrap(backgroundPicture);
    QImage frame(640, 480, QImage::Format_RGB32);
    for (auto _ : run) {
        QPainter painter(&frame);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, background);
        for (const Draw& d : draws) {
            painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
            painter.drawImage(d.dx, d.dy, images.at(&d.sheet->mask), d.sx, d.sy, d.w, d.h);
            painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
            painter.drawImage(d.dx, d.dy, images.at(&d.sheet->colour), d.sx, d.sy, d.w, d.h);
        }
        painter.end();
        benchmark::DoNotOptimize(frame.constBits());
    }
}

BENCHMARK(BM_Tick)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
BENCHMARK(BM_FrameCopy)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
BENCHMARK(BM_QPainterTick)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);

// Shows the runs as a plain table and keeps the median time of each benchmark. No colours: the
// table's colour codes would spill onto the start of the ratio lines printed after it and into
// any log the output is saved to.
class MedianKeeper : public benchmark::ConsoleReporter {
  public:
    MedianKeeper() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median")
                medians[r.run_name.function_name] = r.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> medians;
};

} // namespace
} // namespace vorlin::bench

int main(int argc, char** argv) {
    using vorlin::bench::MedianKeeper;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    MedianKeeper reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto& m = reporter.medians;
    if (!m.contains("BM_Tick") || !m.contains("BM_FrameCopy") || !m.contains("BM_QPainterTick")) {
        std::fprintf(stderr, "the ratios need all three benchmarks\n");
        return m.empty() ? 1 : 0;
    }
    std::printf("tick/frame-copy ratio: %.2f\n", m.at("BM_Tick") / m.at("BM_FrameCopy"));
    std::printf("qpainter/tick ratio: %.2f\n", m.at("BM_QPainterTick") / m.at("BM_Tick"));
    return 0;
}
