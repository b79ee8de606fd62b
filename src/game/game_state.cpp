#include "game_state.h"

namespace vorlin {

namespace {

template <std::size_t N>
void visitTable(const char* name, const std::array<int, N>& table,
                const std::function<void(const std::string&, int)>& visit) {
    for (std::size_t i = 0; i < N; ++i)
        visit(std::string(name) + "(" + std::to_string(i) + ")", table[i]);
}

} // namespace

void forEachField(const GameState& s,
                  const std::function<void(const std::string& name, int value)>& visit) {
#define VORLIN_FIELD(f) visit(#f, static_cast<int>(s.f))
    VORLIN_FIELD(PosizioneXVorlin);
    VORLIN_FIELD(PosizioneYVorlin);
    VORLIN_FIELD(DirezioneVorlin);
    VORLIN_FIELD(RigaSpriteVorlin);
    VORLIN_FIELD(FotogrammaCamminata);
    VORLIN_FIELD(ContatoreSosta);
    VORLIN_FIELD(RichiestaDestra);
    VORLIN_FIELD(RichiestaSinistra);
    VORLIN_FIELD(VorlinSullaElica);
    VORLIN_FIELD(ScorrimentoX);
    visitTable("ElicheX", s.ElicheX, visit);
    visitTable("ElicheY", s.ElicheY, visit);
    VORLIN_FIELD(DestinazioneElicaY);
    VORLIN_FIELD(PassoElicaY);
    VORLIN_FIELD(FotogrammaElica);
    VORLIN_FIELD(ScartoYElica);
    VORLIN_FIELD(QuarziPresiElica);
    visitTable("QuarziX", s.QuarziX, visit);
    visitTable("QuarziY", s.QuarziY, visit);
    visitTable("FotogrammiQuarzi", s.FotogrammiQuarzi, visit);
    VORLIN_FIELD(BananaX);
    VORLIN_FIELD(BananaY);
    VORLIN_FIELD(PianoBananaCasuale);
    VORLIN_FIELD(XBananaCasuale);
    VORLIN_FIELD(BananaVolante1X);
    VORLIN_FIELD(BananaVolante1Y);
    VORLIN_FIELD(BananaVolante2X);
    VORLIN_FIELD(BananaVolante2Y);
    VORLIN_FIELD(ColonnaBananaVolante1);
    VORLIN_FIELD(ColonnaBananaVolante2);
    VORLIN_FIELD(OggettiPresi);
    VORLIN_FIELD(OggettiPersi);
    VORLIN_FIELD(QuarziPersiBanana);
    VORLIN_FIELD(CarichePrese);
    VORLIN_FIELD(CaricheObiettivo);
    VORLIN_FIELD(EnergiaIniziale);
    VORLIN_FIELD(EnergiaBase);
    VORLIN_FIELD(ValoreCarica);
    VORLIN_FIELD(EnergiaAttuale);
    VORLIN_FIELD(NumeroSchema);
    VORLIN_FIELD(ColonnaBanana);
    VORLIN_FIELD(ColonnaQuarzo);
    VORLIN_FIELD(RigaPiano);
    VORLIN_FIELD(RigaPavimento);
    VORLIN_FIELD(RigaMuro);
    VORLIN_FIELD(PavimentoX);
    VORLIN_FIELD(PausaAttiva);
    VORLIN_FIELD(TransizioneInCorso);
    VORLIN_FIELD(AmpiezzaTransizione);
    VORLIN_FIELD(PartitaFinita);
    VORLIN_FIELD(PosizioneUltimoRecord);
    VORLIN_FIELD(SenzaEvidenziazione);
    VORLIN_FIELD(BuioX);
    VORLIN_FIELD(BuioY);
    VORLIN_FIELD(BuioLarghezza);
    VORLIN_FIELD(BuioAltezza);
    VORLIN_FIELD(BuioSorgenteX);
    VORLIN_FIELD(BuioSorgenteY);
    VORLIN_FIELD(SpostamentoCopia);
    VORLIN_FIELD(PianoY);
    VORLIN_FIELD(IndiceQuarzo);
#undef VORLIN_FIELD
}

} // namespace vorlin
