#pragma once

// Whether every text that lives in a box of fixed size shows whole: measured with each
// control's own font and metrics, against the part of the control where it is drawn. Works on
// any window of the game, in any language and at any font: it looks at what each control shows
// now, so a test calls it in every state whose texts it wants checked.

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOption>
#include <QTextBoundaryFinder>
#include <QToolButton>
#include <QWidget>

namespace plovari::testing {

inline QString Describe(const QWidget& control, const QString& text, const QString& problem) {
    return QStringLiteral("%1 \"%2\" (%3 px %4): %5")
        .arg(control.objectName(), text, QString::number(QFontInfo(control.font()).pixelSize()),
             control.font().family(), problem);
}

/// The inside of a control's frame.
inline QRect InsideFrame(const QWidget& control) {
    const int frame = control.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &control);
    return control.rect().adjusted(frame, frame, -frame, -frame);
}

/// A line edit's text: where the line edit itself, scrolled as it is, draws its first and last
/// visible character must lie inside its frame. A blank at the start may scroll out of sight.
inline void CheckLineEdit(QLineEdit& edit, QStringList& problems) {
    edit.grab(); // a line edit scrolls its text when it paints
    const QFontMetricsF metrics(edit.font(), &edit);
    const QString shown = edit.text().trimmed();
    // The text cursor, where the line edit draws it, stands after the last character.
    const qreal end = edit.inputMethodQuery(Qt::ImCursorRectangle).toRectF().center().x();
    const qreal start = end - metrics.horizontalAdvance(shown);
    const QRect inside = InsideFrame(edit);
    if (start < inside.left() || end > inside.right() + 1) {
        problems << Describe(edit, edit.text(),
                             QStringLiteral("drawn from x %1 to %2, the box shows %3 to %4")
                                 .arg(start)
                                 .arg(end)
                                 .arg(inside.left())
                                 .arg(inside.right() + 1));
    }
    if (metrics.height() > inside.height()) {
        problems << Describe(edit, edit.text(), QStringLiteral("taller than the box"));
    }
}

/// A button's caption, centred inside its frame, clear of the frame's line by half the style's
/// button margin on each side.
inline void CheckButton(const QPushButton& button, QStringList& problems) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.rect = button.rect();
    const QStyle* style = button.style();
    const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, &option, &button) / 2 +
                       style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &button);
    const QRect inside = button.style()
                             ->subElementRect(QStyle::SE_PushButtonContents, &option, &button)
                             .adjusted(margin, 0, -margin, 0);
    const QFontMetricsF metrics(button.font(), &button);
    const QSizeF size = metrics.size(Qt::TextShowMnemonic, button.text());
    if (size.width() > inside.width() || size.height() > inside.height()) {
        problems << Describe(button, button.text(),
                             QStringLiteral("needs %1 x %2, the button holds %3 x %4")
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(inside.width())
                                 .arg(inside.height()));
    }
}

/// A word-wrapping label: its text, wrapped at its width, within its height, nothing between
/// two places where a line may break (a word; in CJK mostly one character) wider than the
/// label, and the label inside its window, apart from every other label: not even touching.
inline void CheckWrappedLabel(const QLabel& label, QStringList& problems) {
    const QFontMetricsF metrics(label.font(), &label);
    const QString text = label.text();
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    for (qsizetype start = 0; breaks.toNextBoundary() != -1; start = breaks.position()) {
        const QString unbroken = text.mid(start, breaks.position() - start).trimmed();
        if (metrics.horizontalAdvance(unbroken) > label.contentsRect().width()) {
            problems << Describe(label, unbroken, QStringLiteral("wider than the label"));
        }
    }
    if (label.heightForWidth(label.width()) > label.height()) {
        problems << Describe(label, label.text(), QStringLiteral("taller than the label"));
    }
    for (const QLabel* other : label.parentWidget()->findChildren<QLabel*>()) {
        if (other != &label && other->isVisible() &&
            other->geometry().intersects(label.geometry().adjusted(-1, -1, 1, 1))) {
            problems << Describe(label, label.text(),
                                 QStringLiteral("touches ") + other->objectName());
        }
    }
    if (!label.parentWidget()->rect().contains(label.geometry())) {
        problems << Describe(label, label.text(), QStringLiteral("reaches out of its window"));
    }
}

/// Every title in one row of the bar, with no overflow button.
inline void CheckMenuBar(QMenuBar& bar, QStringList& problems) {
    for (QAction* action : bar.actions()) {
        const QRect place = bar.actionGeometry(action);
        if (place.isEmpty() || !bar.rect().contains(place) || place.top() > bar.rect().top() + 4) {
            problems << Describe(bar, action->text(), QStringLiteral("not in the bar's one row"));
        }
    }
    const auto* overflow = bar.findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
    if (overflow != nullptr && overflow->isVisible()) {
        problems << Describe(bar, QString(), QStringLiteral("titles overflow the bar"));
    }
}

/// Each word of the column heads between its neighbours' places and above the mode box below.
/// room: the width one head may take and the height left above the mode box.
inline void CheckHeads(const QLabel& heads, QSize room, QStringList& problems) {
    const QFontMetricsF metrics(heads.font(), &heads);
    for (const QString& word : heads.text().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (metrics.horizontalAdvance(word) > room.width() || metrics.height() > room.height()) {
            problems << Describe(heads, word,
                                 QStringLiteral("needs %1 x %2, a head has %3 x %4")
                                     .arg(metrics.horizontalAdvance(word))
                                     .arg(metrics.height())
                                     .arg(room.width())
                                     .arg(room.height()));
        }
    }
}

/// What does not show whole among the visible fixed texts of `window`: line edits (but the
/// invisible key catcher), push buttons, word-wrapping labels, the menu bar, and the column
/// heads, whose room is given by the mode buttons and boxes (`headRoom`, or none).
inline QStringList FixedTextProblems(QWidget& window, QSize headRoom = {}) {
    QStringList problems;
    for (QLineEdit* edit : window.findChildren<QLineEdit*>()) {
        if (edit->isVisible() && edit->objectName() != QStringLiteral("TempText")) {
            CheckLineEdit(*edit, problems);
        }
    }
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->isVisible()) {
            CheckButton(*button, problems);
        }
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->isVisible() && label->wordWrap()) {
            CheckWrappedLabel(*label, problems);
        } else if (label->isVisible() && label->objectName().startsWith(QStringLiteral("Label1"))) {
            CheckHeads(*label, headRoom, problems);
        }
    }
    for (QMenuBar* bar : window.findChildren<QMenuBar*>()) {
        CheckMenuBar(*bar, problems);
    }
    return problems;
}

} // namespace plovari::testing
