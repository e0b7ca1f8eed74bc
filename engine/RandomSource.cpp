#include "RandomSource.h"

#include <chrono>

namespace plovari {

namespace {

constexpr std::uint64_t Multiplier = 6364136223846793005ULL;
constexpr std::uint64_t Increment = 1442695040888963407ULL;

} // namespace

ClockRandomSource::ClockRandomSource(std::uint64_t seed) {
    Seed(seed);
}

std::uint32_t ClockRandomSource::NextBits() {
    const std::uint64_t old = State;
    State = old * Multiplier + Increment;
    const auto xorShifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
    const auto rotation = static_cast<std::uint32_t>(old >> 59U);
    return (xorShifted >> rotation) | (xorShifted << ((-rotation) & 31U));
}

float ClockRandomSource::Next() {
    constexpr float scale = 0x1p-24f;
    return static_cast<float>(NextBits() >> 8U) * scale;
}

void ClockRandomSource::SeedFromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    Seed(static_cast<std::uint64_t>(now.count()));
}

void ClockRandomSource::Seed(std::uint64_t seed) {
    // The reference seeding: step once, add the seed, step again, so nearby seeds diverge.
    State = 0;
    NextBits();
    State += seed;
    NextBits();
}

} // namespace plovari
