#include "game.h"

#include "field_layout.h"
#include "play_rules.h"

namespace vorlin {

Game::Game(GameWindow& window, const SpriteSheets& sheets) : window_(window), sheets_(sheets) {}

void Game::sheetsLoaded() {
    canvas_.forgetSheets();
    for (const SpritePair* sheet : sheets_.all())
        canvas_.prepareSheet(*sheet);
}

void Game::setGameStartValues() {
    GameState& s = state;
    s.OggettiPresi = 0;
    s.OggettiPersi = 0;
    s.PosizioneUltimoRecord = 1;
    s.SenzaEvidenziazione = 1;
    s.EnergiaAttuale = rules::kEnergyAtStart;
    s.SpostamentoCopia = 0;
    s.VorlinSullaElica = 0;

    s.BananaVolante1X = rules::kParked;
    s.BananaVolante1Y = rules::kParked;
    s.BananaVolante2X = rules::kParked;
    s.BananaVolante2Y = rules::kParked;
    s.NumeroSchema = 1;
    s.RigaPiano = 1;
    s.RigaPavimento = 1;
    s.RigaMuro = 1;
    s.CaricheObiettivo = rules::kChargesPerScheme;
    s.ColonnaQuarzo = 1;
    s.ColonnaBanana = 1;
    s.ColonnaBananaVolante1 = 1;
    s.ColonnaBananaVolante2 = 1;
    s.CarichePrese = 0;

    s.ValoreCarica = s.EnergiaIniziale - rules::kChargeBonusBelowStart;
    s.EnergiaBase = s.EnergiaIniziale;

    s.FotogrammaElica = 1;
    s.ElicheX[1] = layout::kLeftLiftX;
    s.ElicheY[1] = rules::kLiftRest;

    s.ContatoreSosta = 1;
    s.FotogrammaCamminata = 1;
    s.DirezioneVorlin = rules::kFacingRight;
    s.PosizioneXVorlin = rules::kStartX;
    s.PosizioneYVorlin = layout::kGroundTop;
    s.QuarziPresiElica = 0;
    s.QuarziPersiBanana = 0;
    s.ScorrimentoX = 0;

    for (int i = 1; i <= rules::kObjectCount; ++i) {
        s.QuarziY[i] = rules::kStartObjectY[i];
        if (i > rules::kFirstRandomObjects) s.QuarziX[i] = 0;
        s.FotogrammiQuarzi[i] = rules::kStartObjectFrame[i];
    }

    s.PavimentoX = layout::kGroundX;
}

void Game::runRandomTimerTicks(std::uint64_t ticks) {
    if (ticks == 0) return;
    // Every tick draws four objects' x, a banana's level and its x.
    constexpr std::uint64_t kDrawsPerTick = rules::kFirstRandomObjects + 2;
    random.skip((ticks - 1) * kDrawsPerTick);
    TimerNumeriCasuali_Timer();
}

void Game::TimerNumeriCasuali_Timer() {
    for (int i = 1; i <= rules::kFirstRandomObjects; ++i) {
        state.QuarziX[i] = random.between(rules::kObjectMinX, rules::kObjectMaxX);
        state.QuarziY[i] = rules::kStartObjectY[i];
    }
    state.PianoBananaCasuale = random.between(rules::kBananaMinLevel, rules::kBananaMaxLevel);
    state.XBananaCasuale = random.between(rules::kBananaMinX, rules::kBananaMaxX);
}

} // namespace vorlin
