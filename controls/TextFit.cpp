#include "TextFit.h"

#include <QApplication>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QStyleOptionMenuItem>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <utility>

namespace plovari {

namespace {

/// How much smaller each try is, in points (or pixels for a font sized in pixels).
constexpr qreal PointStep = 0.25;

/// A line edit draws its line this far inside its contents, and keeps one pixel at the end of
/// the line for its text cursor (Qt's own margins, which it does not publish).
constexpr int LineEditHorizontalMargin = 2;
constexpr int LineEditVerticalMargin = 1;
constexpr int LineEditCursorWidth = 1;

QRect LineRoom(const QLineEdit& edit) {
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = edit.rect();
    option.lineWidth = edit.hasFrame()
                           ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit)
                           : 0;
    option.state |= QStyle::State_Sunken;
    if (edit.isReadOnly()) {
        option.state |= QStyle::State_ReadOnly;
    }
    const QRect contents = edit.style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, &edit)
                               .marginsRemoved(edit.textMargins());
    return contents.adjusted(LineEditHorizontalMargin, LineEditVerticalMargin,
                             -LineEditHorizontalMargin - LineEditCursorWidth,
                             -LineEditVerticalMargin);
}

QRect ButtonRoom(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.rect = button.rect();
    option.text = button.text();
    if (button.isDefault()) {
        option.features |= QStyleOptionButton::DefaultButton;
    }
    if (button.autoDefault()) {
        option.features |= QStyleOptionButton::AutoDefaultButton;
    }
    if (button.isFlat()) {
        option.features |= QStyleOptionButton::Flat;
    }
    const QRect contents =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    // The contents reach the frame's line, so each side keeps a frame's width more than its
    // half of the style's margin between caption and frame: with only the half a caption of
    // wide glyphs, as in CJK, seems to touch the frame.
    const QStyle* style = button.style();
    const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, &option, &button) / 2 +
                       style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &button);
    return contents.adjusted(margin, 0, -margin, 0);
}

/// The font at `size` points, or pixels when `base` is sized in pixels.
QFont Resized(const QFont& base, qreal size) {
    QFont font = base;
    if (base.pointSizeF() > 0) {
        font.setPointSizeF(size);
    } else {
        font.setPixelSize(static_cast<int>(size));
    }
    return font;
}

class Fitter;

/// The one event filter of all text fitting, on the application: it hears of a new user's font
/// there (a control with a font of its own does not) and of a new style at every control, and
/// refits the controls concerned. It lives as long as the application, which owns it.
class FitWatcher final : public QObject {
public:
    static FitWatcher* Instance(bool create) {
        static QPointer<FitWatcher> watcher;
        if (watcher == nullptr && create && qApp != nullptr) {
            watcher = new FitWatcher;
        }
        return watcher;
    }

    void Watch(QWidget& control, Fitter& fitter) { Fitters.insert(&control, &fitter); }
    void Forget(const QWidget& control) { Fitters.remove(&control); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FitWatcher()
        : QObject(qApp) {
        setObjectName(QStringLiteral("plovari_text_fit_watcher"));
        qApp->installEventFilter(this);
    }

    QHash<const QObject*, Fitter*> Fitters;
};

/// Keeps a control's fit test and refits its font on demand; a child of the control.
class Fitter final : public QObject {
public:
    static constexpr const char* Name = "plovari_text_fit";

    Fitter(QWidget& control, FitTest fits)
        : QObject(&control)
        , Control(control)
        , Fits(std::move(fits)) {
        setObjectName(QString::fromLatin1(Name));
        FitWatcher::Instance(true)->Watch(control, *this);
    }
    ~Fitter() override {
        if (FitWatcher* watcher = FitWatcher::Instance(false)) {
            watcher->Forget(Control);
        }
    }
    Q_DISABLE_COPY_MOVE(Fitter)

    void SetFitTest(FitTest fits) {
        Fits = std::move(fits);
        Refit();
    }

    void Refit() {
        if (Refitting) {
            return;
        }
        Refitting = true;
        const QFont base = QApplication::font(&Control);
        const QFont fitted = FittedFont(base, Fits);
        // Where the user's font fits, the control inherits it as if never touched.
        Control.setFont(fitted == base ? QFont() : fitted);
        Refitting = false;
    }

private:
    QWidget& Control;
    FitTest Fits;
    bool Refitting = false;
};

bool FitWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ApplicationFontChange && watched == qApp) {
        // A refit sets fonts, which runs other code: the loop goes over a copy of the list.
        const QList<Fitter*> fitters = Fitters.values();
        for (Fitter* fitter : fitters) {
            fitter->Refit();
        }
    } else if (event->type() == QEvent::StyleChange) {
        if (Fitter* fitter = Fitters.value(watched)) {
            fitter->Refit();
        }
    }
    return false;
}

} // namespace

QFont FittedFont(const QFont& base, const FitTest& fits) {
    if (fits(base)) {
        return base;
    }
    const bool points = base.pointSizeF() > 0;
    const qreal step = points ? PointStep : 1;
    QFont font = base;
    for (qreal size = points ? base.pointSizeF() : base.pixelSize(); size - step > 0;) {
        size -= step;
        font = Resized(base, size);
        if (fits(font) || QFontInfo(font).pixelSize() <= SmallestPixelSize) {
            break;
        }
    }
    return font;
}

QRect TextRoom(const QWidget& control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control)) {
        return LineRoom(*edit);
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        return ButtonRoom(*button);
    }
    return control.contentsRect();
}

bool FitsOnOneLine(const QStringList& texts, const QFont& font, QSize room, const QWidget& device) {
    const QFontMetricsF metrics(font, &device);
    for (const QString& text : texts) {
        const QSizeF size = metrics.size(Qt::TextSingleLine | Qt::TextShowMnemonic, text.trimmed());
        if (size.width() > room.width() || metrics.height() > room.height()) {
            return false;
        }
    }
    return true;
}

void KeepFitting(QWidget& control, FitTest fits) {
    auto* fitter =
        control.findChild<Fitter*>(QString::fromLatin1(Fitter::Name), Qt::FindDirectChildrenOnly);
    if (fitter == nullptr) {
        fitter = new Fitter(control, std::move(fits));
        fitter->Refit();
    } else {
        fitter->SetFitTest(std::move(fits));
    }
}

void FitTexts(QWidget& control, const QStringList& texts, QSize room) {
    KeepFitting(control, [&control, texts, room](const QFont& font) {
        // The room of a line edit or button depends on the style, so it is asked each time.
        const QSize space = room.isEmpty() ? TextRoom(control).size() : room;
        return FitsOnOneLine(texts, font, space, control);
    });
}

bool WrapsWithin(const QLabel& label, int height) {
    const QFontMetricsF metrics(label.font(), &label);
    const int width = label.contentsRect().width();
    const QString text = label.text();
    // A CJK text has no blanks: a line may break between nearly any two of its characters.
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    qsizetype start = 0;
    while (breaks.toNextBoundary() != -1) {
        const qsizetype end = breaks.position();
        if (metrics.horizontalAdvance(text.mid(start, end - start).trimmed()) > width) {
            return false;
        }
        start = end;
    }
    return label.heightForWidth(label.width()) <= height;
}

void FitMenuTitles(QMenuBar& bar, int width) {
    KeepFitting(bar, [&bar, width](const QFont& font) {
        // The titles side by side, measured as the bar measures them when it lays them out. (Its
        // size hint is no measure: it is already wrapped into as many rows as the titles need.)
        const QStyle* style = bar.style();
        const QFontMetrics metrics(font);
        const int spacing = style->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, &bar);
        int used = 2 * (style->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, &bar) +
                        style->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, &bar));
        for (const QAction* title : bar.actions()) {
            QStyleOptionMenuItem option;
            option.initFrom(&bar);
            option.text = title->text();
            option.fontMetrics = metrics;
            const QSize text = metrics.size(Qt::TextShowMnemonic, title->text());
            used += style->sizeFromContents(QStyle::CT_MenuBarItem, &option, text, &bar).width() +
                    spacing;
        }
        return used <= width;
    });
}

void KeepItemsWhole(QMenu& menu) {
    // Measured as the menu opens, in the font and style it is drawn with then.
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [&menu] {
        menu.setMinimumWidth(0);
        const QFontMetrics metrics(menu.font());
        int shortfall = 0;
        for (const QAction* item : menu.actions()) {
            const QString& text = item->text();
            const int width = metrics.size(Qt::TextShowMnemonic, text).width();
            // The width at which the text stands whole, up to a pixel over its advance with
            // the "&": found by trying, as that is how the style decides.
            const int most = metrics.horizontalAdvance(text) + 2;
            int whole = width;
            while (whole < most &&
                   metrics.elidedText(text, Qt::ElideMiddle, whole, Qt::TextShowMnemonic) != text) {
                ++whole;
            }
            shortfall = std::max(shortfall, whole - width);
        }
        if (shortfall > 0) {
            menu.setMinimumWidth(menu.sizeHint().width() + shortfall);
        }
    });
}

} // namespace plovari
