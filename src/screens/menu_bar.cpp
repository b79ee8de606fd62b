#include "form1.h"

#include "screen_mode.h"

#include <QDesktopServices>
#include <QLineEdit>
#include <QUrl>

namespace vorlin {

namespace {

const QString kMailAddress = QStringLiteral("vorlin@example.org");
const QString kWebAddress = QStringLiteral("https://vorlin.example.org/");

} // namespace

void Form1::Command2MenuInizio_Click() {
    controls_.hide("Frame7");
    if (!controls_.visible("Frame4")) {
        controls_.show("Frame4");
        controls_.hide("Frame1");
    } else {
        for (const char* panel : {"Frame4", "Frame6", "Frame3", "Frame2"})
            controls_.hide(panel);
        controls_.show("Frame1");
        // Back on the start panel: typing goes to the name box again.
        QLineEdit* nameBox = controls_.textBox("NomeGiocatore");
        nameBox->setFocus();
        nameBox->selectAll();
    }
    controls_.enable("Command1", false); // there is no game to resume
}

void Form1::Command2menu_Click() {
    GameState& s = game_.state;
    // Play stops for a passed scheme or the game over a few milliseconds before the first
    // darkening frame disables this button; a click in that gap would start play again under the
    // darkness, so from that tick on the button does nothing, as the keys do.
    if (s.TransizioneInCorso == 1 || timer("IntervalloSchemiApertura").enabled()) return;
    FormTimer& animation = timer("TimerAnimazione");
    controls_.hide("Frame7");
    // A game paused with P counts as running: the click opens the bar and it stays stopped.
    if (s.PausaAttiva == 1) {
        s.PausaAttiva = 0;
        animation.setEnabled(true);
    }
    if (animation.enabled()) {
        controls_.show("Frame4");
        animation.setEnabled(false);
    } else {
        controls_.hide("Frame4");
        animation.setEnabled(true);
        for (const char* panel : {"Frame3", "Frame6", "Frame2"})
            controls_.hide(panel);
    }
}

void Form1::Command1_Click() {
    for (const char* panel : {"Frame7", "Frame4", "Frame3", "Frame6", "Frame2"})
        controls_.hide(panel);
    timer("TimerAnimazione").setEnabled(true);
}

void Form1::togglePanel(const std::string& own, std::initializer_list<const char*> others) {
    controls_.show(own, !controls_.visible(own));
    for (const char* panel : others)
        controls_.hide(panel);
}

void Form1::Command2_Click() {
    togglePanel("Frame3", {"Frame2", "Frame6", "Frame7"});
}
void Form1::Command3_Click() {
    togglePanel("Frame6", {"Frame2", "Frame3", "Frame7"});
}
void Form1::Command4_Click() {
    togglePanel("Frame7", {"Frame2", "Frame3", "Frame6"});
}

void Form1::Command5_Click() {
    togglePanel("Frame2", {"Frame6", "Frame3", "Frame7"});
    ScritturaRecordParte1_();
}

void Form1::EsciEsci_Click() {
    endProgram();
}

void Form1::Riso1_Click() {
    screenMode_->Riso3_();
}

void Form1::Timer1_Timer() {
    // Empties the name box three seconds after start-up, but only while it still shows the
    // placeholder: a name typed by a quick player is kept.
    if (controls_.caption("NomeGiocatore") == translatedCaption(kNamePlaceholder))
        controls_.setCaption("NomeGiocatore", QString());
    timer("Timer1").setEnabled(false);
}

void Form1::Timer2_Timer() {
    timer("Timer2").setEnabled(false);
    controls_.hide("PictureTitoloSchema");
}

void Form1::IndirizzoPosta_() {
    openLink(QStringLiteral("mailto:") + kMailAddress);
}
void Form1::IndirizzoSito_() {
    openLink(kWebAddress);
}

void Form1::openLink(const QString& address) {
    // A desktop without a mail program or browser: nothing is shown, as the player expects of
    // a link that cannot open.
    QDesktopServices::openUrl(QUrl(address));
}

} // namespace vorlin
