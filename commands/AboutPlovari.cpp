#include "AboutPlovari.h"

#include "AccessibleRole.h"
#include "Pictures.h"
#include "Version.h"

#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <algorithm>

namespace plovari {

namespace {

/// An image box showing the program's icon, drawn at the screen's pixel ratio.
class IconBox final : public QWidget {
public:
    IconBox(QWidget* parent, QIcon icon)
        : QWidget(parent)
        , Icon(std::move(icon)) {
        SetAccessibleRole(*this, QAccessible::Graphic);
        setAccessibleName(DescriptionOf(Picture::Icon));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        Icon.paint(&painter, rect());
    }

private:
    QIcon Icon;
};

struct LabelPlace {
    const char* Name;
    QRect Box;
    QString Text;
};

constexpr std::array<QPoint, 4> IconPlaces{{{272, 8}, {272, 48}, {272, 88}, {272, 128}}};
constexpr QSize IconSize{32, 32};
QString VersionText() {
    //: The About window's first label, 193 pixels wide; %1 is the version number, e.g. 1.0.0.
    return AboutPlovari::tr("Plovari version %1\nby the Plovari developers")
        .arg(QStringLiteral(PLOVARI_VERSION));
}

/// The least room kept below the last label when the window has to grow.
constexpr int BottomMargin = 4;

} // namespace

AboutPlovari::AboutPlovari(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                         Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("AboutPlovari"));
    //: The About window's title.
    setWindowTitle(tr("About Plovari"));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    const std::array<LabelPlace, 3> labels{{
        {"Label3", QRect(40, 16, 193, 49), VersionText()},
        {"Label4", QRect(40, 80, 185, 33),
         //: A label 185 pixels wide; %1 is the authors' e-mail address.
         tr("Any comments or bug reports can be sent to %1")
             .arg(QStringLiteral("plovari@example.org"))},
        {"Label5", QRect(40, 128, 193, 33),
         //: A label 193 pixels wide; %1 is the makers' web address.
         tr("Check out %1 for other software, short stories and merchandise.")
             .arg(QStringLiteral("www.example.org"))},
    }};
    int bottom = 0;
    for (const LabelPlace& place : labels) {
        auto* label = new QLabel(place.Text, this);
        label->setObjectName(QString::fromUtf8(place.Name));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // Keep the designed place and width; take the height the wrapped text needs, and move
        // down only if the label above has grown into this one's place.
        const int top = std::max(place.Box.top(), bottom);
        const int height = std::max(place.Box.height(), label->heightForWidth(place.Box.width()));
        label->setGeometry(place.Box.left(), top, place.Box.width(), height);
        bottom = top + height;
    }

    for (std::size_t image = 0; image < IconPlaces.size(); ++image) {
        auto* icon = new IconBox(this, owner != nullptr ? owner->windowIcon() : windowIcon());
        icon->setObjectName(QStringLiteral("Image%1").arg(image + 1));
        icon->setGeometry(QRect(IconPlaces.at(image), IconSize));
    }

    setFixedSize(ClientArea.width(), std::max(ClientArea.height(), bottom + BottomMargin));
}

AboutPlovari::~AboutPlovari() = default;

} // namespace plovari
