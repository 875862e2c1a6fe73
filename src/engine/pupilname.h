#pragma once

#include <QByteArray>

namespace vindra {

/// The longest pupil's name a game keeps.
inline constexpr int kPupilNameLength = 20;

/// The pupil's name typed in the name box of a game or of Your words (cp1252, at most
/// kPupilNameLength characters), offered again by every such name box for the rest of the run.
/// One program has one pupil at the keyboard, so one value serves the whole run.
inline QByteArray& pupilName()
{
    static QByteArray name;
    return name;
}

} // namespace vindra
