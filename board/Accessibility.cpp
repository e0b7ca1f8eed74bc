#include "Accessibility.h"

#include "Layout.h"

#include <array>

namespace plovari::accessible {

namespace {

/// Short gains, indexed by Mode.
constexpr std::array<const char*, 4> Gains{
    "the mean of all dice",
    "your own die",
    "points for every other player who rolled the same number",
    "a payout for the highest die",
};

QString Numbered(Slot slot) {
    return QStringLiteral("Player %1").arg(slot + 1);
}

} // namespace

QString PlayerName(Slot slot) {
    return QStringLiteral("%1 (%2)").arg(
        Numbered(slot),
        QString::fromUtf8(layout::PlayerColours.at(static_cast<std::size_t>(slot)).Name));
}

QString ModeButtonName(Mode mode) {
    const std::string_view name = NameOf(mode);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString ModeButtonDescription(Slot slot, Mode mode) {
    return QStringLiteral("Mode of %1: %2")
        .arg(PlayerName(slot), QString::fromUtf8(Gains.at(static_cast<std::size_t>(mode))));
}

QString ScoreName(Slot slot) {
    return Numbered(slot) + QStringLiteral(" score");
}

QString ScoreDescription(Slot slot) {
    return QStringLiteral("Points of %1").arg(PlayerName(slot));
}

QString DieName(Slot slot) {
    return Numbered(slot) + QStringLiteral(" die");
}

QString MarkerName(Slot slot) {
    return Numbered(slot) + QStringLiteral(" marker");
}

QString ContinueDescription(const QString& caption) {
    if (caption == QStringLiteral("Start")) {
        return QStringLiteral("Starts the race");
    }
    if (caption == QStringLiteral("Continue")) {
        return QStringLiteral("Resumes the race");
    }
    if (caption == QStringLiteral("Restart")) {
        return QStringLiteral("Puts every racer back at the start");
    }
    return {};
}

QString ModePanelName() {
    return QStringLiteral("Modes and scores");
}

QString ColumnHeadsDescription() {
    return QStringLiteral("Columns of the mode buttons: Low, Regular, Medium, High");
}

QString KeyCatcherName() {
    return QStringLiteral("Pause: press any key");
}

QString KeyCatcherDescription() {
    return QStringLiteral("Holds the focus while the race runs, so that any key pauses it");
}

} // namespace plovari::accessible
