#include "PlovariMainForm.h"

#include "Accessibility.h"
#include "AccessibleRole.h"
#include "CommonDialog.h"
#include "Lanes.h"
#include "Layout.h"
#include "MenuCommands.h"
#include "OptionButton.h"
#include "TextFit.h"
#include "WindowFrame.h"

#include <QGroupBox>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <utility>
#include <vector>

namespace plovari {

namespace {

constexpr std::size_t Index(Slot slot) {
    return static_cast<std::size_t>(slot);
}

QString SlotName(const char* name, int slot) {
    return QString::fromUtf8(name) + QString::number(slot);
}

QString QtName(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

/// Scores of `digits` digits as wide as any can be, behind the blank: every digit repeated.
QStringList WidestScores(int digits) {
    QStringList scores;
    for (char digit = '0'; digit <= '9'; ++digit) {
        scores << QLatin1Char(' ') + QString(digits, QLatin1Char(digit));
    }
    return scores;
}

/// Paints a control's background in one colour.
void FillWith(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

/// The continue button carries the identity of its caption along with the text, so that what a
/// click does never depends on the language the text is in.
const char* const CaptionProperty = "plovariCaption";

} // namespace

PlovariMainForm::PlovariMainForm(std::unique_ptr<RandomSource> random, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , Random(random ? std::move(random) : std::make_unique<ClockRandomSource>())
    , Controller(*this, *Random) {
    setObjectName(QStringLiteral("PlovariMainForm"));
    //: The main window's title.
    setWindowTitle(tr("Plovari, the board game"));
    setWindowIcon(WindowIcon());
    // Fixed in size; Wayland title bars offer maximize whatever the flags say.
    KeepOutOfMaximized(*this);

    Menus = CreateMenus(*menuBar());
    FitMenuTitles(*menuBar(), layout::ClientArea.width());
    for (const QAction* title : menuBar()->actions()) {
        KeepItemsWhole(*title->menu());
    }
    Client = new QWidget(this);
    Client->setObjectName(QStringLiteral("Client"));
    Client->setFixedSize(layout::ClientArea);
    Client->setBackgroundRole(QPalette::Button);
    Client->setAutoFillBackground(true);
    // The board keeps its designed geometry in every language: lanes run left to right and
    // every control stays where it is drawn. Only the menus follow a right-to-left language.
    Client->setLayoutDirection(Qt::LeftToRight);
    setCentralWidget(Client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    CreateLanes(*Client);
    CreateModePanel(*Client);
    CreatePacingControls(*Client);
    SetStackingAndTabOrder();

    CommonDialog1 = new CommonDialog(this);
    CommonDialog1->setObjectName(QStringLiteral("CommonDialog1"));
    Commands = std::make_unique<MenuCommands>(Controller, *this, *CommonDialog1);
    Commands->Connect(Menus, ModeButtons);
    connect(Menus.Item(MenuItem::StepByStep), &QAction::triggered, this,
            &PlovariMainForm::StepByStep_Click);
    connect(Menus.Item(MenuItem::Slow), &QAction::triggered, this, &PlovariMainForm::Slow_Click);
    connect(Menus.Item(MenuItem::Fast), &QAction::triggered, this, &PlovariMainForm::Fast_Click);

    Form_Load();
}

PlovariMainForm::~PlovariMainForm() = default;

void PlovariMainForm::CreateLanes(QWidget& client) {
    for (Slot slot = 0; slot < MaxPlayers; ++slot) {
        auto* square = new SolidRectangle(&client, layout::PlayerColours.at(Index(slot)).Fill);
        square->setObjectName(SlotName("Backdrop", slot));
        square->resize(layout::LaneSquareSize);
        square->MoveTo(static_cast<float>(layout::LaneSquareOpening(slot).x()),
                       static_cast<float>(layout::LaneSquareOpening(slot).y()));
        Backdrop.at(Index(slot)) = square;

        auto* marker = new ImageBox(&client, Picture::Smiley);
        marker->setObjectName(SlotName("MovingImage", slot));
        marker->setAccessibleName(accessible::MarkerName(slot));
        marker->resize(layout::MarkerSize);
        const QPoint opening = layout::MarkerOpenings.at(Index(slot));
        marker->MoveTo(static_cast<float>(opening.x()), static_cast<float>(opening.y()));
        MovingImage.at(Index(slot)) = marker;
    }

    // Hidden picture sources: the die faces and the mode pictures.
    for (int face = 0; face < 6; ++face) {
        auto* die = new ImageBox(&client, DieFace(face + 1));
        die->setObjectName(SlotName("Dice", face));
        die->setGeometry(QRect(layout::DieFaceSource(face), layout::DiceSize));
        die->hide();
        Dice.at(static_cast<std::size_t>(face)) = die;
    }
    for (std::size_t picture = 0; picture < ModePictures.size(); ++picture) {
        auto* source = new ImageBox(&client, PictureOf(static_cast<MarkerPicture>(picture)));
        source->setObjectName(QtName(NameOf(static_cast<MarkerPicture>(picture))));
        source->setGeometry(QRect(layout::ModePictureSources.at(picture), layout::MarkerSize));
        source->hide();
        ModePictures.at(picture) = source;
    }
}

void PlovariMainForm::CreateModePanel(QWidget& client) {
    ModeFrame = new QGroupBox(&client);
    ModeFrame->setObjectName(QStringLiteral("ModeFrame"));
    ModeFrame->setGeometry(layout::ModeFrame);
    ModeFrame->setAccessibleName(accessible::ModePanelName());

    for (std::size_t column = 0; column < Label1.size(); ++column) {
        auto* heads = new ColumnHeads(ModeFrame);
        heads->setObjectName(SlotName("Label1", static_cast<int>(column)));
        heads->setGeometry(QRect(layout::ColumnHeads.at(column), layout::ColumnHeadSize));
        heads->setAccessibleDescription(accessible::ColumnHeadsDescription());
        Label1.at(column) = heads;
    }

    for (Slot slot = 0; slot < MaxPlayers; ++slot) {
        const QColor& colour = layout::PlayerColours.at(Index(slot)).Fill;
        auto* box = new QFrame(ModeFrame);
        box->setObjectName(SlotName("PlayerMode", slot));
        box->setGeometry(QRect(layout::ModeBoxes.at(Index(slot)), layout::ModeBoxSize));
        box->setFrameShape(QFrame::NoFrame);
        FillWith(*box, colour);
        // A group, so that a reader names the player along with each button in it.
        SetAccessibleRole(*box, QAccessible::Grouping);
        box->setAccessibleName(accessible::PlayerName(slot));
        PlayerMode.at(Index(slot)) = box;

        // The four buttons share the box as parent, which makes them one exclusive group. They
        // draw themselves: a desktop style's own indicator may not fit 17 x 13, nor stand out
        // from every player's colour.
        for (Mode mode : AllModes) {
            auto* button = new OptionButton(QStringLiteral("Option1"), box);
            button->setObjectName(QtName(NameOf(mode)) + QString::number(slot));
            button->setGeometry(QRect(layout::ModeButtons.at(static_cast<std::size_t>(mode)),
                                      layout::ModeButtonSize));
            FillWith(*button, colour);
            button->setAccessibleName(accessible::ModeButtonName(mode));
            button->setAccessibleDescription(accessible::ModeButtonDescription(slot, mode));
            ModeButtons.at(Index(slot)).at(static_cast<std::size_t>(mode)) = button;
        }

        auto* score = new QLineEdit(QStringLiteral("Text1"), ModeFrame);
        score->setObjectName(SlotName("PlayerScore", slot));
        score->setGeometry(QRect(layout::PlayerScores.at(Index(slot)), layout::ScoreSize));
        score->setEnabled(false);
        score->setReadOnly(true);
        score->setFocusPolicy(Qt::NoFocus);
        score->setTextMargins(0, 0, 0, 0);
        score->setAccessibleName(accessible::ScoreName(slot));
        score->setAccessibleDescription(accessible::ScoreDescription(slot));
        // Disabled, yet the scores are the race's readout: keep them as legible as enabled text.
        QPalette palette = score->palette();
        palette.setColor(QPalette::Disabled, QPalette::Text,
                         palette.color(QPalette::Active, QPalette::Text));
        score->setPalette(palette);
        PlayerScore.at(Index(slot)) = score;

        auto* die = new ImageBox(ModeFrame, Picture::Die1);
        die->setObjectName(SlotName("PlayerDice", slot));
        die->setAccessibleName(accessible::DieName(slot));
        die->setGeometry(QRect(layout::PlayerDice.at(Index(slot)), layout::DiceSize));
        die->hide();
        PlayerDice.at(Index(slot)) = die;
    }
}

void PlovariMainForm::CreatePacingControls(QWidget& client) {
    ContinueButton = new QPushButton(&client);
    ContinueButton->setObjectName(QStringLiteral("ContinueButton"));
    SetContinueCaption(Caption::Design);
    ContinueButton->setGeometry(layout::ContinueButton);
    ContinueButton->setEnabled(false);
    QStringList captions;
    for (Caption caption : {Caption::Design, Caption::Start, Caption::Continue, Caption::Restart}) {
        captions << CaptionText(caption);
    }
    FitTexts(*ContinueButton, captions);
    connect(ContinueButton, &QPushButton::clicked, this, &PlovariMainForm::ContinueButton_Click);

    // Never shown: its click is the turn, which only the timer runs.
    DoTurn = new QPushButton(QStringLiteral("Do Turn"), &client);
    DoTurn->setObjectName(QStringLiteral("DoTurn"));
    DoTurn->setGeometry(layout::DoTurn);
    DoTurn->hide();
    connect(DoTurn, &QPushButton::clicked, this, &PlovariMainForm::DoTurn_Click);

    // The key catcher: visible and enabled so it can take the focus. It paints its background
    // only, in the window's own colour, so nothing of it shows.
    TempText = new KeyCatcher(&client);
    TempText->setText(QStringLiteral("Text1"));
    TempText->setObjectName(QStringLiteral("TempText"));
    TempText->setGeometry(layout::TempText);
    TempText->setFrame(false);
    TempText->setAccessibleName(accessible::KeyCatcherName());
    TempText->setAccessibleDescription(accessible::KeyCatcherDescription());
    QPalette palette = TempText->palette();
    // Every role, whichever its style paints the background with, in every colour group:
    // styles give the button face a shade of its own while the window is inactive.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor face = palette.color(group, QPalette::Button);
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            palette.setColor(group, static_cast<QPalette::ColorRole>(role), face);
        }
    }
    TempText->setPalette(palette);
    connect(TempText, &KeyCatcher::KeyDown, this, &PlovariMainForm::TempText_KeyDown);
    connect(TempText, &QLineEdit::textChanged, this, &PlovariMainForm::TempText_Change);

    // A coarse timer may be 5 % off on any tick.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(layout::DesignTimerInterval);
    connect(Timer1, &QTimer::timeout, this, &PlovariMainForm::Timer1_Timer);
    Timer1->start(); // switched off by start-up before any tick is handled
}

void PlovariMainForm::SetStackingAndTabOrder() {
    // Back to front: lane squares 0..5 behind everything, the markers in front of them, and
    // the windowed controls in front of all pictures.
    std::vector<QWidget*> backToFront(Backdrop.begin(), Backdrop.end());
    backToFront.insert(backToFront.end(), Dice.begin(), Dice.end());
    for (Slot slot : {3, 4, 5}) {
        backToFront.push_back(MovingImage.at(Index(slot)));
    }
    for (MarkerPicture picture :
         {MarkerPicture::LowImage, MarkerPicture::RegularImage, MarkerPicture::MediumImageStop,
          MarkerPicture::MediumImageGo, MarkerPicture::HighImageStop, MarkerPicture::HighImageGo}) {
        backToFront.push_back(&ModePicture(picture));
    }
    for (Slot slot : {2, 0, 1}) {
        backToFront.push_back(MovingImage.at(Index(slot)));
    }
    backToFront.insert(backToFront.end(), {TempText, DoTurn, ContinueButton, ModeFrame});

    // Inside the mode panel.
    backToFront.insert(backToFront.end(), {Label1[0]});
    backToFront.insert(backToFront.end(), PlayerDice.rbegin(), PlayerDice.rend());
    backToFront.insert(backToFront.end(), {Label1[1], Label1[2], PlayerMode[0]});
    backToFront.insert(backToFront.end(), PlayerScore.rbegin(), PlayerScore.rend());
    for (Slot slot = 1; slot < MaxPlayers; ++slot) {
        backToFront.push_back(PlayerMode.at(Index(slot)));
    }
    for (QWidget* widget : backToFront) {
        widget->raise();
    }

    std::vector<std::pair<int, QWidget*>> tabStops{{layout::DoTurnTabIndex, DoTurn},
                                                   {layout::ContinueButtonTabIndex, ContinueButton},
                                                   {layout::TempTextTabIndex, TempText}};
    for (Slot slot = 0; slot < MaxPlayers; ++slot) {
        const std::array<int, 4> indexes = layout::ModeButtonTabIndexes(slot);
        for (Mode mode : AllModes) {
            tabStops.emplace_back(indexes.at(static_cast<std::size_t>(mode)),
                                  ModeButton(slot, mode));
        }
    }
    std::sort(tabStops.begin(), tabStops.end());
    for (std::size_t stop = 1; stop < tabStops.size(); ++stop) {
        setTabOrder(tabStops[stop - 1].second, tabStops[stop].second);
    }
}

ImageBox& PlovariMainForm::ModePicture(MarkerPicture picture) const {
    return *ModePictures.at(static_cast<std::size_t>(picture));
}

QRadioButton* PlovariMainForm::ModeButton(Slot slot, Mode mode) const {
    return ModeButtons.at(Index(slot)).at(static_cast<std::size_t>(mode));
}

void PlovariMainForm::Form_Load() {
    Controller.Form_Load();
}

void PlovariMainForm::Timer1_Timer() {
    // Once stopped, the timer delivers no further tick, not even one already due.
    if (!Timer1->isActive()) {
        return;
    }
    Controller.Timer1_Timer();
}

void PlovariMainForm::ContinueButton_Click() {
    Controller.ContinueButton_Click();
}

void PlovariMainForm::TempText_KeyDown() {
    Controller.TempText_KeyDown();
}

void PlovariMainForm::TempText_Change() {
    if (!TempText->text().isEmpty()) {
        TempText->clear();
    }
}

void PlovariMainForm::DoTurn_Click() {
    Controller.DoTurn_Click();
}

void PlovariMainForm::StepByStep_Click() {
    Controller.ChoosePace(Pace::StepByStep);
}

void PlovariMainForm::Slow_Click() {
    Controller.ChoosePace(Pace::Slow);
}

void PlovariMainForm::Fast_Click() {
    Controller.ChoosePace(Pace::Fast);
}

void PlovariMainForm::SetScoreText(Slot slot, const std::string& text) {
    PlayerScore.at(Index(slot))->setText(QString::fromStdString(text));
    FitScores();
}

void PlovariMainForm::FitScores() {
    // One font for all racing boxes, the same for every score below 1000, so no box changes
    // its font during a race; a fourth digit, which only the turn that ends a race to 1000
    // can bring, makes them all smaller together where it would not fit.
    int digits = MinScoreDigits;
    for (Slot slot = 0; slot < State().PlayerCount; ++slot) {
        digits = std::max(digits,
                          static_cast<int>(PlayerScore.at(Index(slot))->text().trimmed().size()));
    }
    if (digits == ScoreDigits) {
        return;
    }
    ScoreDigits = digits;
    const QStringList widest = WidestScores(digits);
    for (QLineEdit* score : PlayerScore) {
        FitTexts(*score, widest);
    }
}

void PlovariMainForm::ShowDiceFace(Slot slot, std::int16_t die) {
    PlayerDice.at(Index(slot))->TakePictureOf(*Dice.at(static_cast<std::size_t>(die - 1)));
}

void PlovariMainForm::ShowMarkerPicture(Slot slot, MarkerPicture picture) {
    MovingImage.at(Index(slot))->TakePictureOf(ModePicture(picture));
}

bool PlovariMainForm::IsModeSelected(Slot slot, Mode mode) const {
    return ModeButton(slot, mode)->isChecked();
}

void PlovariMainForm::SelectMode(Slot slot, Mode mode) {
    ModeButton(slot, mode)->setChecked(true);
}

void PlovariMainForm::DrawPlayer(Slot slot) {
    const auto width = static_cast<float>(Client->width());
    const LanePlacement placement =
        PlaceInLane(slot, State().Scores.at(Index(slot)), State().FinishLine, width);
    MovingImage.at(Index(slot))->MoveTo(placement.MarkerLeft, placement.MarkerTop);
    Backdrop.at(Index(slot))->MoveTo(placement.SquareLeft, placement.SquareTop);
}

void PlovariMainForm::VisiblePlayers() {
    for (Slot slot = 0; slot < MaxPlayers; ++slot) {
        const bool racing = slot < State().PlayerCount;
        for (QWidget* control : {static_cast<QWidget*>(PlayerMode.at(Index(slot))),
                                 static_cast<QWidget*>(PlayerScore.at(Index(slot))),
                                 static_cast<QWidget*>(PlayerDice.at(Index(slot))),
                                 static_cast<QWidget*>(MovingImage.at(Index(slot))),
                                 static_cast<QWidget*>(Backdrop.at(Index(slot)))}) {
            control->setVisible(racing);
        }
    }
    FitScores(); // a box shown again may still hold a longer score
}

void PlovariMainForm::SetTimerEnabled(bool enabled) {
    if (!enabled) {
        Timer1->stop();
    } else if (!Timer1->isActive()) {
        Timer1->start();
    }
}

void PlovariMainForm::SetTimerInterval(int milliseconds) {
    Timer1->setInterval(milliseconds);
}

void PlovariMainForm::SetContinueEnabled(bool enabled) {
    ContinueButton->setEnabled(enabled);
}

QString PlovariMainForm::CaptionText(Caption caption) {
    switch (caption) {
    case Caption::Design:
        //: The continue button's caption before the game has set up the race; no player sees
        //: it for long. Fits a 65 x 25 pixel button: about 8 Latin letters or 4 CJK characters.
        return tr("start");
    case Caption::Start:
        //: The continue button: a click starts the race. Fits a 65 x 25 pixel button: about
        //: 8 Latin letters or 4 CJK characters.
        return tr("Start");
    case Caption::Continue:
        //: The continue button: a click resumes the paused race. Fits a 65 x 25 pixel button:
        //: about 8 Latin letters or 4 CJK characters.
        return tr("Continue");
    case Caption::Restart:
        //: The continue button once the race is over: a click puts every racer back at the
        //: start. Fits a 65 x 25 pixel button: about 8 Latin letters or 4 CJK characters.
        return tr("Restart");
    }
    return {};
}

void PlovariMainForm::SetContinueCaption(Caption caption) {
    ContinueButton->setText(CaptionText(caption));
    ContinueButton->setProperty(CaptionProperty, static_cast<int>(caption));
    ContinueButton->setAccessibleDescription(accessible::ContinueDescription(caption));
}

Caption PlovariMainForm::ContinueCaption() const {
    return static_cast<Caption>(ContinueButton->property(CaptionProperty).toInt());
}

void PlovariMainForm::FocusKeyCatcher() {
    // While a modal window is open this only chooses the focus the main window will have again
    // when it is active; the tick goes on either way.
    TempText->setFocus(Qt::OtherFocusReason);
}

void PlovariMainForm::SetChecked(MenuItem item, bool checked) {
    Menus.Item(item)->setChecked(checked);
}

bool PlovariMainForm::IsChecked(MenuItem item) const {
    return Menus.Item(item)->isChecked();
}

} // namespace plovari
