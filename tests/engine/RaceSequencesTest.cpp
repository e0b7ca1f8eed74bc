// Start-up, restart, the turn's board steps, pacing and commands, on a board without a window.
#include "FakeBoard.h"
#include "RaceController.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace plovari {
namespace {

using fakes::FakeBoard;
using fakes::ScriptedDice;
using Steps = std::vector<std::string>;

class RaceSequences : public ::testing::Test {
protected:
    RaceSequences() { Board.Controller = &Controller; }

    /// Start-up, then forget its steps so a test sees only its own.
    void StartUp() {
        Controller.Form_Load();
        Board.Log.clear();
    }
    void Select(Slot slot, Mode mode) { Board.SelectMode(slot, mode); }
    const RaceState& State() const { return Controller.State(); }

    FakeBoard Board;
    ScriptedDice Dice{{}, &Board};
    RaceController Controller{Board, Dice};
};

TEST_F(RaceSequences, StartUpRunsItsStepsInOrder) {
    Controller.Form_Load();
    const Steps expected{
        // Fast, then the finish line before any marker is drawn, then three players.
        "check Slow off", "check Fast on", "check StepByStep off", "interval 150",
        "check Finish200 on", "check Finish500 off", "check Finish1000 off", "check TwoPlayers off",
        "check ThreePlayers on", "check FourPlayers off", "check FivePlayers off",
        "check SixPlayers off", "dice 0 1", "draw 0", "dice 1 1", "draw 1", "dice 2 1", "draw 2",
        "timer off", "continue on", "caption Start", "visible",
        // Every slot, racing or not.
        "score 0 '0'", "dice 0 1", "select 0 Regular", "marker 0 RegularImage", "score 1 '0'",
        "dice 1 1", "select 1 Regular", "marker 1 RegularImage", "score 2 '0'", "dice 2 1",
        "select 2 Regular", "marker 2 RegularImage", "score 3 '0'", "dice 3 1", "select 3 Regular",
        "marker 3 RegularImage", "score 4 '0'", "dice 4 1", "select 4 Regular",
        "marker 4 RegularImage", "score 5 '0'", "dice 5 1", "select 5 Regular",
        "marker 5 RegularImage", "seed", "dice 0 1", "draw 0", "dice 1 1", "draw 1", "dice 2 1",
        "draw 2", "timer off", "continue on", "caption Start"};
    EXPECT_EQ(Board.Log, expected);
}

TEST_F(RaceSequences, DieFaceShowsAsSoonAsItIsRolledAndMarkerJustBeforeItsGain) {
    StartUp();
    Select(1, Mode::High);
    Board.Log.clear();
    Dice.Script({5, 6, 2});
    Controller.DoTurn_Click();
    const Steps expected{"draw",
                         "dice 0 5",
                         "draw",
                         "dice 1 6",
                         "draw",
                         "dice 2 2",
                         "marker 0 RegularImage",
                         "marker 1 HighImageGo",
                         "marker 2 RegularImage",
                         "score 0 ' 5'",
                         "draw 0",
                         "score 1 ' 8'",
                         "draw 1",
                         "score 2 ' 2'",
                         "draw 2"};
    EXPECT_EQ(Board.Log, expected);
    EXPECT_EQ(State().Scores[1], 8.385);
}

TEST_F(RaceSequences, TurnReadsTheSelectionInForceWhenItRuns) {
    StartUp();
    Select(0, Mode::Medium);
    Dice.Script({3, 3, 1});
    Controller.DoTurn_Click();
    EXPECT_EQ(State().Scores[0], 10.5);
    Select(0, Mode::Low);
    Dice.Script({3, 3, 3});
    Controller.DoTurn_Click();
    EXPECT_EQ(State().Scores[0], 13.5);
    EXPECT_EQ(Board.Markers[0], MarkerPicture::LowImage);
}

TEST_F(RaceSequences, AGroupWithNoSelectionCountsAsHigh) {
    StartUp();
    Board.Selected[2].reset();
    EXPECT_EQ(Controller.ReadMode(2), Mode::High);
    Board.Selected[2] = Mode::Medium;
    EXPECT_EQ(Controller.ReadMode(2), Mode::Medium);
}

TEST_F(RaceSequences, ModeButtonChangesOnlyTheMarkerPicture) {
    StartUp();
    Controller.ModeButton_Click(4, Mode::Medium);
    EXPECT_EQ(Board.Log, Steps{"marker 4 MediumImageGo"});
    Controller.ModeButton_Click(0, Mode::High);
    Controller.ModeButton_Click(1, Mode::Low);
    Controller.ModeButton_Click(2, Mode::Regular);
    EXPECT_EQ(Board.Markers[0], MarkerPicture::HighImageGo);
    EXPECT_EQ(Board.Markers[1], MarkerPicture::LowImage);
    EXPECT_EQ(Board.Markers[2], MarkerPicture::RegularImage);
}

TEST_F(RaceSequences, FinishingTurnStopsTheTimerAndOffersRestartOncePerFinisher) {
    StartUp();
    Controller.ChooseFinishLine(200);
    Controller.ContinueButton_Click();
    Dice.Script(std::vector<std::int16_t>(std::size_t{3} * 33, 6)); // 33 turns of sixes: 198 each
    for (int turn = 0; turn < 33; ++turn) {
        Controller.Timer1_Timer();
    }
    ASSERT_TRUE(Board.TimerEnabled);
    Board.Log.clear();
    Dice.Script({2, 1, 2});
    Controller.Timer1_Timer();
    const Steps expected{"caption Continue", "focus",           "score 0 ' 200'", "timer off",
                         "continue on",      "caption Restart", "draw 0",         "score 1 ' 199'",
                         "draw 1",           "score 2 ' 200'",  "timer off",      "continue on",
                         "caption Restart",  "draw 2"};
    EXPECT_EQ(Board.Steps({"caption", "focus", "score", "timer", "continue", "draw "}), expected);
    EXPECT_EQ(Board.Shown, Caption::Restart);
}

TEST_F(RaceSequences, StepModePausesAfterEveryTurnAndKeepsTheCaption) {
    StartUp();
    Controller.ChoosePace(Pace::StepByStep);
    EXPECT_EQ(Board.TimerInterval, 1);
    Controller.ContinueButton_Click();
    EXPECT_TRUE(Board.TimerEnabled);
    EXPECT_FALSE(Board.ContinueEnabled);
    Controller.Timer1_Timer();
    EXPECT_FALSE(Board.TimerEnabled);
    EXPECT_TRUE(Board.ContinueEnabled);
    EXPECT_EQ(Board.Shown, Caption::Continue);

    // A race that ends in step mode still reads "Restart".
    Controller.ChooseFinishLine(200);
    Board.Log.clear();
    for (int turn = 0; turn < 40 && Board.Shown != Caption::Restart; ++turn) {
        Dice.Script({6, 6, 6});
        Controller.ContinueButton_Click();
        Controller.Timer1_Timer();
        EXPECT_FALSE(Board.TimerEnabled);
    }
    EXPECT_EQ(Board.Shown, Caption::Restart);
    EXPECT_EQ(Board.Log.back(), "continue on");
}

TEST_F(RaceSequences, ContinueButtonStartsResumesAndRestarts) {
    StartUp();
    Controller.ContinueButton_Click();
    EXPECT_EQ(Board.Log, (Steps{"continue off", "timer on", "focus"}));
    Controller.TempText_KeyDown();
    EXPECT_FALSE(Board.TimerEnabled);
    EXPECT_TRUE(Board.ContinueEnabled);
    EXPECT_EQ(Board.Shown, Caption::Start) << "paused before the first tick";

    Board.Shown = Caption::Restart;
    Board.Log.clear();
    Controller.ContinueButton_Click();
    EXPECT_EQ(Board.Log.back(), "caption Start");
    EXPECT_FALSE(Board.TimerEnabled) << "a restart starts no turn";
}

TEST_F(RaceSequences, OnlyTheCaptionRestartMeansRestart) {
    StartUp();
    for (Caption caption : {Caption::Design, Caption::Start, Caption::Continue}) {
        Board.Shown = caption;
        Board.Log.clear();
        Controller.ContinueButton_Click();
        EXPECT_EQ(Board.Log, (Steps{"continue off", "timer on", "focus"})) << Board.Name(caption);
    }
}

TEST_F(RaceSequences, RestartZeroesRacersButKeepsScoreBoxesModesAndHiddenSlots) {
    StartUp();
    Controller.ChoosePlayerCount(5);
    Select(1, Mode::High);
    Dice.Script({6, 6, 6, 6, 6});
    Controller.DoTurn_Click();
    Controller.ChoosePlayerCount(2);
    EXPECT_EQ(State().Scores[0], 0);
    EXPECT_EQ(State().Scores[2], 6) << "players out of the race keep their scores";
    EXPECT_EQ(State().Scores[4], 6);
    EXPECT_EQ(Board.ScoreTexts[0], " 6") << "score boxes keep the last turn's numbers";
    EXPECT_EQ(Board.Selected[1], Mode::High);
    EXPECT_EQ(Board.Markers[1], MarkerPicture::HighImageGo);
    EXPECT_EQ(Board.DiceFaces[0], 1);
    EXPECT_EQ(Board.DiceFaces[4], 6);

    Controller.ChoosePlayerCount(5);
    for (std::size_t slot = 0; slot < 5; ++slot) {
        EXPECT_EQ(State().Scores[slot], 0) << "slot " << slot;
    }
}

TEST_F(RaceSequences, PlayerCountCommandChecksStoresRestartsThenShows) {
    StartUp();
    Controller.ChoosePlayerCount(4);
    const Steps expected{"check TwoPlayers off",
                         "check ThreePlayers off",
                         "check FourPlayers on",
                         "check FivePlayers off",
                         "check SixPlayers off",
                         "dice 0 1",
                         "draw 0",
                         "dice 1 1",
                         "draw 1",
                         "dice 2 1",
                         "draw 2",
                         "dice 3 1",
                         "draw 3",
                         "timer off",
                         "continue on",
                         "caption Start",
                         "visible"};
    EXPECT_EQ(Board.Log, expected);
    Board.Log.clear();
    Controller.ChoosePlayerCount(4);
    EXPECT_EQ(Board.Steps({"caption"}), Steps{"caption Start"}) << "the same count restarts too";
    EXPECT_THROW(Controller.ChoosePlayerCount(7), std::out_of_range);
    EXPECT_EQ(State().PlayerCount, 4);
}

TEST_F(RaceSequences, FinishLineCommandRestartsNothing) {
    StartUp();
    Dice.Script({4, 4, 4});
    Controller.DoTurn_Click();
    Board.Log.clear();
    Controller.ChooseFinishLine(1000);
    EXPECT_EQ(Board.Log,
              (Steps{"check Finish200 off", "check Finish500 off", "check Finish1000 on"}));
    EXPECT_EQ(State().FinishLine, 1000);
    EXPECT_EQ(State().Scores[0], 4);
    EXPECT_THROW(Controller.ChooseFinishLine(300), std::out_of_range);
}

TEST_F(RaceSequences, PaceCommandsSetChecksInMenuGroupOrderThenInterval) {
    StartUp();
    Controller.ChoosePace(Pace::Slow);
    EXPECT_EQ(Board.Log,
              (Steps{"check Slow on", "check Fast off", "check StepByStep off", "interval 1000"}));
    EXPECT_FALSE(Board.TimerEnabled) << "a pace command while ready starts nothing";
}

TEST_F(RaceSequences, AWholeRaceRunsToTheFinishWithRealDice) {
    ClockRandomSource random;
    FakeBoard board;
    RaceController race(board, random);
    board.Controller = &race;
    race.Form_Load();
    race.ChoosePlayerCount(6);
    board.SelectMode(1, Mode::Low);
    board.SelectMode(2, Mode::Medium);
    board.SelectMode(3, Mode::High);
    race.ContinueButton_Click();
    int turns = 0;
    while (board.TimerEnabled && turns < 10000) {
        race.Timer1_Timer();
        ++turns;
    }
    EXPECT_EQ(board.Shown, Caption::Restart);
    EXPECT_GT(turns, 200 / 21); // nobody can gain more than 21 a turn
    double best = 0;
    for (std::size_t slot = 0; slot < 6; ++slot) {
        best = std::max(best, race.State().Scores[slot]);
    }
    EXPECT_GE(best, 200);
}

} // namespace
} // namespace plovari
