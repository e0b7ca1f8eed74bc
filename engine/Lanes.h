#pragma once

#include "RaceState.h"

namespace plovari {

/// Where a player's marker and lane square stand, in pixels of the window's client area.
/// Positions are handed on unrounded; the window rounds only where a widget needs whole pixels.
struct LanePlacement {
    float MarkerLeft = 0;
    float MarkerTop = 0;
    float SquareLeft = 0;
    float SquareTop = 0;
};

inline constexpr int LaneSpacing = 35;
/// The travel from start to finish is the client width less this margin.
inline constexpr int LaneMargin = 50;

/// Places slot 0..5 at the share score / finishLine of a travel of clientWidth - 50 pixels.
/// No clamping: a score past the line puts the marker past the finish position in proportion.
/// finishLine must not be 0.
LanePlacement PlaceInLane(Slot slot, double score, double finishLine, float clientWidth);

} // namespace plovari
