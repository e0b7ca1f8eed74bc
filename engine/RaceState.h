#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace plovari {

/// A player slot is the index of a player in Scores and in every per-player control: 0..5.
using Slot = std::int16_t;

inline constexpr std::int16_t MinPlayers = 2;
inline constexpr std::int16_t MaxPlayers = 6;
/// Scores has room for eleven players although only slots 0..5 ever race.
inline constexpr std::size_t ScoreSlots = 11;

/// All the game remembers between two events: how many race, where the line is, who has what.
///
/// Before start-up everything is zero and nothing may read it. From the end of start-up on,
/// PlayerCount is 2..6 and FinishLine one of 200, 500 and 1000. Slots at and above PlayerCount
/// are out of the race and keep the score they had when they last raced.
/// Every index into Scores goes through at(), so a slot outside 0..10 throws instead of
/// corrupting memory.
struct RaceState {
    std::int16_t PlayerCount = 0;
    double FinishLine = 0;
    std::array<double, ScoreSlots> Scores{};
};

constexpr bool IsValidPlayerCount(std::int16_t count) {
    return count >= MinPlayers && count <= MaxPlayers;
}

/// Throws std::out_of_range for a count outside 2..6: a programming error, never a player's.
inline void RequirePlayerCount(std::int16_t count) {
    if (!IsValidPlayerCount(count)) {
        throw std::out_of_range("player count must be 2 to 6");
    }
}

constexpr bool IsValidFinishLine(double line) {
    return line == 200 || line == 500 || line == 1000;
}

} // namespace plovari
