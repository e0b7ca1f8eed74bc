#pragma once

// Where the column heads stand, judged by the pixels the mode panel draws: the ink of each
// head's word must be centred over the circle of the mode button below it.

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QStringList>
#include <array>
#include <cmath>

namespace plovari::testing {

/// How far a head's ink may stand off its button's circle, in pixels of the layout.
inline constexpr double HeadTolerance = 1.0;

/// Whether two colours differ as much as ink does from its background.
inline bool Inked(QRgb pixel, QRgb back) {
    const auto lightness = [](QRgb colour) {
        return 0.2126 * qRed(colour) + 0.7152 * qGreen(colour) + 0.0722 * qBlue(colour);
    };
    return std::abs(lightness(pixel) - lightness(back)) >= 64;
}

/// The horizontal middle of the pixels of `image` that stand out from `back`, within the rows
/// and columns given (in the image's pixels), in pixels of the layout from the image's left
/// edge; NaN where none does.
inline double InkMiddle(const QImage& image, QRgb back, int fromRow, int toRow, int left,
                        int right) {
    int first = right;
    int last = left - 1;
    for (int y = fromRow; y < toRow; ++y) {
        for (int x = left; x < right; ++x) {
            if (Inked(image.pixel(x, y), back)) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return last < first ? std::nan("") : (first + last + 1) / 2.0 / image.devicePixelRatio();
}

/// The heads of the mode panel `frame` that do not stand over their buttons: for each label
/// Label1(c) the mode box PlayerMode(2 c) below it and that box's buttons.
inline QStringList HeadsOffTheirButtons(QGroupBox& frame) {
    static constexpr std::array<const char*, 4> Modes{"Low", "Regular", "Medium", "High"};
    QStringList problems;
    const QImage panel = frame.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = panel.devicePixelRatio();
    for (int column = 0; column < 3; ++column) {
        const auto* heads = frame.findChild<QLabel*>(QStringLiteral("Label1%1").arg(column));
        const auto* box = frame.findChild<QWidget*>(QStringLiteral("PlayerMode%1").arg(2 * column));
        if (heads == nullptr || box == nullptr || !box->isVisible()) {
            continue;
        }
        // The circles' middles, by the pixels each button draws against its own colour.
        std::array<double, 4> circles{};
        for (std::size_t mode = 0; mode < Modes.size(); ++mode) {
            auto* button = box->findChild<QRadioButton*>(
                QStringLiteral("%1%2").arg(Modes.at(mode)).arg(2 * column));
            const QImage drawn = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QRgb colour = drawn.pixel(0, 0);
            circles.at(mode) = button->mapTo(&frame, QPoint()).x() +
                               InkMiddle(drawn, colour, 0, drawn.height(), 0, drawn.width());
        }
        // The heads' ink, in the rows above the mode box, which stands in front of the rest.
        const int top = static_cast<int>(heads->y() * ratio);
        const int bottom = static_cast<int>(box->y() * ratio);
        const QRgb back = panel.pixel(static_cast<int>(heads->x() * ratio), top);
        const QStringList words = heads->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (std::size_t mode = 0; mode < circles.size(); ++mode) {
            // Each column of pixels belongs to the nearest circle: a head off its button pulls
            // its ink across the half-way line, or leaves its own side empty.
            const double from =
                mode == 0 ? heads->x() : (circles.at(mode - 1) + circles.at(mode)) / 2;
            const double to = mode + 1 == circles.size()
                                  ? heads->geometry().right() + 1.0
                                  : (circles.at(mode) + circles.at(mode + 1)) / 2;
            const double ink = InkMiddle(panel, back, top, bottom, static_cast<int>(from * ratio),
                                         static_cast<int>(to * ratio));
            const QString word = mode < static_cast<std::size_t>(words.size())
                                     ? words.at(static_cast<qsizetype>(mode))
                                     : QString();
            if (std::isnan(ink) || std::abs(ink - circles.at(mode)) > HeadTolerance) {
                problems << QStringLiteral(
                                "%1 \"%2\": ink centred at x %3, its button's circle at %4")
                                .arg(heads->objectName(), word)
                                .arg(ink, 0, 'f', 1)
                                .arg(circles.at(mode), 0, 'f', 1);
            }
        }
    }
    return problems;
}

} // namespace plovari::testing
