#pragma once

// Texts in boxes of fixed size. Every control keeps its designed place and size whatever the
// user's font, its size in points and the screen's dots per inch; where a text would not show
// whole, the control's font is made smaller, never the box larger.
//
// A control gets one font for all the texts it may show (every caption of a button, every word
// of a label, in whatever language they are): the largest, no larger than the user's font, at
// which the longest of them fits. So a control never changes its font between its texts, and
// whenever the longest fits at the user's font the control keeps that font, untouched. The
// font is fitted again whenever the user's font or the style changes; a control whose texts
// change (another language) is given its new texts by calling its Fit function again.

#include <QFont>
#include <QRect>
#include <QStringList>
#include <functional>

class QLabel;
class QMenu;
class QMenuBar;
class QWidget;

namespace plovari {

/// Whether a font lets a control's texts show whole.
using FitTest = std::function<bool(const QFont&)>;

/// The largest font, no larger than `base` and otherwise the same, at which `fits` holds:
/// `base` itself when it holds there. Never below SmallestPixelSize, where it stops trying.
QFont FittedFont(const QFont& base, const FitTest& fits);
inline constexpr int SmallestPixelSize = 6;

/// Where `control` draws a one-line text: for a line edit the line inside its frame and text
/// margins, for a push button the inside of its frame less the style's text margin, for
/// anything else its contents rectangle.
QRect TextRoom(const QWidget& control);

/// Whether each of `texts` shows whole on one line in a room of `room` pixels, drawn in
/// `font` on `device` (whose dots per inch count). Blanks at either end are room, not text.
bool FitsOnOneLine(const QStringList& texts, const QFont& font, QSize room, const QWidget& device);

/// Keeps `control`'s font the largest, up to the user's font for it, at which `fits` holds,
/// now and whenever the user's font or the style changes. Replaces an earlier fit.
void KeepFitting(QWidget& control, FitTest fits);

/// One font for `control` at which each of `texts` shows whole on one line in `room`, or in
/// its TextRoom when no room is given.
void FitTexts(QWidget& control, const QStringList& texts, QSize room = {});

/// A word-wrapping label's font such that its text, wrapped at the label's width, needs no
/// more than `height` pixels and no word is wider than the label.
void FitWrappedText(QLabel& label, int height);

/// The menu bar's font such that all its titles stand in one row of `width` pixels.
void FitMenuTitles(QMenuBar& bar, int width);

/// Widens `menu`, whenever it opens, so that none of its items is drawn cut short. Qt sizes an
/// item by its text without the access key's "&", but where the text mixes directions (a Latin
/// name in Arabic) it cuts the text to a width that counts the "&" as drawn.
void KeepItemsWhole(QMenu& menu);

} // namespace plovari
