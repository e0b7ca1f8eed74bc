#include "Pictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <array>
#include <memory>
#include <stdexcept>

namespace plovari {

namespace {

struct PictureFile {
    const char* Resource;
    const char* Description;
};

// In the order of Picture, after None.
constexpr std::array<PictureFile, 13> Files{{
    {":/pictures/icon.svg", "Plovari icon"},
    {":/pictures/die1.svg", "die showing 1"},
    {":/pictures/die2.svg", "die showing 2"},
    {":/pictures/die3.svg", "die showing 3"},
    {":/pictures/die4.svg", "die showing 4"},
    {":/pictures/die5.svg", "die showing 5"},
    {":/pictures/die6.svg", "die showing 6"},
    {":/pictures/smiley.svg", "smiley: Regular"},
    {":/pictures/handshake.svg", "handshake: Low"},
    {":/pictures/light_go.svg", "traffic light showing green: Medium, scored"},
    {":/pictures/light_stop.svg", "traffic light showing red: Medium, no match"},
    {":/pictures/go_sign.svg", "sign with an arrow up and 50: High, scored"},
    {":/pictures/stop_sign.svg", "stop sign: High, not the highest die"},
}};

const PictureFile& FileOf(Picture picture) {
    return Files.at(static_cast<std::size_t>(picture) - 1);
}

/// An icon drawn from a picture's vector art at the size asked for, when it is asked for, so it
/// keeps no pixmaps: the window system takes the window icon once at every offered size, as
/// the window opens, and keeps its own copy. The window icon only ever shows in the normal
/// mode, so every mode draws the same.
class PictureIconEngine final : public QIconEngine {
    Q_DISABLE_COPY_MOVE(PictureIconEngine)
public:
    explicit PictureIconEngine(Picture picture)
        : Shown(picture) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        RendererOf(Shown)->render(painter, QRectF(rect));
    }

    // The size is in device pixels, so the picture is drawn at the screen's pixel ratio.
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        if (size.isEmpty()) {
            return {};
        }
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        RendererOf(Shown)->render(&painter);
        return pixmap;
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int size : {16, 24, 32, 48, 64, 128, 256}) {
            sizes.append(QSize(size, size));
        }
        return sizes;
    }

    QIconEngine* clone() const override { return new PictureIconEngine(Shown); }
    QString key() const override { return QStringLiteral("PlovariPicture"); }

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
    return picture == Picture::None ? QString() : QString::fromUtf8(FileOf(picture).Description);
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
