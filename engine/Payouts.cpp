#include "Payouts.h"

#include "RaceState.h"

#include <array>
#include <stdexcept>

namespace plovari {

namespace {

void RequirePlayerCount(std::int16_t playerCount) {
    if (!IsValidPlayerCount(playerCount)) {
        throw std::out_of_range("player count must be 2 to 6");
    }
}

} // namespace

double MediumFactor(std::int16_t playerCount) {
    RequirePlayerCount(playerCount);
    return 21.0 / (playerCount - 1);
}

double HighPayout(std::int16_t playerCount) {
    RequirePlayerCount(playerCount);
    // Indexed from two players; the values are exactly these decimals, not rounded.
    static constexpr std::array<double, 5> payouts{6, 8.385, 10.239, 11.96, 13.38};
    return payouts.at(static_cast<std::size_t>(playerCount - MinPlayers));
}

} // namespace plovari
