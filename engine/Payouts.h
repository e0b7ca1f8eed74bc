#pragma once

#include <cstdint>

namespace plovari {

/// Points a Medium player gains for every other racing player who rolled the same number:
/// 21 / (playerCount - 1). Tuned, like HighPayout, so that every mode gains 3.5 per turn on
/// average. playerCount 2..6.
double MediumFactor(std::int16_t playerCount);

/// Points a High player gains for holding the highest die of the turn (ties included).
/// playerCount 2..6; throws std::out_of_range outside.
double HighPayout(std::int16_t playerCount);

} // namespace plovari
