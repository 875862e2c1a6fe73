// The Qt adapters' window helpers.

#include "platform/qtplatform.h"

#include <QApplication>
#include <QBackingStore>
#include <QImage>
#include <QPalette>
#include <QWidget>

#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>

#include <memory>
#include <vector>

namespace vindra {
namespace {

class Window : public QWidget {
public:
    using QWidget::create;
};

// How many of the pages wholly inside the window's surface are in memory, and how many there
// are.
std::pair<size_t, size_t> residentPages(QWidget& window)
{
    QBackingStore* store = window.backingStore();
    store->beginPaint(QRegion());
    const auto* image = static_cast<const QImage*>(store->paintDevice());
    const auto page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto first = reinterpret_cast<uintptr_t>(image->constBits());
    const uintptr_t begin = (first + page - 1) & ~(page - 1);
    const uintptr_t end = (first + static_cast<uintptr_t>(image->sizeInBytes())) & ~(page - 1);
    std::vector<unsigned char> in((end - begin) / page);
    size_t resident = 0;
    if (mincore(reinterpret_cast<void*>(begin), end - begin, in.data()) == 0)
        for (const unsigned char p : in)
            resident += p & 1;
    store->endPaint();
    return {resident, in.size()};
}

// A window's surface is brought into memory before its first paint, which then shows the
// window as it would have anyway: asked of one window, or of every window as it is shown. The
// windows are larger than any block the memory allocator keeps for reuse, so their surfaces
// start out of memory.
TEST(WindowSurface, BroughtInBeforeTheFirstPaint)
{
    const auto blueWindow = [] {
        auto window = std::make_unique<Window>();
        window->setAutoFillBackground(true);
        QPalette palette = window->palette();
        palette.setColor(QPalette::Window, QColor(0, 0, 255));
        window->setPalette(palette);
        window->resize(4096, 2400);
        return window;
    };
    const auto paintedBlue = [](QWidget& window) {
        QApplication::processEvents();
        QBackingStore* store = window.backingStore();
        store->beginPaint(QRegion());
        const auto* shown = static_cast<const QImage*>(store->paintDevice());
        const bool blue =
            shown->size() == window.size() && shown->pixelColor(4095, 2399) == QColor(0, 0, 255);
        store->endPaint();
        return blue;
    };

    auto window = blueWindow();
    prepareWindowSurface(*window); // not made yet: nothing to prepare
    EXPECT_EQ(window->backingStore(), nullptr);
    window->create();
    window->backingStore()->resize(window->size());
    const auto [before, pages] = residentPages(*window);
    ASSERT_GT(pages, 2000u);
    EXPECT_LT(before, pages / 10);
    prepareWindowSurface(*window);
    EXPECT_EQ(window->backingStore()->size(), window->size());
    EXPECT_EQ(residentPages(*window).first, pages);
    prepareWindowSurface(*window); // in memory already: left as it is
    EXPECT_EQ(residentPages(*window).first, pages);
    window->show();
    EXPECT_TRUE(paintedBlue(*window));

    // A widget inside a window has no surface of its own.
    prepareWindowSurface(*new QWidget(window.get()));
    window.reset();

    const WindowSurfaces surfaces;
    auto shown = blueWindow();
    shown->show(); // made, sent Show, not painted yet
    const auto [resident, shownPages] = residentPages(*shown);
    EXPECT_EQ(shownPages, pages);
    EXPECT_EQ(resident, shownPages);
    EXPECT_TRUE(paintedBlue(*shown));
}

} // namespace
} // namespace vindra
