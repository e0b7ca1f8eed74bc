#include "Controls.h"

#include "AccessibleRole.h"
#include "Layout.h"
#include "OptionButton.h"
#include "TextFit.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

namespace plovari {

PlacedControl::PlacedControl(QWidget* parent)
    : QWidget(parent) {}

void PlacedControl::MoveTo(float left, float top) {
    Exact = QPointF(left, top);
    move(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)));
}

ImageBox::ImageBox(QWidget* parent, Picture picture)
    : PlacedControl(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    SetAccessibleRole(*this, QAccessible::Graphic);
    SetPicture(picture);
}

void ImageBox::SetPicture(Picture picture) {
    if (picture == Shown) {
        return;
    }
    Shown = picture;
    setAccessibleDescription(DescriptionOf(picture));
    update();
}

void ImageBox::paintEvent(QPaintEvent*) {
    if (QSvgRenderer* renderer = RendererOf(Shown)) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer->render(&painter, QRectF(rect()));
    }
}

SolidRectangle::SolidRectangle(QWidget* parent, const QColor& colour)
    : PlacedControl(parent)
    , Fill(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SolidRectangle::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), Fill);
}

KeyCatcher::KeyCatcher(QWidget* parent)
    : QLineEdit(parent) {
    // An editable text field asks the platform's input method for a keyboard on every key
    // and every click; on Wayland that is the compositor's on-screen keyboard, and with no
    // input device at all Qt's request fails hard. A read-only field asks for none.
    setReadOnly(true);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setInputMethodHints(Qt::ImhNone);
}

QVariant KeyCatcher::inputMethodQuery(Qt::InputMethodQuery query) const {
    // A line edit answers that it takes input whatever its attribute says, and the platform
    // asks exactly this when the focus arrives: on Wayland a yes activates the compositor's
    // text input, which brings up an on-screen keyboard.
    if (query == Qt::ImEnabled) {
        return false;
    }
    return QLineEdit::inputMethodQuery(query);
}

bool KeyCatcher::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        emit KeyDown();
    }
    return QLineEdit::event(event);
}

void KeyCatcher::keyPressEvent(QKeyEvent* event) {
    // What an editable box would have taken in. The line edit's own key handling is left out
    // altogether: even read-only it consults the platform's input method on some keys, which
    // fails where the compositor has no input device.
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.at(0).isPrint()) {
        insert(typed);
    }
    event->accept();
}

void KeyCatcher::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
}

void KeyCatcher::paintEvent(QPaintEvent*) {
    // Only what the control below paints. A line edit draws its text cursor by inverting the
    // pixels below, which no palette hides, and at a fractional scale even a cursor of no
    // width shows. The colour is taken at each paint, in the colour group of the moment
    // (active, inactive or disabled), so no style or palette change can set it apart.
    const QWidget* below = parentWidget() != nullptr ? parentWidget() : this;
    QPainter(this).fillRect(rect(), below->palette().color(below->backgroundRole()));
}

namespace {

/// Room for one head: the distance between neighbouring mode buttons, less a pixel between
/// heads; and the height above the mode boxes, which stand in front of the label's last row.
constexpr QSize HeadRoom{layout::ModeButtons[1].x() - layout::ModeButtons[0].x() - 1,
                         layout::ModeBoxes[0].y() - layout::ColumnHeads[0].y()};

} // namespace

ColumnHeads::ColumnHeads(QWidget* parent)
    : QLabel(parent) {
    //: The heads of the four mode columns Low, Regular, Medium and High, separated by two
    //: blanks. Each stands over a mode button 16 pixels wide: keep each to about 2 Latin letters
    //: or 1 CJK character, and keep the blanks between them.
    SetHeads(tr("Lw  Rg  Md  Hi"));
}

void ColumnHeads::SetHeads(const QString& heads) {
    setText(heads);
    FitTexts(*this, heads.split(QLatin1Char(' '), Qt::SkipEmptyParts), HeadRoom);
}

void ColumnHeads::paintEvent(QPaintEvent*) {
    // The heads stand over the mode box below, whose left edge is the label's left edge, each
    // word's ink centred over the circle that its mode button draws, which is the same in
    // every style; the word's advance may lie off its ink by a side bearing.
    const qreal circle = OptionButton::IndicatorRectIn(layout::ModeButtonSize).center().x();
    const QStringList words = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QFontMetricsF metrics(font(), this);
    const qreal baseline = HeadRoom.height() - metrics.descent();
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    for (int column = 0; column < words.size() && column < 4; ++column) {
        const qreal centre = layout::ModeButtons.at(static_cast<std::size_t>(column)).x() + circle;
        const QRectF ink = metrics.tightBoundingRect(words.at(column));
        painter.drawText(QPointF(centre - ink.center().x(), baseline), words.at(column));
    }
}

} // namespace plovari
