#include "form1.h"

#include "assets/data_files.h"
#include "assets/embedded_pictures.h"
#include "assets/picture_loader.h"
#include "game/play_rules.h"
#include "record_panel.h"
#include "screen_mode.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

namespace vorlin {

namespace {

// The sprite pictures of the field and the holders they go to, in the order they are loaded.
struct HolderFile {
    const char* holder;
    SpritePair SpriteSheets::*sheet;
    Picture SpritePair::*part;
};

constexpr HolderFile kHolderFiles[] = {
    {"BaseNera", &SpriteSheets::platform, &SpritePair::mask},
    {"BaseColo", &SpriteSheets::platform, &SpritePair::colour},
    {"picMascheraO", &SpriteSheets::ground, &SpritePair::mask},
    {"picSpriteO", &SpriteSheets::ground, &SpritePair::colour},
    {"picMascheraM", &SpriteSheets::wall, &SpritePair::mask},
    {"picSpriteM", &SpriteSheets::wall, &SpritePair::colour},
    {"picMascheraBa", &SpriteSheets::banana, &SpritePair::mask},
    {"picSpriteBa", &SpriteSheets::banana, &SpritePair::colour},
    {"picMascheraW", &SpriteSheets::objects, &SpritePair::mask},
    {"picSpriteW", &SpriteSheets::objects, &SpritePair::colour},
    {"picMascheraA", &SpriteSheets::lift, &SpritePair::mask},
    {"picSpriteA", &SpriteSheets::lift, &SpritePair::colour},
    {"picMascheraCoDa", &SpriteSheets::frontRope, &SpritePair::mask},
    {"picSpriteCoDa", &SpriteSheets::frontRope, &SpritePair::colour},
    {"picMascheraCoDi", &SpriteSheets::backRope, &SpritePair::mask},
    {"picSpriteCoDi", &SpriteSheets::backRope, &SpritePair::colour},
    {"picMascheraN", &SpriteSheets::darkness, &SpritePair::mask},
    {"picSpriteN", &SpriteSheets::darkness, &SpritePair::colour},
};

} // namespace

bool Form1::Form_Load() {
    GameState& s = game_.state;
    // No walk request, transition or finished game yet; nothing to highlight in the records.
    s.RichiestaDestra = s.RichiestaSinistra = 0;
    s.PartitaFinita = s.AmpiezzaTransizione = s.TransizioneInCorso = 0;
    s.EnergiaAttuale = s.PosizioneUltimoRecord = s.SenzaEvidenziazione = 1;
    // Where the records are kept, and a record file there.
    recordPanel_->VerificaEsistenzaFileRecordOSuaCreazionePulito_(
        options_.programFolder, options_.fallbackRecordFolder, options_.recordFolderRule);
    // The difficulty selected at start ("Bassa"), no banana in the field, empty counters.
    s.EnergiaIniziale = rules::kStartingEnergyBassa;
    s.BananaX = s.BananaY = rules::kParked;
    controls_.setCaption("BananePrese", QString());
    s.OggettiPresi = s.OggettiPersi = 0;
    // Key preview: the window sees every key press before the control that has the focus.
    qApp->installEventFilter(this);
    // The pictures: a missing one stops the start-up before any game can begin.
    if (!loadPictures()) {
        for (auto& timer : timers_)
            timer->setEnabled(false);
        return false;
    }
    game_.sheetsLoaded();
    // The sound paths; the files are not opened here.
    for (std::size_t i = 0; i < kSoundFiles.size(); ++i)
        soundPaths_[i] = dataPath(options_.programFolder, kSoundFiles[i]).string();
    // The screen mode found at start-up, kept for the way back.
    screenMode_->noteStartupMode();
    // The start panel waits for a name: what the player types goes to the name box, and the
    // first letter replaces the placeholder.
    QLineEdit* nameBox = controls_.textBox("NomeGiocatore");
    nameBox->setFocus();
    nameBox->selectAll();
    return true;
}

bool Form1::loadPictures() {
    auto load = [this](const std::string& file, Picture& into) {
        LoadedPicture loaded = loadPicture(dataPath(options_.programFolder, file));
        if (!loaded) {
            loadError_ = loaded.error;
            return false;
        }
        into = std::move(*loaded.picture);
        return true;
    };
    // Every scheme's background and the pause sign are read now, so that a missing one is
    // reported before a game starts rather than ending a game that runs.
    for (int scheme = 1; scheme <= 6; ++scheme)
        if (!load(backgroundFileName(scheme), backgrounds_[scheme])) return false;
    game_.setBackground(backgrounds_[1]);
    game_.clearFrame();

    for (const HolderFile& entry : kHolderFiles) {
        Picture& picture = sheets_.*entry.sheet.*entry.part;
        if (!load(controls_.design(entry.holder).pictureFile, picture)) return false;
        controls_.widget(entry.holder)->resize(picture.width, picture.height);
    }
    if (!load(kPauseMaskFile, pauseSign_.mask) || !load(kPauseColourFile, pauseSign_.colour))
        return false;
    if (!samePictureSize(pauseSign_)) {
        loadError_ = tr("Immagine non valida: %1 e %2 hanno misure diverse")
                         .arg(QLatin1String(kPauseMaskFile), QLatin1String(kPauseColourFile));
        return false;
    }
    controls_.widget("PausaN")->resize(pauseSign_.mask.width, pauseSign_.mask.height);
    controls_.widget("PausaC")->resize(pauseSign_.colour.width, pauseSign_.colour.height);

    sheets_.character = embeddedCharacterSheet();
    for (const char* holder : {"picSpriteS", "picMascheraS"})
        controls_.widget(holder)->resize(sheets_.character.colour.width,
                                         sheets_.character.colour.height);
    controls_.label("Image1")->setPixmap(QPixmap::fromImage(embeddedAuthorPicture()));
    controls_.label("Image2")->setPixmap(QPixmap::fromImage(embeddedRecordPanelPicture()));
    return true;
}

} // namespace vorlin
