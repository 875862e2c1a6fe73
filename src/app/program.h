#pragma once

#include "framework/services.h"

#include <QString>

#include <memory>

namespace vindra {

class TEngel;

/// Everything the program holds from its start to its end: the platform's services, the
/// engine, the main window with the diagnosis printout form and the worksheet's print queue.
/// main() and the start-up benchmark both start the program through this one class, so what
/// is measured is what a pupil starts.
class Program {
public:
    /// Needs a QApplication. Installs the Swedish translations.
    Program();
    ~Program();

    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    /// Starts the engine on the directories file found beside `applicationDir` and shows
    /// the main window full screen. False when the engine could not start (it has told the
    /// user why); the program then ends.
    bool start(const QString& applicationDir);

    /// The main window; valid after a successful start().
    TEngel& mainWindow();

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

} // namespace vindra
