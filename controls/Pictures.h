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

/// Every picture, in the order of Picture.
inline constexpr Picture AllPictures[] = {
    Picture::Icon,      Picture::Die1,   Picture::Die2,     Picture::Die3,      Picture::Die4,
    Picture::Die5,      Picture::Die6,   Picture::Smiley,   Picture::Handshake, Picture::LightGo,
    Picture::LightStop, Picture::GoSign, Picture::StopSign,
};

/// The face with `pips` pips, 1..6.
Picture DieFace(int pips);
/// The picture a marker shows for each of the six mode pictures.
Picture PictureOf(MarkerPicture marker);
/// What the picture shows, for screen readers: "traffic light showing green: Medium, scored",
/// or for a die face only its face, "showing 4", as the box showing it names the die.
QString DescriptionOf(Picture picture);
/// The shared renderer of a picture; nullptr for None.
QSvgRenderer* RendererOf(Picture picture);
/// The window icon, drawn at whatever size and density it is asked for.
QIcon WindowIcon();

} // namespace plovari
