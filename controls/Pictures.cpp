#include "Pictures.h"

#include <QCoreApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <array>
#include <iterator>
#include <memory>
#include <stdexcept>

namespace plovari {

namespace {

struct PictureFile {
    const char* Resource;
    const char* Description;
};

// In the order of Picture, after None. The descriptions are what a screen reader says about a
// picture; the mode names in them are the mode buttons' names.
constexpr std::array<PictureFile, 13> Files{{
    //: The program's icon, as a screen reader names it.
    {":/pictures/icon.svg", QT_TRANSLATE_NOOP("Pictures", "Plovari icon")},
    //: A die picture, after "Player 1 die": the face with one pip.
    {":/pictures/die1.svg", QT_TRANSLATE_NOOP("Pictures", "showing 1")},
    {":/pictures/die2.svg", QT_TRANSLATE_NOOP("Pictures", "showing 2")},
    {":/pictures/die3.svg", QT_TRANSLATE_NOOP("Pictures", "showing 3")},
    {":/pictures/die4.svg", QT_TRANSLATE_NOOP("Pictures", "showing 4")},
    {":/pictures/die5.svg", QT_TRANSLATE_NOOP("Pictures", "showing 5")},
    {":/pictures/die6.svg", QT_TRANSLATE_NOOP("Pictures", "showing 6")},
    //: A marker's picture: what it shows, then the mode it stands for.
    {":/pictures/smiley.svg", QT_TRANSLATE_NOOP("Pictures", "smiley: Regular")},
    {":/pictures/handshake.svg", QT_TRANSLATE_NOOP("Pictures", "handshake: Low")},
    {":/pictures/light_go.svg",
     QT_TRANSLATE_NOOP("Pictures", "traffic light showing green: Medium, scored")},
    {":/pictures/light_stop.svg",
     QT_TRANSLATE_NOOP("Pictures", "traffic light showing red: Medium, no match")},
    {":/pictures/go_sign.svg",
     QT_TRANSLATE_NOOP("Pictures", "sign with an arrow up and 50: High, scored")},
    {":/pictures/stop_sign.svg",
     QT_TRANSLATE_NOOP("Pictures", "stop sign: High, not the highest die")},
}};

static_assert(std::size(AllPictures) == Files.size(), "every picture has its file");

const PictureFile& FileOf(Picture picture) {
    return Files.at(static_cast<std::size_t>(picture) - 1);
}

/// An icon drawn from vector art at exactly the pixels asked for, so it is sharp at any size
/// and any screen density, fractional ones included.
class PictureIconEngine final : public QIconEngine {
public:
    explicit PictureIconEngine(Picture picture)
        : Shown(picture) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        RendererOf(Shown)->render(painter, QRectF(rect));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return pixmap;
    }
    QIconEngine* clone() const override { return new PictureIconEngine(Shown); }
    /// The sizes a window manager may ask for when it wants a list. Not 256: on X11 every listed
    /// size is drawn and sent with the window before it can show, and a 256-pixel icon was most
    /// of that work, for a size no title bar or task switcher uses.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int size : {16, 24, 32, 48, 64, 128}) {
            sizes.append(QSize(size, size));
        }
        return sizes;
    }

private:
    Picture Shown;
};

} // namespace

Picture DieFace(int pips) {
    if (pips < 1 || pips > 6) {
        throw std::out_of_range("a die has 1 to 6 pips");
    }
    return static_cast<Picture>(static_cast<int>(Picture::Die1) + pips - 1);
}

Picture PictureOf(MarkerPicture marker) {
    // In the order of MarkerPicture.
    static constexpr std::array<Picture, 6> pictures{Picture::Smiley,  Picture::Handshake,
                                                     Picture::LightGo, Picture::LightStop,
                                                     Picture::GoSign,  Picture::StopSign};
    return pictures.at(static_cast<std::size_t>(marker));
}

QString DescriptionOf(Picture picture) {
    return picture == Picture::None
               ? QString()
               : QCoreApplication::translate("Pictures", FileOf(picture).Description);
}

QSvgRenderer* RendererOf(Picture picture) {
    if (picture == Picture::None) {
        return nullptr;
    }
    // Parsed once and shared by every box that shows the picture; lives as long as the program.
    static std::array<std::unique_ptr<QSvgRenderer>, Files.size()> renderers;
    auto& renderer = renderers.at(static_cast<std::size_t>(picture) - 1);
    if (!renderer) {
        renderer = std::make_unique<QSvgRenderer>(QString::fromUtf8(FileOf(picture).Resource));
    }
    return renderer.get();
}

QIcon WindowIcon() {
    return QIcon(new PictureIconEngine(Picture::Icon));
}

} // namespace plovari
