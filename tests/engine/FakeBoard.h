#pragma once

#include "RaceBoard.h"
#include "RaceController.h"
#include "RandomSource.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace plovari::fakes {

/// A board with no window: keeps what a window would show and logs every step in order,
/// e.g. "dice 0 4", "marker 1 HighImageStop", "draw 2", "timer off", "caption Restart".
class FakeBoard final : public RaceBoard {
public:
    /// Set this to run mode-button handlers on SelectMode, as the window does.
    RaceController* Controller = nullptr;

    std::vector<std::string> Log;
    std::array<std::string, MaxPlayers> ScoreTexts{"Text1", "Text1", "Text1",
                                                   "Text1", "Text1", "Text1"};
    std::array<std::int16_t, MaxPlayers> DiceFaces{};
    std::array<std::optional<MarkerPicture>, MaxPlayers> Markers{};
    std::array<std::optional<Mode>, MaxPlayers> Selected{};
    std::array<bool, 11> Checks{};
    bool TimerEnabled = true;
    int TimerInterval = 50;
    bool ContinueEnabled = false;
    Caption Shown = Caption::Design;

    void SetScoreText(Slot slot, const std::string& text) override {
        ScoreTexts.at(Index(slot)) = text;
        Record("score " + std::to_string(slot) + " '" + text + "'");
    }
    void ShowDiceFace(Slot slot, std::int16_t die) override {
        DiceFaces.at(Index(slot)) = die;
        Record("dice " + std::to_string(slot) + " " + std::to_string(die));
    }
    void ShowMarkerPicture(Slot slot, MarkerPicture picture) override {
        Markers.at(Index(slot)) = picture;
        Record("marker " + std::to_string(slot) + " " + Name(picture));
    }
    bool IsModeSelected(Slot slot, Mode mode) const override {
        return Selected.at(Index(slot)) == mode;
    }
    void SelectMode(Slot slot, Mode mode) override {
        Record("select " + std::to_string(slot) + " " + Name(mode));
        Selected.at(Index(slot)) = mode;
        if (Controller != nullptr) {
            Controller->ModeButton_Click(slot, mode);
        }
    }
    void DrawPlayer(Slot slot) override { Record("draw " + std::to_string(slot)); }
    void VisiblePlayers() override { Record("visible"); }
    void SetTimerEnabled(bool enabled) override {
        TimerEnabled = enabled;
        Record(enabled ? "timer on" : "timer off");
    }
    void SetTimerInterval(int milliseconds) override {
        TimerInterval = milliseconds;
        Record("interval " + std::to_string(milliseconds));
    }
    void SetContinueEnabled(bool enabled) override {
        ContinueEnabled = enabled;
        Record(enabled ? "continue on" : "continue off");
    }
    void SetContinueCaption(Caption caption) override {
        Shown = caption;
        Record("caption " + Name(caption));
    }
    Caption ContinueCaption() const override { return Shown; }
    void FocusKeyCatcher() override { Record("focus"); }
    void SetChecked(MenuItem item, bool checked) override {
        Checks.at(static_cast<std::size_t>(item)) = checked;
        Record("check " + Name(item) + (checked ? " on" : " off"));
    }
    bool IsChecked(MenuItem item) const override {
        return Checks.at(static_cast<std::size_t>(item));
    }

    /// The logged steps that start with one of the prefixes, in order.
    std::vector<std::string> Steps(std::initializer_list<std::string> prefixes) const {
        std::vector<std::string> kept;
        for (const std::string& step : Log) {
            for (const std::string& prefix : prefixes) {
                if (step.rfind(prefix, 0) == 0) {
                    kept.push_back(step);
                    break;
                }
            }
        }
        return kept;
    }
    void Record(std::string step) { Log.push_back(std::move(step)); }

    static std::string Name(MarkerPicture picture) { return std::string(NameOf(picture)); }
    static std::string Name(Mode mode) { return std::string(NameOf(mode)); }
    static std::string Name(Caption caption) {
        static const char* const names[] = {"Design", "Start", "Continue", "Restart"};
        return names[static_cast<int>(caption)];
    }
    static std::string Name(MenuItem item) {
        static const char* const names[] = {
            "StepByStep",  "Slow",       "Fast",      "TwoPlayers", "ThreePlayers", "FourPlayers",
            "FivePlayers", "SixPlayers", "Finish200", "Finish500",  "Finish1000"};
        return names[static_cast<int>(item)];
    }

private:
    static std::size_t Index(Slot slot) { return static_cast<std::size_t>(slot); }
};

/// Rolls the dice it is given, in order, and logs every draw to a board's log if asked to.
class ScriptedDice final : public RandomSource {
public:
    explicit ScriptedDice(std::vector<std::int16_t> dice = {}, FakeBoard* log = nullptr)
        : Dice(std::move(dice))
        , LogTo(log) {}

    /// The number in the middle of the die's sixth of [0, 1).
    static float NumberFor(std::int16_t die) { return (static_cast<float>(die) - 0.5f) / 6.0f; }

    void Script(std::vector<std::int16_t> dice) {
        Dice = std::move(dice);
        Position = 0;
    }
    float Next() override {
        if (LogTo != nullptr) {
            LogTo->Record("draw");
        }
        // Past the script, keep rolling ones so a long race stays deterministic.
        const std::int16_t die = Position < Dice.size() ? Dice[Position] : std::int16_t{1};
        ++Position;
        return NumberFor(die);
    }
    void SeedFromClock() override {
        ++Seeds;
        if (LogTo != nullptr) {
            LogTo->Record("seed");
        }
    }

    std::size_t Position = 0;
    int Seeds = 0;

private:
    std::vector<std::int16_t> Dice;
    FakeBoard* LogTo;
};

} // namespace plovari::fakes
