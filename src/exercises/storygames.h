#pragma once

#include "engine/engine.h"
#include "framework/services.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QList>
#include <QString>

class QDialog;
class QWidget;

namespace vindra {

class Printer;
struct PrinterFont;

/// Pieces shared by the reading and writing games (reveal the story, reading speed, the
/// story games, the horoscope, top nine): the borderless full-screen window, fonts scaled with
/// the screen, reading a text of the material, wrapping a text to a width, and printing
/// lines over as many pages as they need.
namespace storygames {

/// Makes `window` borderless, as large as the screen, painted in `background`.
void setUpWindow(QDialog* window, const Services& services, const QColor& background);
/// The screen the window covers (1024×768 without one).
QSize screenSize(const Services& services);

/// Arial of `pixels` scaled by the screen scale.
QFont arialPixels(const Engine& engine, int pixels, bool bold = true);
/// A label's text colour on its parent's background.
void setTextColour(QWidget* w, const QColor& colour);
/// A widget filled with `colour`.
void setFill(QWidget* w, const QColor& colour);

/// Reads "\DATA\" + `name` (hard-disk directory first, then the CD directory) into its lines
/// (unscrambled). When it cannot be read: "Filen " + CD directory + "\DATA\" + name + " finns
/// inte eller är felaktig", and false.
bool readDataText(Engine& engine, const QByteArray& name, QList<QByteArray>& lines);

/// The data file the menu opened, or `fallback` when none is set.
QByteArray currentFile(const Engine& engine, const char* fallback);

/// `text` broken into lines that fit right − left pixels (the engine's sentence split,
/// applied until nothing is left over).
QList<QByteArray> wrapText(Engine& engine, int left, int right, const QByteArray& text);

/// How printed lines are placed (device pixels).
struct PrintLayout {
    int x = 0;      ///< left edge of every line
    int titleY = 0; ///< top of the title
    int bodyY = 0;  ///< top of the first line after the title
    int gap = 0;    ///< added to a line's text height to reach the next line
    int step = 0;   ///< when set, lines stand this far apart instead
};

/// Prints a title and lines after the print dialog. A line that would pass the bottom margin
/// (as far from the bottom as the title is from the top) starts a new page at the title's
/// height, so a long text is printed whole. Nothing is printed when the dialog is cancelled.
void printLines(Printer& printer, const QString& title, const PrinterFont& titleFont,
                const QStringList& lines, const PrinterFont& bodyFont, const PrintLayout& at);

} // namespace storygames
} // namespace vindra
