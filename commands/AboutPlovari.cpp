#include "AboutPlovari.h"

#include "Controls.h"
#include "Layout.h"
#include "TextFit.h"
#include "Version.h"
#include "WindowFrame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QStyle>
#include <algorithm>

namespace plovari {

namespace {

/// The labels' designed places, top to bottom: version, where to write, where to look.
constexpr std::array<QRect, 3> LabelBoxes{
    {{40, 16, 193, 49}, {40, 80, 185, 33}, {40, 128, 193, 33}}};
constexpr std::array<const char*, 3> LabelNames{{"Label3", "Label4", "Label5"}};

/// The least room kept between a label and the next, so that their texts never touch.
constexpr int LabelGap = 4;

/// The height a label may take: down to the next label less the gap; the last label as much
/// as it needs, the window growing below it.
int RoomOf(std::size_t place) {
    return place + 1 < LabelBoxes.size()
               ? LabelBoxes.at(place + 1).top() - LabelBoxes.at(place).top() - LabelGap
               : QWIDGETSIZE_MAX;
}

constexpr std::array<QPoint, 4> IconPlaces{{{272, 8}, {272, 48}, {272, 88}, {272, 128}}};
QString VersionText() {
    //: The About window's first label, 193 pixels wide; %1 is the version number, e.g. 1.0.0.
    return AboutPlovari::tr("Plovari version %1\nby the Plovari developers")
        .arg(QStringLiteral(PLOVARI_VERSION));
}

/// A designed place, mirrored in a right-to-left language, so that the text column starts on
/// the reading side and the icons stand at its end.
QRect Placed(const QRect& designed) {
    return QStyle::visualRect(QGuiApplication::layoutDirection(),
                              QRect(QPoint(), AboutPlovari::ClientArea), designed);
}

/// The least room kept below the last label when the window has to grow.
constexpr int BottomMargin = 4;

} // namespace

AboutPlovari::AboutPlovari(QWidget* owner)
    : QDialog(owner, WindowFrame::Flags(WindowFrame::Kind::Dialog)) {
    setObjectName(QStringLiteral("AboutPlovari"));
    //: The About window's title.
    setWindowTitle(tr("About Plovari"));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    Frame = new WindowFrame(*this, WindowFrame::Kind::Dialog);

    const std::array<QString, 3> texts{
        VersionText(),
        //: A label 185 pixels wide; %1 is the authors' e-mail address.
        tr("Any comments or bug reports can be sent to %1").arg(QStringLiteral(PLOVARI_CONTACT)),
        //: A label 193 pixels wide; %1 is the makers' web address.
        tr("Check out %1 for other software, short stories and merchandise.")
            .arg(QStringLiteral(PLOVARI_WEBSITE)),
    };
    for (std::size_t place = 0; place < Labels.size(); ++place) {
        auto* text = new QLabel(texts.at(place), this);
        text->setObjectName(QString::fromUtf8(LabelNames.at(place)));
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        text->setGeometry(LabelBoxes.at(place));
        Labels.at(place) = text;
    }
    // One font for all labels, set on the window, which they inherit: the largest at which
    // each label's text wraps within its room. Texts of one size read as one text; fitted one
    // by one, a long translation would stand in a smaller font than its neighbours.
    KeepFitting(*this, [this](const QFont& font) {
        setFont(font);
        for (std::size_t place = 0; place < Labels.size(); ++place) {
            if (!WrapsWithin(*Labels.at(place), RoomOf(place))) {
                return false;
            }
        }
        return true;
    });
    PlaceLabels();

    for (std::size_t image = 0; image < IconPlaces.size(); ++image) {
        auto* icon = new ImageBox(this, Picture::Icon);
        icon->setObjectName(QStringLiteral("Image%1").arg(image + 1));
        icon->setAccessibleName(DescriptionOf(Picture::Icon));
        icon->setGeometry(Placed(QRect(IconPlaces.at(image), layout::IconSize)));
    }
}

AboutPlovari::~AboutPlovari() = default;

void AboutPlovari::PlaceLabels() {
    // Each label keeps its designed place and width and takes the height its wrapped text
    // needs, within its room.
    int bottom = 0;
    for (std::size_t place = 0; place < Labels.size(); ++place) {
        const QRect& box = LabelBoxes.at(place);
        const int height = std::min(
            RoomOf(place), std::max(box.height(), Labels.at(place)->heightForWidth(box.width())));
        Labels.at(place)->setGeometry(Placed(QRect(box.topLeft(), QSize(box.width(), height))));
        bottom = box.top() + height;
    }
    Frame->Hold(*this,
                QSize(ClientArea.width(), std::max(ClientArea.height(), bottom + BottomMargin)));
}

void AboutPlovari::changeEvent(QEvent* event) {
    // A new font, fitted to a new user's font or style, wraps the texts anew.
    if (event->type() == QEvent::FontChange && Labels.back() != nullptr) {
        PlaceLabels();
    }
    QDialog::changeEvent(event);
}

} // namespace plovari
