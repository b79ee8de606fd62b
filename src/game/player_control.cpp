#include "field_layout.h"
#include "game.h"
#include "play_rules.h"

namespace vorlin {

void Game::Form_KeyDown(int keyCode) {
    // Play stops for a passed scheme or the game over a few milliseconds before the first
    // darkening frame marks the transition as running; the keys are already dead in that gap,
    // or Esc would quit before the result is saved and P would restart play under the darkness.
    if (state.TransizioneInCorso == 1 || window_.timerOn(GameTimer::IntervalloSchemiApertura))
        return;
    switch (keyCode) {
    case rules::kKeyP:
        if (!window_.panelVisible(Panel::Frame1) && !window_.panelVisible(Panel::Frame4)) Pausa_();
        break;
    case rules::kKeyLeft:
        state.RichiestaSinistra = 1;
        break;
    case rules::kKeyRight:
        state.RichiestaDestra = 1;
        break;
    case rules::kKeyEscape:
        if (window_.timerOn(GameTimer::TimerAnimazione)) {
            window_.showMenuBar();
            window_.switchTimer(GameTimer::TimerAnimazione, false);
        } else {
            window_.quitProgram();
        }
        break;
    default:
        break;
    }
}

void Game::VersoDestra_() {
    GameState& s = state;
    if (s.DirezioneVorlin == rules::kFacingRight) {
        s.PosizioneXVorlin += rules::kWalkStep;
    } else if (s.DirezioneVorlin == rules::kFacingLeft) {
        // On the ground the body stays in place while the frame turns round it.
        if (s.PosizioneYVorlin == layout::kGroundTop) s.PosizioneXVorlin -= rules::kGroundTurnShift;
        s.DirezioneVorlin = rules::kFacingRight;
    }
    advanceWalkFrame();
}

void Game::VersoSinistra_() {
    GameState& s = state;
    if (s.DirezioneVorlin == rules::kFacingLeft) {
        s.PosizioneXVorlin -= rules::kWalkStep;
    } else if (s.DirezioneVorlin == rules::kFacingRight) {
        if (s.PosizioneYVorlin == layout::kGroundTop) s.PosizioneXVorlin += rules::kGroundTurnShift;
        s.DirezioneVorlin = rules::kFacingLeft;
    }
    advanceWalkFrame();
}

void Game::advanceWalkFrame() {
    ++state.FotogrammaCamminata;
    if (state.FotogrammaCamminata == rules::kWalkFrames + 1) state.FotogrammaCamminata = 1;
    state.RigaSpriteVorlin = state.FotogrammaCamminata;
}

void Game::Pausa_() {
    // The sign is read afresh at every pause; without it the game still pauses and resumes.
    if (const SpritePair* sign = window_.reloadPauseSign())
        canvas_.drawPicture(*sign, 0, 0, sign->mask.width, sign->mask.height, layout::kPauseSignX,
                            layout::kPauseSignY);
    if (!window_.timerOn(GameTimer::TimerAnimazione)) {
        window_.switchTimer(GameTimer::TimerAnimazione, true);
        state.PausaAttiva = 0;
    } else {
        window_.switchTimer(GameTimer::TimerAnimazione, false);
        state.PausaAttiva = 1;
    }
    window_.presentFrame();
}

} // namespace vorlin
