#pragma once

#include "Modes.h"

#include <QIcon>
#include <QString>

class QSvgRenderer;

namespace plovari {

/// The game's pictures, each drawn as vector art and rendered at the screen's pixel ratio.
enum class Picture {
    None,
    Icon,
    Die1,
    Die2,
    Die3,
    Die4,
    Die5,
    Die6,
    Smiley,
    Handshake,
    LightGo,
    LightStop,
    GoSign,
    StopSign,
};

/// The face with `pips` pips, 1..6.
Picture DieFace(int pips);
/// The picture a marker shows for each of the six mode pictures.
Picture PictureOf(MarkerPicture marker);
/// A short description for screen readers, e.g. "traffic light showing green".
QString DescriptionOf(Picture picture);
/// The shared renderer of a picture; nullptr for None.
QSvgRenderer* RendererOf(Picture picture);
/// The window icon, offered at the common sizes from 16 to 256 pixels and drawn when needed.
QIcon WindowIcon();

} // namespace plovari
