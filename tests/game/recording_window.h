#pragma once

#include "game/game_window.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vorlin::test {

// A window that records what the game asks of it and lets a test set what the game sees.
class RecordingWindow : public GameWindow {
  public:
    void playSound(Sound sound) override { sounds.push_back(sound); }
    void setStatusNumber(StatusLabel label, int number) override { numbers[label] = number; }
    void switchTimer(GameTimer timer, bool on) override {
        timers[timer] = on;
        switches.push_back({timer, on});
    }
    bool timerOn(GameTimer timer) const override {
        const auto found = timers.find(timer);
        return found != timers.end() && found->second;
    }
    bool panelVisible(Panel panel) const override {
        const auto found = panels.find(panel);
        return found != panels.end() && found->second;
    }
    void showMenuBar() override {
        ++menuBarShown;
        panels[Panel::Frame4] = true;
    }
    void endGame() override { ++gamesEnded; }
    void quitProgram() override { ++quits; }
    const SpritePair* reloadPauseSign() override {
        ++pauseSignLoads;
        return pauseSign ? &*pauseSign : nullptr;
    }
    void presentFrame() override { ++framesPresented; }

    // The number a status label was last given; empty when it was never written.
    std::optional<int> number(StatusLabel label) const {
        const auto found = numbers.find(label);
        return found == numbers.end() ? std::nullopt : std::optional<int>(found->second);
    }
    int soundCount(Sound sound) const {
        int count = 0;
        for (Sound s : sounds)
            count += s == sound;
        return count;
    }

    struct TimerSwitch {
        GameTimer timer;
        bool on;
        bool operator==(const TimerSwitch&) const = default;
    };

    std::vector<Sound> sounds;
    std::map<StatusLabel, int> numbers;
    std::map<GameTimer, bool> timers;
    std::vector<TimerSwitch> switches;
    std::map<Panel, bool> panels;
    std::optional<SpritePair> pauseSign; // what the pause-sign files hold; empty when missing
    int menuBarShown = 0;
    int gamesEnded = 0;
    int quits = 0;
    int pauseSignLoads = 0;
    int framesPresented = 0;
};

} // namespace vorlin::test
