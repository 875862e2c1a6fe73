#pragma once

#include <QString>

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

/// The installed family that text set in `family` is shown in: `family` itself when it is
/// installed, else the family the font configuration puts in its place (on most systems
/// Liberation Sans for Arial and Liberation Mono for Courier New), the one Qt would choose.
/// Asked for a family that is not installed, Qt first fails to find it and then sorts every
/// installed font against it to choose the replacement, a millisecond or more for the first
/// text; asked for the replacement, it finds it at once. Kept for the run; `family` itself
/// where Qt does not use fontconfig.
QString installedFamily(const QString& family);

/// Fills Qt's font database on the second thread while the program starts: once the
/// configuration begun by startReadingFontConfiguration() is read (begun here if it was not),
/// that thread lists the installed fonts. Meanwhile the first thread builds the main window
/// and decodes its pictures. Qt's font database is guarded by its own lock, so a text measured
/// before the list is complete simply waits for it.
class FontPreload {
public:
    /// Needs a QGuiApplication; lets the second thread list the fonts.
    FontPreload();
    /// Waits for the thread, which never outlives the application.
    ~FontPreload();

    FontPreload(const FontPreload&) = delete;
    FontPreload& operator=(const FontPreload&) = delete;
};

} // namespace vindra
