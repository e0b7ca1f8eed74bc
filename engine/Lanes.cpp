#include "Lanes.h"

#include <stdexcept>

namespace plovari {

LanePlacement PlaceInLane(Slot slot, double score, double finishLine, float clientWidth) {
    if (slot < 0 || slot >= MaxPlayers) {
        throw std::out_of_range("player slot must be 0 to 5");
    }
    if (finishLine == 0) {
        throw std::logic_error("a marker is placed only once the finish line is set");
    }
    // Share and product in double; the control takes single precision.
    const double travel = (score / finishLine) * (static_cast<double>(clientWidth) - LaneMargin);
    LanePlacement placement;
    placement.MarkerTop = static_cast<float>(LaneSpacing * slot + 9);
    placement.MarkerLeft = static_cast<float>(travel + 1);
    placement.SquareTop = static_cast<float>(LaneSpacing * slot + 8);
    placement.SquareLeft = static_cast<float>(travel);
    return placement;
}

} // namespace plovari
