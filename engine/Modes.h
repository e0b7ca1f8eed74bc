#pragma once

#include <cstdint>

namespace plovari {

/// How a player gains points in a turn. The order is the buttons' order left to right.
enum class Mode : std::uint8_t { Low, Regular, Medium, High };

inline constexpr Mode AllModes[] = {Mode::Low, Mode::Regular, Mode::Medium, Mode::High};

/// The six pictures a marker can show: one per mode, and a stopped variant of Medium and High
/// for a turn that gained nothing.
enum class MarkerPicture : std::uint8_t {
    RegularImage,
    LowImage,
    MediumImageGo,
    MediumImageStop,
    HighImageGo,
    HighImageStop,
};

/// The picture a marker takes when its player picks a mode.
constexpr MarkerPicture PictureOfMode(Mode mode) {
    switch (mode) {
    case Mode::Low:
        return MarkerPicture::LowImage;
    case Mode::Regular:
        return MarkerPicture::RegularImage;
    case Mode::Medium:
        return MarkerPicture::MediumImageGo;
    case Mode::High:
        return MarkerPicture::HighImageGo;
    }
    return MarkerPicture::RegularImage;
}

} // namespace plovari
