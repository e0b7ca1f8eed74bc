#include "Payouts.h"

#include "RaceState.h"

#include <array>

namespace plovari {

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
