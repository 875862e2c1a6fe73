#include "qtplatform.h"

#include "qtfontpreload.h"

#include <QApplication>
#include <QBackingStore>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <cstdint>

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
        // last page may hold other memory). Where the system cannot (before Linux 5.14), the
        // first paint brings the pages in as before.
        static const auto kPage = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
        const auto first = reinterpret_cast<std::uintptr_t>(image->constBits());
        const std::uintptr_t begin = (first + kPage - 1) & ~(kPage - 1);
        const std::uintptr_t end =
            (first + static_cast<std::uintptr_t>(image->sizeInBytes())) & ~(kPage - 1);
        if (end > begin)
            madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
    }
    store->endPaint();
}

} // namespace vindra
