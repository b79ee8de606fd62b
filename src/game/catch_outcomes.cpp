#include "game.h"
#include "play_rules.h"

#include <string>

namespace vorlin {

void Game::updateEnergy() {
    state.EnergiaAttuale = state.OggettiPresi - state.OggettiPersi + state.EnergiaBase;
    window_.setStatusNumber(StatusLabel::Pt, state.EnergiaAttuale);
}

void Game::ModificaVariabiliScontroVorlinQuarzi_() {
    window_.playSound(Sound::PresaQuarzo);
    ++state.QuarziPresiElica;
    ++state.OggettiPresi;
    window_.setStatusNumber(StatusLabel::nPresiTotale, state.OggettiPresi);
    updateEnergy();
}

void Game::ModificaVariabiliScontroVorlinBanana_() {
    GameState& s = state;
    // The caught banana flies away; a second one caught while the first is still in the field
    // takes the second slot, whatever that one is doing.
    if (s.BananaVolante1Y < rules::kFlyingSlotFreeAbove) {
        s.BananaVolante1X = s.BananaX;
        s.BananaVolante1Y = s.BananaY;
        s.ColonnaBananaVolante1 = s.ColonnaBanana;
    } else {
        s.BananaVolante2X = s.BananaX;
        s.BananaVolante2Y = s.BananaY;
        s.ColonnaBananaVolante2 = s.ColonnaBanana;
    }
    s.BananaY = rules::kParked;
    s.BananaX = rules::kParked;

    ++s.CarichePrese;
    s.EnergiaBase += s.ValoreCarica;
    s.EnergiaAttuale = s.OggettiPresi - s.OggettiPersi + s.EnergiaBase;
    --s.ValoreCarica;
    if (s.ValoreCarica <= rules::kChargeBonusFloor) s.ValoreCarica = rules::kChargeBonusFloor;
    window_.setStatusNumber(StatusLabel::Pt, s.EnergiaAttuale);

    // The charge count is shown as plain digits, and the quota is tested on that text.
    const std::string chargesCaption = std::to_string(s.CarichePrese);
    window_.setStatusNumber(StatusLabel::BananePrese, s.CarichePrese);
    if (chargesCaption == std::to_string(s.CaricheObiettivo)) {
        window_.playSound(Sound::SchemaSuperato);
        window_.switchTimer(GameTimer::TimerAnimazione, false);
        window_.switchTimer(GameTimer::IntervalloSchemiApertura, true);
    } else {
        window_.playSound(Sound::Carica);
    }
}

void Game::FarComparireBanana_() {
    GameState& s = state;
    s.PianoBananaCasuale = random.between(rules::kBananaMinLevel, rules::kBananaMaxLevel);
    s.XBananaCasuale = random.between(rules::kBananaMinX, rules::kBananaMaxX);
    s.BananaX = s.XBananaCasuale;
    // The banana stands on its level: 50, 150, 250 or 350.
    s.BananaY = s.PianoBananaCasuale * rules::kBananaLevelSpacing - rules::kBananaAboveLevel;
    window_.playSound(Sound::ComparsaBanana);
}

} // namespace vorlin
