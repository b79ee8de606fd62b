#include "form1.h"

#include "assets/data_files.h"
#include "assets/embedded_pictures.h"
#include "assets/picture_loader.h"
#include "desktop/desktop_window.h"
#include "desktop/sound_thread.h"
#include "game/captions.h"
#include "game/play_rules.h"
#include "painted_controls.h"
#include "record_panel.h"
#include "screen_mode.h"

#include "display/termination_pipe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSocketNotifier>

namespace vorlin {

namespace {

const char* const kCaption = QT_TRANSLATE_NOOP(
    "vorlin::Form1", "Vorlin     Ver. 4.01  per Windows 95, 98, ME, 2000, XP, Vista");

// The virtual-key code of the keys the game answers; every other key gives 0 and does nothing.
int virtualKeyCode(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Left:
        return rules::kKeyLeft;
    case Qt::Key_Right:
        return rules::kKeyRight;
    case Qt::Key_Escape:
        return rules::kKeyEscape;
    case Qt::Key_P:
        return rules::kKeyP;
    default:
        return 0;
    }
}

const char* timerName(GameTimer timer) {
    return timer == GameTimer::TimerAnimazione ? "TimerAnimazione" : "IntervalloSchemiApertura";
}

const char* statusLabelName(StatusLabel label) {
    switch (label) {
    case StatusLabel::Pt:
        return "Pt";
    case StatusLabel::nPresiTotale:
        return "nPresiTotale";
    case StatusLabel::nPersiTotale:
        return "nPersiTotale";
    case StatusLabel::BananePrese:
        return "BananePrese";
    }
    return "";
}

// The literal a status label shows before its number; the charge count shows plain digits.
const char* statusLiteral(StatusLabel label) {
    switch (label) {
    case StatusLabel::Pt:
        return QT_TRANSLATE_NOOP("vorlin::Form1", "Energia ");
    case StatusLabel::nPresiTotale:
        return QT_TRANSLATE_NOOP("vorlin::Form1", "Oggetti presi ");
    case StatusLabel::nPersiTotale:
        return QT_TRANSLATE_NOOP("vorlin::Form1", "Oggetti persi ");
    case StatusLabel::BananePrese:
        break;
    }
    return nullptr;
}

} // namespace

Form1::Form1(FormOptions options)
    : options_(std::move(options)), sheets_{}, game_(*this, sheets_),
      controls_(this, controlInventory()) {
    setWindowTitle(tr(kCaption));
    setFixedSize(Game::kFrameWidth, Game::kFrameHeight);
    setWindowIcon(embeddedWindowIcon());
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (options_.playSounds) soundPlayer_ = std::make_unique<SoundThread>();
    recordPanel_ = std::make_unique<RecordPanel>(controls_, game_.state);
    screenMode_ = std::make_unique<ScreenMode>(*this, controls_, game_.frame(),
                                               options_.realScreenModes, [this] {
                                                   showNewestCaptions();
                                                   return game_.takeFrameWrites();
                                               });
    createTimers();
    connectHandlers();
    // The window closed by the desktop during the farewell ends the program too: the finished
    // game's result is stored first.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { storeFinishedResult(); });
}

Form1::~Form1() {
    if (qApp) qApp->removeEventFilter(this);
}

void Form1::createTimers() {
    const std::map<std::string, std::function<void()>> handlers = {
        {"Timer2", [this] { Timer2_Timer(); }},
        {"IntervalloSchemiframe5", [this] { IntervalloSchemiframe5_Timer(); }},
        {"IntervalloSchemiChiusura", [this] { IntervalloSchemiChiusura_Timer(); }},
        {"IntervalloSchemiApertura", [this] { IntervalloSchemiApertura_Timer(); }},
        {"Timer1", [this] { Timer1_Timer(); }},
        {"TimerAnimazione", [this] { game_.TimerAnimazione_Timer(); }},
    };
    for (const ControlSpec& design : controlInventory()) {
        if (design.kind != ControlKind::Timer) continue;
        if (design.name == std::string("TimerNumeriCasuali")) {
            // The random timer only moves the random source on, as often as every millisecond
            // before the first game: rather than waking the program for it, its ticks are run
            // together whenever anything may read what they drew.
            timers_.push_back(FormTimer::catchingUp(
                design.name, design.interval, !design.disabled,
                [this](std::uint64_t ticks) { game_.runRandomTimerTicks(ticks); }, options_.clock));
        } else {
            const std::function<void()>& handler = handlers.at(design.name);
            timers_.push_back(std::make_unique<FormTimer>(
                design.name, design.interval, !design.disabled,
                [this, handler] {
                    catchUpTimers();
                    handler();
                },
                options_.clock, &beatBatches_));
        }
        timerByName_[design.name] = timers_.back().get();
    }
}

void Form1::catchUpTimers() {
    for (auto& timer : timers_)
        timer->catchUp();
    beatBatches_.runDue();
}

void Form1::connectHandlers() {
    clickHandlers_ = {
        {"Option1", [this] { Option1_Click(); }},
        {"Option2", [this] { Option2_Click(); }},
        {"Option3", [this] { Option3_Click(); }},
        {"Option4", [this] { Option4_Click(); }},
        {"PulsanteStart", [this] { PulsanteStart_Click(); }},
        {"NuovoGioco", [this] { NuovoGioco_Click(); }},
        {"Command2MenuInizio", [this] { Command2MenuInizio_Click(); }},
        {"Command2menu", [this] { Command2menu_Click(); }},
        {"Command1", [this] { Command1_Click(); }},
        {"Command2", [this] { Command2_Click(); }},
        {"Command3", [this] { Command3_Click(); }},
        {"Command4", [this] { Command4_Click(); }},
        {"Command5", [this] { Command5_Click(); }},
        {"EsciEsci", [this] { EsciEsci_Click(); }},
        {"Riso1", [this] { Riso1_Click(); }},
        {"R", [this] { R_Click(); }},
        {"Label10", [this] { IndirizzoPosta_(); }},
        {"Label23", [this] { IndirizzoPosta_(); }},
        {"Label24", [this] { IndirizzoSito_(); }},
        {"Label25", [this] { IndirizzoSito_(); }},
    };
    for (auto& [name, handler] : clickHandlers_) {
        // A click comes after the beats that fell due before it.
        handler = [this, handler = std::move(handler)] {
            catchUpTimers();
            handler();
        };
        QWidget* w = controls_.widget(name);
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            connect(button, &QAbstractButton::clicked, this, handler);
        else if (auto* link = qobject_cast<ClickableLabel*>(w))
            connect(link, &ClickableLabel::clicked, this, handler);
    }
    // Enter in the name box starts the game as a click on "Start" does, refusing an empty name
    // the same way.
    connect(controls_.textBox("NomeGiocatore"), &QLineEdit::returnPressed, this,
            [this] { clickControl("PulsanteStart"); });
    using Change = void (Form1::*)();
    const std::pair<const char*, Change> barChanges[] = {{"HScroll1", &Form1::HScroll1_Change},
                                                         {"HScroll2", &Form1::HScroll2_Change},
                                                         {"VScroll1", &Form1::VScroll1_Change}};
    for (const auto& [bar, change] : barChanges)
        connect(controls_.scrollBar(bar), &QScrollBar::valueChanged, this, [this, change] {
            catchUpTimers();
            (this->*change)();
        });
}

FormTimer& Form1::timer(const std::string& name) const {
    return *timerByName_.at(name);
}

bool Form1::clickControl(const std::string& name) {
    QWidget* w = controls_.widget(name);
    if (!w->isVisibleTo(this) || !w->isEnabledTo(this)) return false;
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->click();
        return true;
    }
    auto handler = clickHandlers_.find(name);
    if (handler == clickHandlers_.end()) return false;
    handler->second();
    return true;
}

void Form1::showOnDesktop() {
    screenMode_->showOnDesktop();
    // The player sees the game at the display's refreshes: timers much quicker than that run
    // their beats in batches, one batch a refresh.
    if (const DesktopWindow* desktop = screenMode_->desktopWindow())
        beatBatches_.setRefreshInterval(desktop->refreshIntervalMs());
}

DesktopWindow* Form1::desktopWindow() const {
    return screenMode_->desktopWindow();
}

void Form1::paintEvent(QPaintEvent*) {
    // On the desktop, the desktop window draws the field beneath the controls.
    if (screenMode_->desktopWindow()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(0, 0, Game::kFrameWidth, Game::kFrameHeight), asImage(game_.frame()));
}

bool Form1::selectPlaceholderOnClick(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    QLineEdit* nameBox = controls_.textBox("NomeGiocatore");
    if (watched != nameBox || nameBox->text() != QLatin1String(kNamePlaceholder)) return false;
    if (type == QEvent::MouseMove) {
        // A drag would shrink the selection again.
        return static_cast<QMouseEvent*>(event)->buttons() != Qt::NoButton;
    }
    if (type == QEvent::MouseButtonRelease) {
        // The release of a press used up here (a middle button's would paste into the middle).
        return true;
    }
    // As the focus does: the first letter typed replaces the placeholder instead of going into
    // its middle, where Timer1 would keep it as part of the name.
    nameBox->setFocus(Qt::MouseFocusReason);
    nameBox->selectAll();
    return true;
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (selectPlaceholderOnClick(watched, event)) return true;
    // Key preview: the window sees each key press before the control that has the focus,
    // once, at its first delivery (a key the control ignores travels on to its parents).
    // On the desktop the keys reach the desktop window that holds the form first.
    if (event->type() == QEvent::KeyPress && !programEnded_) {
        QWidget* focus = QApplication::focusWidget();
        QWidget* first = focus ? focus : this;
        const QWidget* top = first->window();
        if (watched == first && (top == this || top == screenMode_->desktopWindow()))
            Form_KeyDown(virtualKeyCode(*static_cast<QKeyEvent*>(event)));
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::endProgram() {
    screenMode_->restoreBeforeExit();
    programEnded_ = true;
    for (auto& timer : timers_)
        timer->setEnabled(false);
    QCoreApplication::exit(0);
}

void Form1::endProgramOnRequest() {
    if (programEnded_) return;
    storeFinishedResult();
    endProgram();
}

bool Form1::endOnTerminationSignals() {
    const int terminationFd = installTerminationPipe();
    if (terminationFd < 0) return false;
    auto* notifier = new QSocketNotifier(terminationFd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this, terminationFd] {
        readTerminationSignal(terminationFd);
        endProgramOnRequest();
    });
    return true;
}

void Form1::Form_KeyDown(int keyCode) {
    catchUpTimers();
    game_.Form_KeyDown(keyCode);
}

void Form1::ScritturaRecordParte1_() {
    recordPanel_->ScritturaRecordParte1_();
}
void Form1::VScroll1_Change() {
    recordPanel_->VScroll1_Change();
}
void Form1::R_Click() {
    ScritturaRecordParte1_();
}

// --- What the rules of play ask of the window ---

void Form1::playSound(Sound sound) {
    if (soundPlayer_) soundPlayer_->play(soundPaths_[static_cast<std::size_t>(sound)]);
}

// On the desktop the status row changes with the field, at the next display refresh; what the
// game reads back from a caption is the newest at once.
void Form1::setStatusNumber(StatusLabel label, int number) {
    const char* name = statusLabelName(label);
    const char* literal = statusLiteral(label);
    const std::string caption =
        literal ? numberCaption(tr(literal).toStdString(), number) : std::to_string(number);
    if (DesktopWindow* desktop = screenMode_->desktopWindow()) {
        controls_.setCaptionShownLater(name, QString::fromStdString(caption));
        captionsToShow_.insert(name);
        desktop->frameChanged(nextFrameInMs());
    } else {
        controls_.setCaption(name, QString::fromStdString(caption));
    }
}

void Form1::showNewestCaptions() {
    for (const std::string& name : captionsToShow_)
        controls_.showCaption(name);
    captionsToShow_.clear();
}

void Form1::switchTimer(GameTimer which, bool on) {
    timer(timerName(which)).setEnabled(on);
}

bool Form1::timerOn(GameTimer which) const {
    return timer(timerName(which)).enabled();
}

bool Form1::panelVisible(Panel panel) const {
    return controls_.visible(panel == Panel::Frame1 ? "Frame1" : "Frame4");
}

void Form1::showMenuBar() {
    controls_.show("Frame4");
}

void Form1::endGame() {
    MascheraFineGioco_();
}

void Form1::quitProgram() {
    endProgram();
}

const SpritePair* Form1::reloadPauseSign() {
    LoadedPicture mask = loadPicture(dataPath(options_.programFolder, kPauseMaskFile));
    LoadedPicture colour = loadPicture(dataPath(options_.programFolder, kPauseColourFile));
    if (!mask || !colour) return nullptr;
    SpritePair sign{std::move(*mask.picture), std::move(*colour.picture)};
    // The sign is one rectangle: a colour picture that does not fit its mask is not drawn.
    if (!samePictureSize(sign)) return nullptr;
    pauseSign_ = std::move(sign);
    return &pauseSign_;
}

// On the desktop the newest frame is shown at the next display refresh, however many ticks
// drew one since the last; a form of its own (tests, replays) shows every frame.
void Form1::presentFrame() {
    if (DesktopWindow* desktop = screenMode_->desktopWindow())
        desktop->frameChanged(nextFrameInMs());
    else
        update();
}

std::optional<int> Form1::nextFrameInMs() const {
    const FormTimer& animation = timer("TimerAnimazione");
    if (!animation.enabled()) return std::nullopt;
    return animation.wakeIntervalMs();
}

} // namespace vorlin
