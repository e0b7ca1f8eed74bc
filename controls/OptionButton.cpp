#include "OptionButton.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace plovari {

namespace {

// The classic option button's colours, but with an outline dark all round, lit a little from
// below, so that the circle stands out from the light player colours as well as the white
// face does from the dark ones.
const QColor Face(255, 255, 255);
const QColor PressedFace(212, 208, 200);
const QColor Shadow(48, 48, 48);
const QColor Lit(80, 80, 80);
const QColor Dot(0, 0, 0);
const QColor DisabledDot(128, 128, 128);

/// The width of the dark ring around the face, in pixels.
constexpr double RingWidth = 1.0;
/// The dot's diameter as a share of the circle's.
constexpr double DotShare = 5.0 / 11.0;

double RelativeLuminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

} // namespace

double ContrastRatio(const QColor& one, const QColor& other) {
    const double first = RelativeLuminance(one);
    const double second = RelativeLuminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor ContrastingInk(const QColor& background) {
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}

OptionButton::OptionButton(const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent) {}

QRectF OptionButton::IndicatorRectIn(QSize size) {
    // One pixel all round is kept for the focus ring.
    const double side = std::min(size.width(), size.height()) - 2.0;
    return {1.0, (size.height() - side) / 2.0, side, side};
}

bool OptionButton::hitButton(const QPoint& position) const {
    // The whole button, as the hidden caption belongs to it too.
    return rect().contains(position);
}

void OptionButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor back = palette().color(QPalette::Button);
    painter.fillRect(rect(), back);
    painter.setRenderHint(QPainter::Antialiasing);

    // A dark ring, darkest above and to the left as if sunken, around a white face. Filled
    // shapes rather than a thin pen, which a small circle would blur into its background.
    const QRectF circle = IndicatorRect();
    QLinearGradient shade(circle.topLeft(), circle.bottomRight());
    shade.setColorAt(0.0, Shadow);
    shade.setColorAt(1.0, Lit);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(circle);
    painter.setBrush(isDown() || !isEnabled() ? PressedFace : Face);
    painter.drawEllipse(circle.adjusted(RingWidth, RingWidth, -RingWidth, -RingWidth));

    if (isChecked()) {
        const double diameter = circle.width() * DotShare;
        painter.setPen(Qt::NoPen);
        painter.setBrush(isEnabled() ? Dot : DisabledDot);
        painter.drawEllipse(circle.center(), diameter / 2.0, diameter / 2.0);
    }

    if (hasFocus()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(ContrastingInk(back), 1.0));
        painter.drawEllipse(circle.adjusted(-0.5, -0.5, 0.5, 0.5));
    }
}

} // namespace plovari
