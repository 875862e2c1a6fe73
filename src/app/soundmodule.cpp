// The module `vindra-sound`: the Qt Multimedia player, loaded by the program at its first
// sound (platform/qtlazysound.h).

#include "platform/qtsound.h"

extern "C" Q_DECL_EXPORT vindra::SoundPlayer* vindra_create_sound_player()
{
    return new vindra::QtSoundPlayer;
}
