#pragma once

#include "formregistry.h"

#include <QString>

namespace vindra {

class Clock;
class Messages;
class Printer;
class Screen;
class SoundPlayer;
class TextMeasure;
class TDiagutform;
class TUtskrift;

/// The platform adapters and long-lived windows that the forms use, handed from main()
/// (real ones) or a test (fakes) to the main window, which passes them on to every window
/// it opens.
struct Services {
    Messages* messages = nullptr;
    TextMeasure* measure = nullptr;
    Screen* screen = nullptr;
    Clock* clock = nullptr;
    SoundPlayer* sound = nullptr; ///< the main window's one player; null: no sound
    Printer* printer = nullptr;
    /// The worksheet's print-queue window, created once at start and kept for the run
    /// (a window, named here only so that every form can reach it).
    TUtskrift* utskrift = nullptr;
    /// The diagnosis printout form, created once at start and never shown.
    TDiagutform* diagutform = nullptr;
    /// The forms the menus and the diagnosis protocol open (the program's own list, or a
    /// test's). Null: none is available.
    const FormRegistry* forms = nullptr;
    /// Where pictures drawn from their sources are kept between runs; empty: not kept.
    QString pictureCacheDir{};
};

} // namespace vindra
