#pragma once

#include "Controls.h"
#include "MenuBar.h"
#include "RaceBoard.h"
#include "RaceController.h"
#include "RandomSource.h"

#include <QMainWindow>
#include <array>
#include <memory>

class QFrame;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace plovari {

class CommonDialog;
class MenuCommands;

/// The main window: the lanes, the mode panel, the continue button, the key catcher, the
/// pacing timer and the menus. It creates the controls where the layout puts them, shows
/// what the race's sequences tell it through RaceBoard, and turns the players' clicks, keys
/// and the timer's ticks into calls on the RaceController. Start-up runs in the constructor,
/// so the window opens in the ready state. Per-player arrays are indexed by slot 0..5.
class PlovariMainForm final : public QMainWindow, private RaceBoard {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PlovariMainForm)
public:
    /// random: where the dice come from; a clock-seeded generator when none is given.
    explicit PlovariMainForm(std::unique_ptr<RandomSource> random = nullptr,
                             QWidget* parent = nullptr);
    ~PlovariMainForm() override;

    const RaceState& State() const { return Controller.State(); }

    /// The continue button's caption as the player reads it, in the player's language.
    static QString CaptionText(Caption caption);

    // Handlers, named after their control and event.
    void Timer1_Timer();
    void ContinueButton_Click();
    void TempText_KeyDown();
    void TempText_Change();
    void DoTurn_Click();
    void StepByStep_Click();
    void Slow_Click();
    void Fast_Click();

private:
    void Form_Load();
    void CreateLanes(QWidget& client);
    void CreateModePanel(QWidget& client);
    void CreatePacingControls(QWidget& client);
    void SetStackingAndTabOrder();
    ImageBox& ModePicture(MarkerPicture picture) const;
    QRadioButton* ModeButton(Slot slot, Mode mode) const;
    /// Gives the score boxes one font at which the longest score shown fits.
    void FitScores();

    // RaceBoard.
    void SetScoreText(Slot slot, const std::string& text) override;
    void ShowDiceFace(Slot slot, std::int16_t die) override;
    void ShowMarkerPicture(Slot slot, MarkerPicture picture) override;
    bool IsModeSelected(Slot slot, Mode mode) const override;
    void SelectMode(Slot slot, Mode mode) override;
    void DrawPlayer(Slot slot) override;
    void VisiblePlayers() override;
    void SetTimerEnabled(bool enabled) override;
    void SetTimerInterval(int milliseconds) override;
    void SetContinueEnabled(bool enabled) override;
    void SetContinueCaption(Caption caption) override;
    Caption ContinueCaption() const override;
    void FocusKeyCatcher() override;
    void SetChecked(MenuItem item, bool checked) override;
    bool IsChecked(MenuItem item) const override;

    std::unique_ptr<RandomSource> Random;
    RaceController Controller;

    QWidget* Client = nullptr;
    MenuActions Menus;
    CommonDialog* CommonDialog1 = nullptr; ///< the help route, with no visible presence
    std::unique_ptr<MenuCommands> Commands;

    // Lanes and picture sources.
    std::array<SolidRectangle*, 6> Backdrop{};
    std::array<ImageBox*, 6> MovingImage{};
    std::array<ImageBox*, 6> Dice{};
    std::array<ImageBox*, 6> ModePictures{}; ///< in MarkerPicture order

    // The mode panel.
    QGroupBox* ModeFrame = nullptr;
    std::array<QFrame*, 6> PlayerMode{};
    std::array<std::array<QRadioButton*, 4>, 6> ModeButtons{}; ///< [slot][Mode]
    std::array<QLineEdit*, 6> PlayerScore{};
    std::array<ImageBox*, 6> PlayerDice{};
    /// The score boxes' font is fitted for scores of this many digits, or none yet (0).
    static constexpr int MinScoreDigits = 3;
    int ScoreDigits = 0;
    std::array<QLabel*, 3> Label1{};

    // Pacing.
    QPushButton* ContinueButton = nullptr;
    QPushButton* DoTurn = nullptr;
    KeyCatcher* TempText = nullptr;
    QTimer* Timer1 = nullptr;
};

} // namespace plovari
