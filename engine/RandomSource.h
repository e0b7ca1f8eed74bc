#pragma once

#include <cstdint>

namespace plovari {

/// Where the dice come from: uniform single-precision numbers r with 0 <= r < 1.
/// Tests inject a scripted source; the game uses ClockRandomSource.
class RandomSource {
public:
    RandomSource() = default;
    RandomSource(const RandomSource&) = delete;
    RandomSource& operator=(const RandomSource&) = delete;
    virtual ~RandomSource() = default;

    /// The next number, never below 0 and never 1 or more.
    virtual float Next() = 0;
    /// Starts a fresh sequence from the time of day. Start-up calls it once.
    virtual void SeedFromClock() = 0;
};

/// A permuted congruential generator (PCG32, XSH-RR): small, fast and statistically sound.
/// Its 32-bit output is cut to 24 bits and scaled by 2^-24, so every result is an exact float
/// in [0, 1 - 2^-24]. (std::generate_canonical<float> may round up to exactly 1.0, which
/// would roll a 7.)
class ClockRandomSource final : public RandomSource {
public:
    explicit ClockRandomSource(std::uint64_t seed = 0x853c49e6748fea9bULL);

    float Next() override;
    void SeedFromClock() override;
    void Seed(std::uint64_t seed);

private:
    std::uint32_t NextBits();

    std::uint64_t State = 0;
};

/// Converts a number 0 <= r < 1 into a die: floor(r * 6 + 1), 1..6. Computed in double, where
/// r * 6 of any float below 1 stays below 6.
constexpr std::int16_t DieFromRandom(float r) {
    return static_cast<std::int16_t>(static_cast<int>(static_cast<double>(r) * 6.0) + 1);
}

} // namespace plovari
