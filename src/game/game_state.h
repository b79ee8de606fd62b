#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace vorlin {

// Every field of a game, under the names the whole program uses. Flags are 0 and 1, positions
// are pixels; a position of (-100, -100) means parked or absent. Every field starts at 0 with the
// window; the load handler and the start button give the next values.
struct GameState {
    // The creature.
    int PosizioneXVorlin = 0;          // world x of the left edge of its 96 x 78 frame
    std::int16_t PosizioneYVorlin = 0; // window y of the top of its frame
    int DirezioneVorlin = 0;           // 1 facing right, 2 facing left
    int RigaSpriteVorlin = 0;          // sheet row 1..10 (1-8 walk, 9-10 stand)
    int FotogrammaCamminata = 0;       // walk-cycle counter 1..8
    int ContatoreSosta = 0;            // standing-animation counter 1..20
    int RichiestaDestra = 0;           // a Right press waits for the next tick
    int RichiestaSinistra = 0;         // a Left press waits for the next tick
    int VorlinSullaElica = 0;          // rides a lift

    int ScorrimentoX = 0; // world x shown at the window's left edge

    // The lifts: only entry 1 of each table is used.
    std::array<int, 11> ElicheX{};
    std::array<int, 11> ElicheY{};
    int DestinazioneElicaY = 0;
    int PassoElicaY = 0;
    int FotogrammaElica = 0;
    int ScartoYElica = 0;
    int QuarziPresiElica = 0;

    // The eight small falling objects, entries 1..8.
    std::array<int, 9> QuarziX{};
    std::array<int, 9> QuarziY{};
    std::array<int, 9> FotogrammiQuarzi{};

    // The banana and the two flying bananas.
    int BananaX = 0;
    int BananaY = 0;
    int PianoBananaCasuale = 0;
    int XBananaCasuale = 0;
    int BananaVolante1X = 0;
    int BananaVolante1Y = 0;
    int BananaVolante2X = 0;
    int BananaVolante2Y = 0;
    int ColonnaBananaVolante1 = 0;
    int ColonnaBananaVolante2 = 0;

    // Score and energy.
    int OggettiPresi = 0;
    int OggettiPersi = 0;
    int QuarziPersiBanana = 0;
    int CarichePrese = 0;
    int CaricheObiettivo = 0;
    int EnergiaIniziale = 0;
    int EnergiaBase = 0;
    int ValoreCarica = 0;
    int EnergiaAttuale = 0;

    // The scheme and its look.
    int NumeroSchema = 0;
    int ColonnaBanana = 0;
    int ColonnaQuarzo = 0;
    int RigaPiano = 0;
    int RigaPavimento = 0;
    int RigaMuro = 0;
    int PavimentoX = 0;

    // Flow.
    int PausaAttiva = 0;
    int TransizioneInCorso = 0;
    int AmpiezzaTransizione = 0;
    int PartitaFinita = 0;
    int PosizioneUltimoRecord = 0;
    int SenzaEvidenziazione = 0;

    // The darkness square of the last transition frame.
    int BuioX = 0;
    int BuioY = 0;
    int BuioLarghezza = 0;
    int BuioAltezza = 0;
    int BuioSorgenteX = 0;
    int BuioSorgenteY = 0;

    // Loop counters of the drawing passes; they carry nothing from one frame to the next.
    int SpostamentoCopia = 0;
    int PianoY = 0;
    int IndiceQuarzo = 0;
};

// Visits every whole-number field as (name, value); table entries are named like
// "QuarziX(3)". Used by the replay dump.
void forEachField(const GameState& state,
                  const std::function<void(const std::string& name, int value)>& visit);

} // namespace vorlin
