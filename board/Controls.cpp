#include "Controls.h"

#include "AccessibleRole.h"
#include "Layout.h"
#include "TextFit.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
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
    : QLineEdit(parent) {}

bool KeyCatcher::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        emit KeyDown();
    }
    return QLineEdit::event(event);
}

void KeyCatcher::paintEvent(QPaintEvent*) {
    // Its background only. A line edit draws its text cursor by inverting the pixels below,
    // which no palette hides, and at a fractional scale even a cursor of no width shows.
    QPainter(this).fillRect(rect(), palette().color(backgroundRole()));
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
    // The heads stand over the mode box below, whose left edge is the label's left edge.
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth);
    const QStringList words = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    for (int column = 0; column < words.size() && column < 4; ++column) {
        const int centre =
            layout::ModeButtons.at(static_cast<std::size_t>(column)).x() + indicator / 2;
        const QRect cell(centre - HeadRoom.width(), 0, 2 * HeadRoom.width(), HeadRoom.height());
        painter.drawText(cell, Qt::AlignHCenter | Qt::AlignBottom, words.at(column));
    }
}

} // namespace plovari
