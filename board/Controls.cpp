#include "Controls.h"

#include "AccessibleRole.h"
#include "Layout.h"

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

ColumnHeads::ColumnHeads(QWidget* parent)
    //: The heads of the four mode columns Low, Regular, Medium and High, separated by two
    //: blanks. Each stands over a mode button 16 pixels wide: keep each to about 2 Latin letters
    //: or 1 CJK character, and keep the blanks between them.
    : QLabel(tr("Lw  Rg  Md  Hi"), parent) {}

void ColumnHeads::paintEvent(QPaintEvent*) {
    // The heads stand over the mode box below, whose left edge is the label's left edge.
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth);
    const QStringList words = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QFont font = this->font();
    const int room = layout::ModeButtons[1].x() - layout::ModeButtons[0].x() - 1;
    int widest = 0;
    for (const QString& word : words) {
        widest = std::max(widest, QFontMetrics(font).horizontalAdvance(word));
    }
    if (widest > room) {
        // Shrink only as much as the narrow columns need.
        if (font.pointSizeF() > 0) {
            font.setPointSizeF(font.pointSizeF() * room / widest);
        } else {
            font.setPixelSize(std::max(1, font.pixelSize() * room / widest));
        }
    }
    QPainter painter(this);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::WindowText));
    for (int column = 0; column < words.size() && column < 4; ++column) {
        const int centre =
            layout::ModeButtons.at(static_cast<std::size_t>(column)).x() + indicator / 2;
        const QRect cell(centre - room, 0, 2 * room, height());
        painter.drawText(cell, Qt::AlignHCenter | Qt::AlignBottom, words.at(column));
    }
}

} // namespace plovari
