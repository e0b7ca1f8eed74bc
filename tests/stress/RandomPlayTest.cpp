// Random play: a seeded stream of player actions on the real window, offscreen, with the
// race's rules checked after every action while the timer's real ticks play turns in between.
//
// PLOVARI_PLAY_SEED and PLOVARI_PLAY_ACTIONS choose the run. The actions follow from the seed
// alone; when the ticks fall between them depends on the machine, so a replay repeats the same
// actions, not necessarily the same turns. A failure prints the seed, the action count that
// reaches it and the actions that led to it.
#include "AboutPlovari.h"
#include "CommonDialog.h"
#include "GameWindow.h"
#include "Lanes.h"
#include "Pictures.h"

#include <QApplication>
#include <QElapsedTimer>
#include <array>
#include <cstdio>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

using namespace plovari;
using namespace plovari::testing;

namespace {

constexpr std::uint64_t DefaultSeed = 20240607;
constexpr std::uint64_t DefaultActions = 8000;
/// A run this long, the default one included, must also have reached every state, pace, player
/// count and finish line, so that a change in the weights cannot quietly stop testing some of
/// them.
constexpr std::uint64_t CoveringRun = DefaultActions;
constexpr std::size_t RecentKept = 150;
/// A long run says how far it has come this often.
constexpr std::uint64_t ProgressEvery = 25000;

const QString StartCaption = QStringLiteral("Start");
const QString ContinueCaption = QStringLiteral("Continue");
const QString RestartCaption = QStringLiteral("Restart");

std::uint64_t Setting(const char* name, std::uint64_t fallback) {
    const QByteArray text = qgetenv(name);
    if (text.isEmpty()) {
        return fallback;
    }
    bool number = false;
    const qulonglong value = text.toULongLong(&number, 0);
    if (!number) {
        qFatal("%s must be a number, not '%s'", name, text.constData());
    }
    return value;
}

/// Uniform choices from the game's own seedable generator.
class Chooser {
public:
    explicit Chooser(std::uint64_t seed)
        : Generator(seed) {}

    /// 0..count-1. In double, so that r * count stays below count.
    int Pick(int count) { return static_cast<int>(static_cast<double>(Generator.Next()) * count); }
    bool OneIn(int count) { return Pick(count) == 0; }

private:
    ClockRandomSource Generator;
};

/// Seeded dice that roll the face before again three times in four. Ties are then common, so the
/// Medium and High modes pay out often and races reach even the far line now and then.
/// OnDraw runs before every draw, while the drawing turn is under way.
class PlayDice final : public RandomSource {
public:
    explicit PlayDice(std::uint64_t seed)
        : Choices(seed) {}

    float Next() override {
        if (OnDraw) {
            OnDraw();
        }
        ++Draws;
        if (Choices.OneIn(4)) {
            Face = static_cast<std::int16_t>(1 + Choices.Pick(6));
        }
        return fakes::ScriptedDice::NumberFor(Face);
    }
    /// Start-up asks for the clock; the run stays the one its seed makes.
    void SeedFromClock() override {}

    std::function<void()> OnDraw;
    std::size_t Draws = 0;

private:
    Chooser Choices;
    std::int16_t Face = 1;
};

enum class Phase { Ready, Running, Paused, Finished };
constexpr std::array<const char*, 4> PhaseNames{"ready", "running", "paused", "finished"};
constexpr std::array<Pace, 3> Paces{Pace::StepByStep, Pace::Slow, Pace::Fast};
constexpr std::array<const char*, 3> PaceNames{"StepByStep", "Slow", "Fast"};
constexpr std::array<const char*, 5> PlayerItemNames{"TwoPlayers", "ThreePlayers", "FourPlayers",
                                                     "FivePlayers", "SixPlayers"};
constexpr std::array<double, 3> Lines{200, 500, 1000};
constexpr std::array<const char*, 3> LineItemNames{"Finish200", "Finish500", "Finish1000"};

/// What a player can do, with how often random play does it, per 1000 actions.
enum class Act {
    ClickContinue,
    KeyOnCatcher,
    KeyOnWindow,
    ClickMode,
    ChoosePace,
    ChoosePlayers,
    ChooseLine,
    RestartGame,
    About,
    Help,
    Watch,
    Wait,
};
struct Weighted {
    Act Kind;
    int Weight;
};
constexpr std::array<Weighted, 12> Weights{{
    {Act::ClickContinue, 300},
    {Act::KeyOnCatcher, 60},
    {Act::KeyOnWindow, 30},
    {Act::ClickMode, 200},
    {Act::ChoosePace, 20},
    {Act::ChoosePlayers, 3},
    {Act::ChooseLine, 9},
    {Act::RestartGame, 1},
    {Act::About, 4},
    {Act::Help, 6},
    {Act::Watch, 4},
    {Act::Wait, 363},
}};

/// Keys for the key catcher: letters, digits, blanks, modifiers and keys with a meaning
/// elsewhere. Every one of them pauses.
constexpr std::array<Qt::Key, 10> CatcherKeys{
    Qt::Key_A,      Qt::Key_P,     Qt::Key_7,  Qt::Key_Space,  Qt::Key_Tab,
    Qt::Key_Escape, Qt::Key_Shift, Qt::Key_F1, Qt::Key_Return, Qt::Key_Left};
/// Keys for whatever control has the focus. Space and Return are left out: on the continue
/// button they would click it, which the random play does with the mouse.
constexpr std::array<Qt::Key, 8> WindowKeys{Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                                            Qt::Key_Down, Qt::Key_Tab,   Qt::Key_Backtab,
                                            Qt::Key_P,    Qt::Key_Escape};

} // namespace

class RandomPlayTest : public QObject, private GameWindow {
    Q_OBJECT

    /// What the checks read, all at one moment.
    struct Observed {
        bool TimerActive = false;
        bool ContinueEnabled = false;
        QString Caption;
        std::int16_t Players = 0;
        std::size_t Draws = 0;
        std::array<double, MaxPlayers> Scores{};
    };

    std::uint64_t Seed = DefaultSeed;
    std::uint64_t ActionCount = DefaultActions;
    std::optional<Chooser> Choices;
    PlayDice* Dice6 = nullptr;

    // The controls, looked up once: the checks read them after every action.
    std::array<ImageBox*, MaxPlayers> Markers{};
    std::array<PlacedControl*, MaxPlayers> Squares{};
    std::array<std::array<QRadioButton*, 4>, MaxPlayers> Buttons{};
    std::array<QAction*, 3> PaceItems{};
    std::array<QAction*, 5> PlayerItems{};
    std::array<QAction*, 3> LineItems{};
    QPushButton* Continue = nullptr;
    QLineEdit* Catcher = nullptr;
    QTimer* Ticker = nullptr;
    float ClientWidth = 0;

    // What the rules expect from here on.
    std::array<double, MaxPlayers> LastScores{};
    std::size_t LastDraws = 0;
    /// The finish line that placed the racing markers: the one in force at the last turn or
    /// restart. A finish-line command alone moves nobody.
    double DrawnLine = 0;
    std::vector<std::pair<QString, std::int16_t>> HelpHanded;
    bool AboutWasShown = false;

    // The run's record.
    std::uint64_t Step = 0;
    QString CurrentAction;
    QString Broken;
    std::deque<QString> Recent;

    // What the run reached.
    std::array<std::uint64_t, 4> ActionsIn{};
    std::array<std::uint64_t, 3> ActionsAtPace{};
    std::array<std::uint64_t, 3> TurnsAtPace{};
    std::array<std::uint64_t, MaxPlayers + 1> ActionsWithPlayers{};
    std::array<std::uint64_t, 3> ActionsAtLine{};
    std::uint64_t RacesFinished = 0;
    std::uint64_t RacesFinishedOnTheClock = 0; ///< at the Slow or Fast pace
    std::uint64_t Restarts = 0;
    std::uint64_t AboutWhileRunning = 0;
    std::uint64_t BlockedInputs = 0;

    bool OpenWithPlayDice(std::unique_ptr<PlayDice> dice) {
        Dice6 = dice.get();
        return OpenWith(std::move(dice));
    }

    void LookUpControls() {
        for (Slot slot = 0; slot < MaxPlayers; ++slot) {
            const auto index = static_cast<std::size_t>(slot);
            Markers.at(index) = Marker(slot);
            Squares.at(index) = Square(slot);
            for (Mode mode : AllModes) {
                Buttons.at(index).at(static_cast<std::size_t>(mode)) =
                    ModeButton(NameOf(mode).data(), slot);
            }
        }
        for (std::size_t item = 0; item < PaceItems.size(); ++item) {
            PaceItems.at(item) = Action(PaceNames.at(item));
            LineItems.at(item) = Action(LineItemNames.at(item));
        }
        for (std::size_t item = 0; item < PlayerItems.size(); ++item) {
            PlayerItems.at(item) = Action(PlayerItemNames.at(item));
        }
        Continue = ContinueButton();
        Catcher = TempText();
        Ticker = Timer1();
        ClientWidth = static_cast<float>(Window->centralWidget()->width());
    }

    Observed Observe() const {
        Observed now;
        now.TimerActive = Ticker->isActive();
        now.ContinueEnabled = Continue->isEnabled();
        now.Caption = Continue->text();
        now.Players = Window->State().PlayerCount;
        now.Draws = Dice6->Draws;
        for (std::size_t slot = 0; slot < MaxPlayers; ++slot) {
            now.Scores.at(slot) = Window->State().Scores.at(slot);
        }
        return now;
    }

    static Phase PhaseOf(const Observed& now) {
        if (now.TimerActive) {
            return Phase::Running;
        }
        if (now.Caption == RestartCaption) {
            return Phase::Finished;
        }
        return now.Caption == StartCaption ? Phase::Ready : Phase::Paused;
    }

    std::size_t PaceIndex() const {
        for (std::size_t pace = 0; pace < Paces.size(); ++pace) {
            if (Ticker->interval() == IntervalOf(Paces.at(pace))) {
                return pace;
            }
        }
        return 0;
    }

    static std::size_t LineIndex(double line) {
        for (std::size_t index = 0; index < Lines.size(); ++index) {
            if (Lines.at(index) == line) {
                return index;
            }
        }
        return 0;
    }

    QString Describe() const {
        const Observed now = Observe();
        QString text = QStringLiteral("%1 timer %2, button %3 '%4', interval %5, %6 players, "
                                      "line %7, draws %8, scores")
                           .arg(QString::fromUtf8(PhaseNames.at(static_cast<int>(PhaseOf(now)))))
                           .arg(now.TimerActive ? "on" : "off")
                           .arg(now.ContinueEnabled ? "enabled" : "disabled")
                           .arg(now.Caption)
                           .arg(Ticker->interval())
                           .arg(now.Players)
                           .arg(Window->State().FinishLine)
                           .arg(now.Draws);
        for (double score : now.Scores) {
            text += QLatin1Char(' ') + QString::number(score, 'g', 10);
        }
        return text;
    }

    /// Records the first rule that does not hold, with the state that breaks it.
    bool Expect(bool holds, const char* rule) {
        if (!holds && Broken.isEmpty()) {
            Broken = QStringLiteral("%1\n  during: %2\n  state: %3")
                         .arg(QString::fromUtf8(rule), CurrentAction, Describe());
        }
        return holds;
    }

    void ExpectPacingUnchanged(const Observed& before, const char* rule) {
        const Observed after = Observe();
        Expect(after.TimerActive == before.TimerActive &&
                   after.ContinueEnabled == before.ContinueEnabled &&
                   after.Caption == before.Caption,
               rule);
    }

    void ExpectRestarted(const char* rule) {
        const Observed now = Observe();
        Expect(!now.TimerActive && now.ContinueEnabled && now.Caption == StartCaption, rule);
        for (std::size_t slot = 0; slot < static_cast<std::size_t>(now.Players); ++slot) {
            Expect(now.Scores.at(slot) == 0, rule);
        }
    }

    // ---- The rules that hold after every action ------------------------------------------

    void CheckRules(const Observed& before, bool restarted) {
        const RaceState& race = Window->State();
        const Observed now = Observe();
        Expect(IsValidPlayerCount(race.PlayerCount), "2 to 6 players race");
        Expect(IsValidFinishLine(race.FinishLine), "the finish line is 200, 500 or 1000");

        CheckMenus(race);
        for (std::size_t slot = 0; slot < MaxPlayers; ++slot) {
            int selected = 0;
            for (QRadioButton* button : Buttons.at(slot)) {
                selected += button->isChecked() ? 1 : 0;
            }
            Expect(selected == 1, "every player has exactly one mode selected");
        }

        const bool known = now.Caption == StartCaption || now.Caption == ContinueCaption ||
                           now.Caption == RestartCaption;
        Expect(known, "the button reads Start, Continue or Restart");
        if (now.TimerActive) {
            Expect(!now.ContinueEnabled && now.Caption != RestartCaption,
                   "while turns run the button is disabled and reads Start or Continue");
        } else {
            Expect(now.ContinueEnabled, "while no turn runs the button is enabled");
        }

        if (before.Caption == RestartCaption) {
            Expect(now.Draws == before.Draws, "no turn is played once the race has ended");
        }
        if (restarted) {
            Expect(now.Draws == before.Draws, "a restart waits for Start");
        }
        for (std::size_t slot = 0; slot < MaxPlayers; ++slot) {
            const double score = now.Scores.at(slot);
            Expect(score >= 0, "no score is negative");
            if (slot >= static_cast<std::size_t>(now.Players)) {
                Expect(score == LastScores.at(slot), "players out of the race keep their score");
            } else if (restarted) {
                Expect(score == 0, "a restart puts every racer back to 0");
            } else {
                Expect(score >= LastScores.at(slot), "no score goes down during a race");
            }
        }

        const std::size_t turns =
            now.Players > 0 ? (now.Draws - LastDraws) / static_cast<std::size_t>(now.Players) : 0;
        if (Paces.at(PaceIndex()) == Pace::StepByStep) {
            Expect(turns <= 1 && (turns == 0 || !now.TimerActive),
                   "step by step plays one turn, then pauses");
        }
        if (restarted || now.Draws != LastDraws) {
            DrawnLine = race.FinishLine;
        }
        for (Slot slot = 0; slot < now.Players; ++slot) {
            const auto index = static_cast<std::size_t>(slot);
            const LanePlacement place =
                PlaceInLane(slot, now.Scores.at(index), DrawnLine, ClientWidth);
            Expect(Markers.at(index)->ExactPosition() == QPointF(place.MarkerLeft, place.MarkerTop),
                   "every racing marker stands where its score puts it in its lane");
            Expect(Squares.at(index)->ExactPosition() == QPointF(place.SquareLeft, place.SquareTop),
                   "every racing lane square stands behind its marker");
        }
        for (std::size_t slot = 0; slot < MaxPlayers; ++slot) {
            const bool racing = slot < static_cast<std::size_t>(now.Players);
            Expect(Markers.at(slot)->isVisible() == racing, "exactly the racers' markers show");
        }

        if (before.Caption != RestartCaption && now.Caption == RestartCaption) {
            ++RacesFinished;
            RacesFinishedOnTheClock += Paces.at(PaceIndex()) == Pace::StepByStep ? 0 : 1;
        }
        TurnsAtPace.at(PaceIndex()) += turns;
        LastScores = now.Scores;
        LastDraws = now.Draws;
    }

    void CheckMenus(const RaceState& race) {
        const auto exactlyOne = [](const auto& items) {
            int checked = 0;
            for (QAction* item : items) {
                checked += item->isChecked() ? 1 : 0;
            }
            return checked == 1;
        };
        Expect(exactlyOne(PaceItems), "exactly one pace is checked");
        Expect(exactlyOne(PlayerItems), "exactly one player count is checked");
        Expect(exactlyOne(LineItems), "exactly one finish line is checked");
        const std::size_t pace = PaceIndex();
        Expect(Ticker->interval() == IntervalOf(Paces.at(pace)) && PaceItems.at(pace)->isChecked(),
               "the checked pace is the timer's interval");
        if (IsValidPlayerCount(race.PlayerCount)) {
            Expect(PlayerItems.at(static_cast<std::size_t>(race.PlayerCount - MinPlayers))
                       ->isChecked(),
                   "the checked player count is the one racing");
        }
        Expect(LineItems.at(LineIndex(race.FinishLine))->isChecked() &&
                   Lines.at(LineIndex(race.FinishLine)) == race.FinishLine,
               "the checked finish line is the one in force");
    }

    /// No tick may play a turn once the race has ended, even one that was already due.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == Ticker && event->type() == QEvent::Timer && Ticker->isActive()) {
            Expect(Continue->text() != RestartCaption,
                   "the timer ticks only while the button reads Start or Continue");
        }
        return false;
    }

    // ---- The actions ---------------------------------------------------------------------

    Act ChooseAct() {
        int pick = Choices->Pick(1000);
        for (const Weighted& weighted : Weights) {
            if (pick < weighted.Weight) {
                return weighted.Kind;
            }
            pick -= weighted.Weight;
        }
        return Act::Wait;
    }

    /// Plays one action and returns whether it restarts the race.
    bool Perform(Act act, const Observed& before) {
        switch (act) {
        case Act::ClickContinue:
            return DoClickContinue(before);
        case Act::KeyOnCatcher: {
            const Qt::Key key = CatcherKeys.at(
                static_cast<std::size_t>(Choices->Pick(static_cast<int>(CatcherKeys.size()))));
            CurrentAction =
                QStringLiteral("key %1 on the key catcher").arg(static_cast<int>(key), 0, 16);
            QTest::keyClick(Catcher, key);
            const Observed after = Observe();
            Expect(!after.TimerActive && after.ContinueEnabled && after.Caption == before.Caption,
                   "any key on the key catcher pauses");
            return false;
        }
        case Act::KeyOnWindow:
            DoKeyOnWindow();
            return false;
        case Act::ClickMode:
            DoClickMode(before);
            return false;
        case Act::ChoosePace: {
            const std::size_t pace = static_cast<std::size_t>(Choices->Pick(3));
            CurrentAction = QStringLiteral("Option > %1").arg(PaceNames.at(pace));
            PaceItems.at(pace)->trigger();
            Expect(Ticker->interval() == IntervalOf(Paces.at(pace)), "a pace sets its interval");
            ExpectPacingUnchanged(before, "a pace neither starts nor stops the race");
            return false;
        }
        case Act::ChoosePlayers: {
            const int count = MinPlayers + Choices->Pick(5);
            CurrentAction = QStringLiteral("Players > %1").arg(count);
            PlayerItems.at(static_cast<std::size_t>(count - MinPlayers))->trigger();
            Expect(Window->State().PlayerCount == count, "a player count command sets the count");
            ExpectRestarted("a player count command restarts the race");
            return true;
        }
        case Act::ChooseLine:
            DoChooseLine(before);
            return false;
        case Act::RestartGame:
            CurrentAction = QStringLiteral("File > Restart game");
            Action("RestartGame")->trigger();
            ExpectRestarted("File > Restart game restarts the race");
            return true;
        case Act::About:
            DoAbout(before);
            return false;
        case Act::Help: {
            CurrentAction = QStringLiteral("Help > What is this?");
            const std::size_t handed = HelpHanded.size();
            Action("Rules")->trigger();
            Expect(HelpHanded.size() == handed + 1 &&
                       HelpHanded.back().first == QStringLiteral("Plovari.hlp") &&
                       HelpHanded.back().second == HelpContents,
                   "help hands the help file at its contents to the viewer");
            ExpectPacingUnchanged(before, "help leaves the race as it is");
            return false;
        }
        case Act::Watch:
            DoWatch(before);
            return before.ContinueEnabled && before.Caption == RestartCaption;
        case Act::Wait:
            CurrentAction = QStringLiteral("wait");
            if (Choices->OneIn(20)) {
                const int milliseconds = 2 + Choices->Pick(15);
                CurrentAction = QStringLiteral("wait %1 ms").arg(milliseconds);
                QTest::qWait(milliseconds);
            }
            return false;
        }
        return false;
    }

    bool DoClickContinue(const Observed& before) {
        CurrentAction = QStringLiteral("click '%1' (%2)")
                            .arg(before.Caption, before.ContinueEnabled ? "enabled" : "disabled");
        ClickContinue();
        if (!before.ContinueEnabled) {
            ExpectPacingUnchanged(before, "a disabled button does nothing");
            return false;
        }
        if (before.Caption == RestartCaption) {
            ExpectRestarted("Restart puts everyone back and waits for Start");
            return true;
        }
        Expect(Ticker->isActive() && !Continue->isEnabled(),
               "Start and Continue run the turns and disable the button");
        return false;
    }

    /// Clicks the button and watches turns go by: as long as a few turns take at the pace in
    /// force, or until play stops. The pace, not the timing, sets the length, so the actions
    /// that follow stay the seed's.
    void DoWatch(const Observed& before) {
        const std::size_t pace = PaceIndex();
        int turns = 1 + Choices->Pick(6);
        if (Paces.at(pace) == Pace::Slow) {
            // A second a turn: the run can afford one now and then.
            turns = Choices->OneIn(8) ? 1 : 0;
        }
        const int budget =
            Paces.at(pace) == Pace::StepByStep ? 5 : turns * IntervalOf(Paces.at(pace)) + 20;
        CurrentAction = QStringLiteral("click '%1' (%2) and watch up to %3 ms")
                            .arg(before.Caption, before.ContinueEnabled ? "enabled" : "disabled")
                            .arg(budget);
        ClickContinue();
        QElapsedTimer watched;
        watched.start();
        while (watched.elapsed() < budget && Ticker->isActive()) {
            QTest::qWait(std::min<int>(10, budget));
        }
    }

    void DoKeyOnWindow() {
        const Qt::Key key = WindowKeys.at(
            static_cast<std::size_t>(Choices->Pick(static_cast<int>(WindowKeys.size()))));
        QWidget* focus = Window->focusWidget();
        CurrentAction = QStringLiteral("key %1 on the window, focus %2")
                            .arg(static_cast<int>(key), 0, 16)
                            .arg(focus != nullptr ? focus->objectName() : QStringLiteral("none"));
        QTest::keyClick(Window->windowHandle(), key);
        if (focus == Catcher) {
            // A tick may follow the key, but none starts the timer again.
            Expect(!Ticker->isActive() && Continue->isEnabled(),
                   "any key on the key catcher pauses");
        }
    }

    void DoClickMode(const Observed& before) {
        const auto slot = static_cast<Slot>(Choices->Pick(before.Players));
        const Mode mode = AllModes[Choices->Pick(4)];
        const auto index = static_cast<std::size_t>(slot);
        QRadioButton* button = Buttons.at(index).at(static_cast<std::size_t>(mode));
        const bool wasSelected = button->isChecked();
        CurrentAction =
            QStringLiteral("click %1%2").arg(QString::fromUtf8(NameOf(mode).data())).arg(slot);
        ClickMode(NameOf(mode).data(), slot);
        Expect(button->isChecked(), "a click selects its mode button");
        if (!wasSelected) {
            Expect(Markers.at(index)->CurrentPicture() == PictureOf(PictureOfMode(mode)),
                   "a newly picked mode shows on the marker at once");
        }
        ExpectPacingUnchanged(before, "a mode click leaves the pacing alone");
    }

    void DoChooseLine(const Observed& before) {
        const std::size_t line = static_cast<std::size_t>(Choices->Pick(3));
        CurrentAction = QStringLiteral("Finish Line > %1").arg(Lines.at(line));
        std::array<QPointF, MaxPlayers> places{};
        for (std::size_t slot = 0; slot < MaxPlayers; ++slot) {
            places.at(slot) = Markers.at(slot)->ExactPosition();
        }
        LineItems.at(line)->trigger();
        Expect(Window->State().FinishLine == Lines.at(line), "a finish line command sets the line");
        for (std::size_t slot = 0; slot < MaxPlayers; ++slot) {
            Expect(Markers.at(slot)->ExactPosition() == places.at(slot),
                   "a finish line command moves nobody");
        }
        ExpectPacingUnchanged(before, "a finish line command neither starts nor stops the race");
    }

    void DoAbout(const Observed& before) {
        CurrentAction = QStringLiteral("Help > About");
        if (before.TimerActive) {
            ++AboutWhileRunning;
        }
        AboutWasShown = false;
        const int inputs = 1 + Choices->Pick(4);
        WhileModal([this] { Action("About")->trigger(); },
                   [this, inputs](QWidget& modal) {
                       AboutPlovari* about = ShownAbout();
                       AboutWasShown = about != nullptr;
                       Expect(about == &modal, "the About window is modal");
                       for (int input = 0; input < inputs && Broken.isEmpty(); ++input) {
                           TryInputWhileAboutIsOpen();
                       }
                   });
        CurrentAction = QStringLiteral("Help > About, closed");
        Expect(AboutWasShown, "About shows its window");
        Expect(ShownAbout() == nullptr, "closing the About window ends the command");
    }

    AboutPlovari* ShownAbout() {
        AboutPlovari* shown = nullptr;
        for (AboutPlovari* about : Window->findChildren<AboutPlovari*>()) {
            if (about->isVisible()) {
                Expect(shown == nullptr, "one About window at a time");
                shown = about;
            }
        }
        return shown;
    }

    /// A key, a click or a wait while the About window is open: the turns go on, the main
    /// window takes no input.
    void TryInputWhileAboutIsOpen() {
        ++BlockedInputs;
        const Observed before = Observe();
        switch (Choices->Pick(4)) {
        case 0: {
            CurrentAction = QStringLiteral("About open: key P on the main window");
            QTest::keyClick(Window->windowHandle(), Qt::Key_P);
            if (Dice6->Draws == before.Draws) {
                Expect(Ticker->isActive() == before.TimerActive,
                       "keys do not reach the game while About is open");
            }
            break;
        }
        case 1: {
            const auto slot = static_cast<Slot>(Choices->Pick(before.Players));
            const Mode mode = AllModes[Choices->Pick(4)];
            QRadioButton* button =
                Buttons.at(static_cast<std::size_t>(slot)).at(static_cast<std::size_t>(mode));
            const bool wasSelected = button->isChecked();
            CurrentAction = QStringLiteral("About open: click %1%2 through the main window")
                                .arg(QString::fromUtf8(NameOf(mode).data()))
                                .arg(slot);
            QTest::mouseClick(Window->windowHandle(), Qt::LeftButton, {},
                              button->mapTo(Window.get(), QPoint(6, button->height() / 2)));
            Expect(button->isChecked() == wasSelected,
                   "clicks do not reach the game while About is open");
            break;
        }
        case 2:
            CurrentAction = QStringLiteral("About open: Help > About again");
            Action("About")->trigger();
            break;
        default: {
            const int milliseconds = 1 + Choices->Pick(20);
            CurrentAction = QStringLiteral("About open: wait %1 ms").arg(milliseconds);
            QTest::qWait(milliseconds);
            break;
        }
        }
        CheckRules(before, false);
        Remember();
    }

    void Remember() {
        Recent.push_back(QStringLiteral("#%1 %2 -> %3").arg(Step).arg(CurrentAction, Describe()));
        if (Recent.size() > RecentKept) {
            Recent.pop_front();
        }
    }

    void PlayOneAction() {
        const Observed before = Observe();
        ++ActionsIn.at(static_cast<std::size_t>(PhaseOf(before)));
        ++ActionsAtPace.at(PaceIndex());
        ++ActionsWithPlayers.at(static_cast<std::size_t>(before.Players));
        ++ActionsAtLine.at(LineIndex(Window->State().FinishLine));

        const bool restarted = Perform(ChooseAct(), before);
        Restarts += restarted ? 1 : 0;
        // Let due ticks play their turns; now and then wait a little for more.
        QCoreApplication::processEvents();
        if (Choices->OneIn(4)) {
            QTest::qWait(1 + Choices->Pick(2));
        }
        CheckRules(before, restarted);
        Remember();
    }

    void ReportFailure() const {
        std::fprintf(stderr,
                     "\nRandom play broke a rule at action %llu of seed %llu:\n%s\n"
                     "Replay the same actions with PLOVARI_PLAY_SEED=%llu PLOVARI_PLAY_ACTIONS=%llu"
                     "\nThe last %zu actions, each with the state after it:\n",
                     static_cast<unsigned long long>(Step), static_cast<unsigned long long>(Seed),
                     qPrintable(Broken), static_cast<unsigned long long>(Seed),
                     static_cast<unsigned long long>(Step) + 1, Recent.size());
        for (const QString& line : Recent) {
            std::fprintf(stderr, "  %s\n", qPrintable(line));
        }
    }

    QString Coverage() const {
        QString text = QStringLiteral("actions by state:");
        for (std::size_t phase = 0; phase < ActionsIn.size(); ++phase) {
            text += QStringLiteral(" %1 %2").arg(PhaseNames.at(phase)).arg(ActionsIn.at(phase));
        }
        text += QStringLiteral("; by pace:");
        for (std::size_t pace = 0; pace < Paces.size(); ++pace) {
            text += QStringLiteral(" %1 %2 (%3 turns)")
                        .arg(PaceNames.at(pace))
                        .arg(ActionsAtPace.at(pace))
                        .arg(TurnsAtPace.at(pace));
        }
        text += QStringLiteral("; by players:");
        for (std::size_t count = MinPlayers; count <= MaxPlayers; ++count) {
            text += QStringLiteral(" %1:%2").arg(count).arg(ActionsWithPlayers.at(count));
        }
        text += QStringLiteral("; by line:");
        for (std::size_t line = 0; line < Lines.size(); ++line) {
            text += QStringLiteral(" %1:%2").arg(Lines.at(line)).arg(ActionsAtLine.at(line));
        }
        text += QStringLiteral("; races finished %1 (%6 at a timed pace), restarts %2, About "
                               "while running %3, inputs while About open %4, help %5")
                    .arg(RacesFinished)
                    .arg(Restarts)
                    .arg(AboutWhileRunning)
                    .arg(BlockedInputs)
                    .arg(HelpHanded.size())
                    .arg(RacesFinishedOnTheClock);
        return text;
    }

    bool CoveredEverything() const {
        const auto allReached = [](const auto& counts, std::size_t from = 0) {
            for (std::size_t index = from; index < counts.size(); ++index) {
                if (counts.at(index) == 0) {
                    return false;
                }
            }
            return true;
        };
        return allReached(ActionsIn) && allReached(ActionsAtPace) &&
               allReached(ActionsWithPlayers, MinPlayers) && allReached(ActionsAtLine) &&
               TurnsAtPace.at(0) > 0 && TurnsAtPace.at(2) > 0 && RacesFinished > 0 &&
               AboutWhileRunning > 0 && BlockedInputs > 0;
    }

private slots:
    void initTestCase() {
        Seed = Setting("PLOVARI_PLAY_SEED", DefaultSeed);
        ActionCount = Setting("PLOVARI_PLAY_ACTIONS", DefaultActions);
        Choices.emplace(Seed);
        // The dice have a generator of their own, so that the turns the ticks happen to play
        // leave the actions unchanged.
        QVERIFY(OpenWithPlayDice(std::make_unique<PlayDice>(Seed ^ 0x9e3779b97f4a7c15ULL)));
        LookUpControls();
        Find<CommonDialog>(*Window, "CommonDialog1")
            ->SetViewer([this](const QString& file, std::int16_t command) {
                HelpHanded.emplace_back(file, command);
            });
        Dice6->OnDraw = [this] {
            Expect(Continue->text() != RestartCaption,
                   "no turn is played while the button reads Restart");
        };
        Ticker->installEventFilter(this);
        LastScores = Observe().Scores;
        DrawnLine = Window->State().FinishLine;
    }
    void cleanupTestCase() { Close(); }

    void randomPlayKeepsEveryRule() {
        qInfo("random play: seed %llu, %llu actions", static_cast<unsigned long long>(Seed),
              static_cast<unsigned long long>(ActionCount));
        QElapsedTimer clock;
        clock.start();
        CurrentAction = QStringLiteral("opening the window");
        CheckRules(Observe(), false);
        for (Step = 0; Step < ActionCount && Broken.isEmpty(); ++Step) {
            PlayOneAction();
            if ((Step + 1) % ProgressEvery == 0 && Step + 1 < ActionCount) {
                qInfo("%llu actions, %llu races finished, %lld ms",
                      static_cast<unsigned long long>(Step) + 1,
                      static_cast<unsigned long long>(RacesFinished),
                      static_cast<long long>(clock.elapsed()));
            }
        }
        if (!Broken.isEmpty()) {
            --Step;
            ReportFailure();
            QFAIL("a rule broke during random play; the actions that led there are printed above");
        }
        qInfo("%s; %lld ms", qPrintable(Coverage()), static_cast<long long>(clock.elapsed()));
        if (ActionCount >= CoveringRun) {
            QVERIFY2(CoveredEverything(), qPrintable(Coverage()));
        }
    }
};

QTEST_MAIN(RandomPlayTest)
#include "RandomPlayTest.moc"
