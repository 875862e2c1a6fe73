#pragma once

#include <QByteArray>

namespace vindra {

/// The longest pupil's name a game keeps.
inline constexpr int kPupilNameLength = 20;

/// The pupil's name typed in the name box of a game (cp1252, at most kPupilNameLength
/// characters), offered again by every name box for the rest of the run. The games share it
/// with one another and with nothing else, so it lives here rather than in the engine.
inline QByteArray& pupilName()
{
    static QByteArray name;
    return name;
}

} // namespace vindra
