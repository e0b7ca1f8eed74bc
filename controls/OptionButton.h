#pragma once

#include <QColor>
#include <QRadioButton>
#include <QRectF>

namespace plovari {

/// A mode button: a small round option button that draws itself the same way under every
/// style and palette, since it sits on a player's colour rather than on the desktop's: a white
/// sunken circle, a black dot when selected, and, while it has the focus, a ring in black or
/// white, whichever stands out more from its back colour. Its back colour is its palette's
/// Button colour. Otherwise it is a plain QRadioButton: exclusive among its siblings, moved
/// between with the arrow keys, read as a radio button, and selected by a click anywhere on it.
class OptionButton final : public QRadioButton {
    Q_OBJECT
public:
    OptionButton(const QString& caption, QWidget* parent);

    /// Where the circle is drawn: at the left, as tall as the button leaves room for around
    /// it for the focus ring.
    QRectF IndicatorRect() const { return IndicatorRectIn(size()); }
    /// Where the circle of a button of `size` is drawn, whatever the style: what the column
    /// heads stand over.
    static QRectF IndicatorRectIn(QSize size);

protected:
    bool hitButton(const QPoint& position) const override;
    void paintEvent(QPaintEvent* event) override;
};

/// The contrast ratio of two colours, from 1 (the same brightness) to 21 (black on white), by
/// the relative luminance of sRGB colours.
double ContrastRatio(const QColor& one, const QColor& other);

/// Black or white, whichever contrasts more with `background`.
QColor ContrastingInk(const QColor& background);

} // namespace plovari
