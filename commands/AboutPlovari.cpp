#include "AboutPlovari.h"

#include "Controls.h"
#include "Layout.h"
#include "TextFit.h"
#include "Version.h"
#include "WindowFrame.h"

#include <QGuiApplication>
#include <QLabel>
#include <QStyle>
#include <algorithm>

namespace plovari {

namespace {

struct LabelPlace {
    const char* Name;
    QRect Box;
    QString Text;
};

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

    const std::array<LabelPlace, 3> labels{{
        {"Label3", QRect(40, 16, 193, 49), VersionText()},
        {"Label4", QRect(40, 80, 185, 33),
         //: A label 185 pixels wide; %1 is the authors' e-mail address.
         tr("Any comments or bug reports can be sent to %1").arg(QStringLiteral(PLOVARI_CONTACT))},
        {"Label5", QRect(40, 128, 193, 33),
         //: A label 193 pixels wide; %1 is the makers' web address.
         tr("Check out %1 for other software, short stories and merchandise.")
             .arg(QStringLiteral(PLOVARI_WEBSITE))},
    }};
    int bottom = 0;
    for (std::size_t place = 0; place < labels.size(); ++place) {
        const LabelPlace& label = labels.at(place);
        auto* text = new QLabel(label.Text, this);
        text->setObjectName(QString::fromUtf8(label.Name));
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        text->setGeometry(label.Box);
        // Keep the designed place and width, and take the height the wrapped text needs, down
        // to the next label at most: a smaller font where the text needs more. The last label
        // may take what it needs, the window growing below it.
        const int room = place + 1 < labels.size()
                             ? labels.at(place + 1).Box.top() - label.Box.top()
                             : QWIDGETSIZE_MAX;
        FitWrappedText(*text, room);
        const int height = std::max(label.Box.height(), text->heightForWidth(label.Box.width()));
        text->setGeometry(Placed(QRect(label.Box.topLeft(), QSize(label.Box.width(), height))));
        bottom = label.Box.top() + height;
    }

    for (std::size_t image = 0; image < IconPlaces.size(); ++image) {
        auto* icon = new ImageBox(this, Picture::Icon);
        icon->setObjectName(QStringLiteral("Image%1").arg(image + 1));
        icon->setAccessibleName(DescriptionOf(Picture::Icon));
        icon->setGeometry(Placed(QRect(IconPlaces.at(image), layout::IconSize)));
    }

    (new WindowFrame(*this, WindowFrame::Kind::Dialog))
        ->Hold(*this,
               QSize(ClientArea.width(), std::max(ClientArea.height(), bottom + BottomMargin)));
}

AboutPlovari::~AboutPlovari() = default;

} // namespace plovari
