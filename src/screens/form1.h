#pragma once

#include "controls.h"
#include "form_timer.h"
#include "game/game.h"
#include "records/record_store.h"

#include <QString>
#include <QWidget>

#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>

namespace vorlin {

// The name box's text until the player types a name.
inline constexpr const char* kNamePlaceholder =
    QT_TRANSLATE_NOOP("Controls", "Inserire il nome del giocatore");

class DesktopWindow;
class SoundThread;
class RecordPanel;
class ScreenMode;

struct FormOptions {
    std::filesystem::path programFolder;        // holds dati/ and, when writable, the records
    std::filesystem::path fallbackRecordFolder; // records when the program folder is read-only
    VirtualClock* clock = nullptr;              // null: real timers
    bool playSounds = true;
    bool realScreenModes = true; // false: never touch the screen mode (replays, widget tests)
    // The installed game never keeps records in its program folder.
    RecordFolderRule recordFolderRule = RecordFolderRule::ProgramFolderWhenWritable;
};

// The game's one window: every control, every timer, and the handlers that run the game
// between them. The rules of play live in Game; this class carries out what they ask of the
// window and what the player does with the controls.
class Form1 : public QWidget, private GameWindow {
    Q_OBJECT
  public:
    explicit Form1(FormOptions options);
    ~Form1() override;

    // The load handler. False when a picture cannot be loaded; loadError() then names the file.
    bool Form_Load();
    const QString& loadError() const { return loadError_; }

    const Controls& controls() const { return controls_; }
    Controls& controls() { return controls_; }
    Game& game() { return game_; }
    FormTimer& timer(const std::string& name) const;
    const std::vector<std::unique_ptr<FormTimer>>& timers() const { return timers_; }
    // Brings the timers that fire only when asked (the random timer) up to now, and runs the
    // beats of the batched timers that fell due: before a key, a click or another timer is
    // handled, and before the game's values are read from outside.
    void catchUpTimers();
    // Shows the window on the desktop, where the player can grow it and the picture scales.
    void showOnDesktop();
    // The window that shows the form on the desktop; null for a form of its own.
    DesktopWindow* desktopWindow() const;
    // Shows the status captions the game changed since the last display refresh.
    void showNewestCaptions();
    // True once the game has ended the program (Esc outside play, "Esci").
    bool programEnded() const { return programEnded_; }
    // The desktop asks the program to end (a termination signal): a finished game whose result
    // is not in the record table yet is stored first, then the program ends as "Esci" does.
    void endProgramOnRequest();
    // From now on SIGINT, SIGTERM, SIGHUP and SIGQUIT end the program through endProgramOnRequest,
    // from the event loop. False when the signals cannot be watched (they then end it at once).
    bool endOnTerminationSignals();
    // Clicks a control as a person would: nothing happens when it is hidden or disabled.
    bool clickControl(const std::string& name);

    // Keys and the start panel.
    void Form_KeyDown(int keyCode);
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void HScroll1_Change();
    void HScroll2_Change();
    void PulsanteStart_Click();
    void NuovoGioco_Click();

    // The menu buttons, the button bar and its panels.
    void Command2MenuInizio_Click();
    void Command2menu_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void EsciEsci_Click();
    void Riso1_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void IndirizzoPosta_();
    void IndirizzoSito_();

    // Scheme transitions and the end of a game.
    void IntervalloSchemiApertura_Timer();
    void IntervalloSchemiframe5_Timer();
    void IntervalloSchemiChiusura_Timer();
    void NuovoSchemaParte2_();
    void TitoloSchema_();
    void MascheraFineGioco_();
    void Riquadri_();

    // The record panel's table.
    void ScritturaRecordParte1_();
    void VScroll1_Change();
    void R_Click();

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // A click into the name box while it shows the placeholder: the whole placeholder is
    // selected. True when the event is used up.
    bool selectPlaceholderOnClick(QObject* watched, QEvent* event);
    // GameWindow
    void playSound(Sound sound) override;
    void setStatusNumber(StatusLabel label, int number) override;
    void switchTimer(GameTimer timer, bool on) override;
    bool timerOn(GameTimer timer) const override;
    bool panelVisible(Panel panel) const override;
    void showMenuBar() override;
    void endGame() override;
    void quitProgram() override;
    const SpritePair* reloadPauseSign() override;
    void presentFrame() override;
    // When the game draws its next frame: a tick from now while the animation runs.
    std::optional<int> nextFrameInMs() const;

    void createTimers();
    void connectHandlers();
    bool loadPictures();
    void selectDifficulty(int option);
    void showEmptyCounters();
    // One frame of a transition: the field with the darkness square, on screen.
    void paintTransitionFrame();
    void changeSpeed(const std::string& changed, const std::string& other);
    void togglePanel(const std::string& own, std::initializer_list<const char*> others);
    void openLink(const QString& address);
    // Ends the program at once: the screen mode is put back first, no further handler runs.
    void endProgram();
    // Inserts the result of the game that has just ended, once: from the farewell's end, or
    // earlier when the program is asked to end during the farewell.
    void storeFinishedResult();

    FormOptions options_;
    SpriteSheets sheets_;
    Game game_;
    Controls controls_;
    BeatBatches beatBatches_;
    std::vector<std::unique_ptr<FormTimer>> timers_;
    std::map<std::string, FormTimer*> timerByName_;
    std::array<Picture, 7> backgrounds_; // schemes 1..6
    SpritePair pauseSign_;
    std::array<std::string, 5> soundPaths_;
    std::unique_ptr<SoundThread> soundPlayer_;
    std::unique_ptr<RecordPanel> recordPanel_;
    std::unique_ptr<ScreenMode> screenMode_;
    std::map<std::string, std::function<void()>> clickHandlers_;
    std::set<std::string> captionsToShow_;
    QString loadError_;
    bool programEnded_ = false;
    // From the tick that ends a game until its result goes into the record table.
    bool resultToStore_ = false;
};

} // namespace vorlin
