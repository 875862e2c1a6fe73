#pragma once

namespace vindra {

class Clock;
class Messages;
class Screen;
class SoundPlayer;
class TextMeasure;

/// The platform adapters that the forms use, handed from main() (real ones) or a test
/// (fakes) to the main window, which passes them on to every form it opens.
struct Services {
    Messages* messages = nullptr;
    TextMeasure* measure = nullptr;
    Screen* screen = nullptr;
    Clock* clock = nullptr;
    SoundPlayer* sound = nullptr; ///< the main window's one player; null: no sound
};

} // namespace vindra
