#include "storygames.h"

#include "engine/cp1252.h"
#include "engine/storytext.h"
#include "framework/look.h"
#include "platform/files.h"
#include "platform/printer.h"
#include "platform/screen.h"

#include <QDialog>
#include <QLayout>
#include <QPalette>
#include <QStringList>
#include <QWidget>

namespace vindra::storygames {

QSize screenSize(const Services& services)
{
    return services.screen ? services.screen->size() : QSize(1024, 768);
}

void setUpWindow(QDialog* window, const Services& services, const QColor& background)
{
    window->setWindowFlag(Qt::FramelessWindowHint);
    setFill(window, background);
    window->setGeometry(QRect(QPoint(0, 0), screenSize(services)));
    // The window keeps the screen's size whatever its contents ask for.
    if (window->layout())
        window->layout()->setSizeConstraint(QLayout::SetNoConstraint);
}

QFont arialPixels(const Engine& engine, int pixels, bool bold)
{
    const int scale = engine.screenScale > 0 ? engine.screenScale : 100;
    return look::arial(std::max(8, look::scaled(pixels, scale)), true, bold);
}

void setTextColour(QWidget* w, const QColor& colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, colour);
    pal.setColor(QPalette::Text, colour);
    pal.setColor(QPalette::ButtonText, colour);
    w->setPalette(pal);
}

void setFill(QWidget* w, const QColor& colour)
{
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
}

bool readDataText(Engine& engine, const QByteArray& name, QList<QByteArray>& lines)
{
    QByteArray content;
    if (!files::readAll(engine.materialPath("\\DATA\\" + name), content)) {
        engine.fileError(engine.dirs.cd + "\\DATA\\" + name);
        lines.clear();
        return false;
    }
    lines = storytext::readLines(content);
    return true;
}

QByteArray currentFile(const Engine& engine, const char* fallback)
{
    return engine.item.currentFileName.isEmpty() ? QByteArray(fallback)
                                                 : engine.item.currentFileName;
}

QList<QByteArray> wrapText(Engine& engine, int left, int right, const QByteArray& text)
{
    QList<QByteArray> lines;
    QByteArray rest = text;
    while (!rest.isEmpty()) {
        while (rest.startsWith(' '))
            rest.remove(0, 1);
        if (rest.isEmpty())
            break;
        engine.dela_mening(left, right, rest, 1);
        QByteArray first = engine.sentenceLines[1];
        // The split gives a beginning of the text; a first character wider than the room
        // still goes on a line of its own, so the text always moves on.
        if (first.isEmpty() || !rest.startsWith(first))
            first = rest.left(std::max<qsizetype>(1, first.size()));
        lines.append(first);
        rest.remove(0, first.size());
    }
    return lines;
}

void printLines(Printer& printer, const QString& title, const PrinterFont& titleFont,
                const QStringList& lines, const PrinterFont& bodyFont, const PrintLayout& at)
{
    const int copies = printer.printDialog();
    if (copies <= 0)
        return;
    const int bottom = printer.pageSize().height() - at.titleY;
    for (int copy = 0; copy < copies; ++copy) {
        printer.beginJob();
        printer.setFont(titleFont);
        printer.textOut(at.x, at.titleY, title);
        printer.setFont(bodyFont);
        int y = at.bodyY;
        for (const QString& line : lines) {
            const int height = printer.textHeight(line.isEmpty() ? QStringLiteral("Ag") : line);
            if (y + height > bottom && y > at.titleY) {
                printer.endJob();
                printer.beginJob();
                printer.setFont(bodyFont);
                y = at.titleY;
            }
            printer.textOut(at.x, y, line);
            y += at.step > 0 ? at.step : height + at.gap;
        }
        printer.endJob();
    }
    printer.endDocument();
}

} // namespace vindra::storygames
