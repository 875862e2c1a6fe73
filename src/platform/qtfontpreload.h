#pragma once

#include <thread>

namespace vindra {

/// Starts reading the system's font configuration on a second thread. Called first thing in
/// main(), before the QApplication: fontconfig parses some seventy configuration files, the
/// largest single cost of the start-up, while Qt connects to the display and the program reads
/// its settings. Does nothing where Qt does not use fontconfig.
void startReadingFontConfiguration();

/// Waits until the reading begun by startReadingFontConfiguration() is done. fontconfig reads
/// its configuration once per process, but a second reader that starts while the first one is
/// still busy reads it all again: whatever asks Qt for a font first waits here.
void waitForFontConfiguration();

/// Fills Qt's font database on a second thread while the program starts: it waits for the
/// configuration begun by startReadingFontConfiguration() (or reads it itself) and lists the
/// installed fonts. Meanwhile the first thread builds the main window and decodes its pictures.
/// Qt's font database is guarded by its own lock, so a text measured before the list is
/// complete simply waits for it.
class FontPreload {
public:
    /// Needs a QGuiApplication; starts the second thread.
    FontPreload();
    /// Waits for the thread, which never outlives the application.
    ~FontPreload();

    FontPreload(const FontPreload&) = delete;
    FontPreload& operator=(const FontPreload&) = delete;

private:
    std::thread m_thread;
};

} // namespace vindra
