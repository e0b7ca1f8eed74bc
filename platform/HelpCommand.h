#pragma once

#include <cstdint>

namespace plovari {

/// Help command: open the help file at its contents, its first topic. The common dialog hands
/// it to the help viewer as a 16-bit integer; it is the only command the viewer carries out.
inline constexpr std::int16_t HelpContents = 3;

} // namespace plovari
