#pragma once

#include <cstdint>
#include <string_view>

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

/// The names the game uses for modes and pictures: "Low", "HighImageStop".
constexpr std::string_view NameOf(Mode mode) {
    constexpr std::string_view names[] = {"Low", "Regular", "Medium", "High"};
    return names[static_cast<int>(mode)];
}

constexpr std::string_view NameOf(MarkerPicture picture) {
    constexpr std::string_view names[] = {"RegularImage",    "LowImage",    "MediumImageGo",
                                          "MediumImageStop", "HighImageGo", "HighImageStop"};
    return names[static_cast<int>(picture)];
}

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
