#pragma once

#include "Pictures.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointF>
#include <QWidget>

namespace plovari {

/// A control that the lanes move to fractional positions. It keeps the exact position it was
/// given and stands at the nearest whole pixel, since a widget can only stand on whole pixels.
class PlacedControl : public QWidget {
    Q_OBJECT
public:
    explicit PlacedControl(QWidget* parent);

    void MoveTo(float left, float top);
    /// The position last handed to MoveTo, unrounded (or the opening position).
    QPointF ExactPosition() const { return Exact; }

private:
    QPointF Exact;
};

/// An image box: shows one picture, drawn from vector art at the screen's pixel ratio.
/// Transparent where the picture is, so what lies behind shows through. For screen readers it
/// is a graphic described by what its picture shows; its owner names it.
class ImageBox final : public PlacedControl {
    Q_OBJECT
public:
    explicit ImageBox(QWidget* parent, Picture picture = Picture::None);

    Picture CurrentPicture() const { return Shown; }
    void SetPicture(Picture picture);
    /// Takes the picture another image box shows.
    void TakePictureOf(const ImageBox& source) { SetPicture(source.CurrentPicture()); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Picture Shown = Picture::None;
};

/// A solid rectangle without border: the lane square behind a marker.
class SolidRectangle final : public PlacedControl {
    Q_OBJECT
public:
    SolidRectangle(QWidget* parent, const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor Fill;
};

/// A text box that reports every key that goes down in it, Tab and modifiers included,
/// before doing anything else with it. A typed character enters its text as in any text box
/// (its owner's change handler may clear it), but the box is read-only to the platform: it
/// asks no input method for an on-screen keyboard and hands it nothing to edit. It draws
/// nothing but the background of the control it stands on, so neither its text, a selection
/// nor its text cursor ever shows, in any colour group or style.
class KeyCatcher final : public QLineEdit {
    Q_OBJECT
public:
    explicit KeyCatcher(QWidget* parent);

    /// As a line edit, but it never takes input methods (Qt::ImEnabled is false).
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

signals:
    void KeyDown();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

/// The column heads "Lw  Rg  Md  Hi". The text is kept whole for screen readers; each word is
/// drawn centred over the round part of its mode button, whatever the font's widths, in a font
/// at which every word fits between its neighbours and above the mode box.
class ColumnHeads final : public QLabel {
    Q_OBJECT
public:
    explicit ColumnHeads(QWidget* parent);

    /// The heads, one word per mode button separated by blanks; fits the font to them.
    void SetHeads(const QString& heads);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace plovari
