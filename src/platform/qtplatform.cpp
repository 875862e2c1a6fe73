#include "qtplatform.h"

#include "qtfontpreload.h"

#include <QApplication>
#include <QBackingStore>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <vector>

#include <sys/mman.h>
#include <unistd.h>

#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23 // Linux 5.14
#endif

namespace vindra {

void QtMessages::show(MessageKind kind, const QString& text)
{
    QMessageBox box;
    switch (kind) {
    case MessageKind::Plain:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageKind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageKind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageKind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    box.setWindowTitle(QStringLiteral("Vindra"));
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool QtMessages::confirm(const QString& text)
{
    QMessageBox box;
    box.setIcon(QMessageBox::Question);
    box.setWindowTitle(QStringLiteral("Vindra"));
    box.setText(text);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool QtMessages::retry(const QString& text)
{
    QMessageBox box;
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(QStringLiteral("Vindra"));
    box.setText(text);
    QPushButton* again = box.addButton(QStringLiteral("Försök igen"), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Avbryt"), QMessageBox::RejectRole);
    box.setDefaultButton(again);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == again;
}

QFont toQFont(const FontSpec& fontSpec)
{
    QFont f(installedFamily(fontSpec.family));
    if (fontSpec.sizeInPixels)
        f.setPixelSize(fontSpec.size);
    else
        f.setPointSize(fontSpec.size);
    f.setBold(fontSpec.bold);
    return f;
}

int QtTextMeasure::width(const QString& text, const FontSpec& font) const
{
    // The first text measured is the program's first use of a font.
    waitForFontConfiguration();
    return QFontMetrics(toQFont(font)).horizontalAdvance(text);
}

QSize QtScreen::size() const
{
    if (const QScreen* s = QGuiApplication::primaryScreen())
        return s->size();
    return {1024, 768};
}

double QtScreen::pixelRatio() const
{
    if (const QScreen* s = QGuiApplication::primaryScreen())
        return s->devicePixelRatio();
    return 1.0;
}

namespace {

// Whether every page from `begin` to `end` (page-aligned) is in memory.
bool allResident(std::uintptr_t begin, std::uintptr_t end, std::uintptr_t page)
{
    std::vector<unsigned char> resident((end - begin) / page);
    if (mincore(reinterpret_cast<void*>(begin), end - begin, resident.data()) != 0)
        return false;
    return std::all_of(resident.begin(), resident.end(), [](unsigned char p) { return p & 1; });
}

} // namespace

void prepareWindowSurface(QWidget& window)
{
    QBackingStore* store = window.isWindow() ? window.backingStore() : nullptr;
    if (!store)
        return;
    store->resize(window.size());
    // The surface is only to be touched between beginPaint and endPaint; nothing is painted.
    store->beginPaint(QRegion());
    const QPaintDevice* device = store->paintDevice();
    if (device && device->devType() == QInternal::Image) {
        const auto* image = static_cast<const QImage*>(device);
        // The whole pages inside the pixels (madvise works on pages; the pixels' first and
        // last page may hold other memory). A surface in memory already (a window shown
        // again, or memory the allocator reused) is left as it is: asked again, the system
        // would walk every page once more. Where the system cannot bring pages in this way
        // (before Linux 5.14), the first paint brings them in as before.
        static const auto kPage = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
        const auto first = reinterpret_cast<std::uintptr_t>(image->constBits());
        const std::uintptr_t begin = (first + kPage - 1) & ~(kPage - 1);
        const std::uintptr_t end =
            (first + static_cast<std::uintptr_t>(image->sizeInBytes())) & ~(kPage - 1);
        if (end > begin && !allResident(begin, end, kPage))
            madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
    }
    store->endPaint();
}

WindowSurfaces::WindowSurfaces()
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(this);
}

bool WindowSurfaces::eventFilter(QObject* watched, QEvent* event)
{
    // A window is sent Show once it is made and before it is put on screen and painted.
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow())
            prepareWindowSurface(*widget);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vindra
