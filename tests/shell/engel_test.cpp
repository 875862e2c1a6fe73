#include "engine/catalogue.h"
#include "engine/cp1252.h"
#include "framework/skrivut.h"
#include "platform/qtpicture.h"
#include "shell/menupanel.h"
#include "shell/menuwindow.h"
#include "shellfixture.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace vindra;
using namespace vindra::test;

namespace {

struct MainWindow {
    MainWindow()
    {
        services = Services{&inst.messages, &measure, &screen, &inst.clock};
        window = std::make_unique<TEngel>(inst.start(), services);
    }
    test::Installation inst;
    FixedTextMeasure measure;
    FixedScreen screen{QSize(1024, 768)};
    Services services;
    std::unique_ptr<TEngel> window;
};

/// Writes the 26 main-window pictures of `prefix`, each `size` large.
void writePictures(Installation& inst, const QByteArray& prefix, QSize size)
{
    QDir().mkpath(inst.root + QStringLiteral("/material/BILD"));
    for (int n = 1; n <= catalogue::kPictureCount; ++n) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(QColor(10 * n, 100, 200));
        image.save(inst.root + QStringLiteral("/material/BILD/") +
                       QString::fromLatin1(catalogue::mainPictureFile(prefix, n)),
                   "BMP");
    }
}

void moveMouseOver(QWidget* w)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

QColor panelColour(const TEngel& w)
{
    return w.findChild<MenuPanel*>(QStringLiteral("Panel1"))->fill();
}

} // namespace

TEST(Engel, MainMenuInOrder)
{
    MainWindow m;
    EXPECT_EQ(m.window->objectName(), "Engel");
    EXPECT_EQ(m.window->windowTitle(), "Vindra");
    EXPECT_TRUE(m.inst.messages.entries().isEmpty()) << "a good installation starts silently";

    const QStringList captions = {"Storbritannien",  "Dina ord",  "Grammatik",       "Skriva",
                                  "Lyssna - skriva", "Läsa",      "Göra arbetsblad", "Diagnos",
                                  "Manual",          "Om Vindra", "Avsluta"};
    const int order[] = {1, 2, 3, 4, 5, 6, 7, 11, 8, 9, 10};
    int lastTop = -1;
    for (int i = 0; i < 11; ++i) {
        auto* b = m.window->findChild<QPushButton*>(QStringLiteral("Button%1").arg(order[i]));
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), captions[i]);
        EXPECT_GT(b->y(), lastTop);
        lastTop = b->y();
        if (i > 0) {
            EXPECT_EQ(m.window->button(order[i - 1])->nextInFocusChain(), b) << "tab order";
        }
    }
}

TEST(Engel, AvslutaAndEscEndTheProgram)
{
    for (const bool useEsc : {false, true}) {
        MainWindow m;
        m.window->show();
        ASSERT_TRUE(m.window->isVisible());
        if (useEsc)
            QTest::keyClick(m.window.get(), Qt::Key_Escape);
        else
            m.window->button(10)->click();
        EXPECT_FALSE(m.window->isVisible());
    }
}

TEST(Engel, MainButtonsOpenTheirMenuAndSetTheSessionMode)
{
    using M = SessionMode;
    struct Case {
        int button;
        const char* menu;
        SessionMode from;
        SessionMode to;
    };
    const Case cases[] = {
        {1, "TF1", M::DiagnosisTest, M::Practice},
        {1, "TF1", M::Worksheet, M::Worksheet},
        {2, "TF2", M::DiagnosisTest, M::DiagnosisTest},
        {2, "TF2", M::Worksheet, M::Worksheet},
        {3, "TF3", M::DiagnosisTest, M::Practice},
        {3, "TF3", M::Worksheet, M::Worksheet},
        {4, "TF4", M::Practise1, M::Practice},
        {5, "TF5", M::DiagnosisTest, M::DiagnosisTest},
        {6, "TF6", M::Practise2, M::Practice},
        {6, "TF6", M::Practice, M::Practice},
    };
    Shell s;
    auto w = s.mainWindow();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "Button" << c.button << " from mode " << c.from);
        w->engine().session.mode = c.from;
        const Opened opened = closeNextModal([&] { w->button(c.button)->click(); });
        EXPECT_EQ(opened.name, c.menu);
        EXPECT_EQ(w->engine().session.mode, c.to);
    }
}

TEST(Engel, EnterOnStorbritannienActsAsAClick)
{
    Shell s;
    auto w = s.mainWindow();
    w->show();
    EXPECT_EQ(w->focusWidget(), w->button(1)) << "the first button has the focus";
    const Opened opened = closeNextModal([&] { QTest::keyClick(w->button(1), Qt::Key_Return); });
    EXPECT_EQ(opened.name, "TF1");
}

TEST(Engel, WorksheetSwitch)
{
    Shell s;
    auto w = s.mainWindow();
    auto* sign = w->findChild<QWidget*>(QStringLiteral("Shape1"));
    auto* signText = w->findChild<QLabel*>(QStringLiteral("Label2"));
    ASSERT_TRUE(sign && signText);
    EXPECT_EQ(signText->text(), "Arbetsblad aktiverat");
    w->show();

    TUtskrift queue(w->engine(), s.services);
    w->setUtskrift(&queue);
    auto collect = [&] {
        w->engine().worksheet.blockNumber = 3;
        w->engine().worksheet.itemNumber = 17;
        w->engine().worksheet.addToBoth("1.  Plural");
        queue.refresh();
    };
    auto expectCleared = [&] {
        EXPECT_TRUE(w->engine().worksheet.isEmpty());
        EXPECT_EQ(w->engine().worksheet.blockNumber, 0);
        EXPECT_EQ(w->engine().worksheet.itemNumber, 0);
        EXPECT_EQ(queue.listBox(1)->count(), 0) << "the print queue shows the empty worksheet";
    };

    for (const int round : {1, 2}) {
        SCOPED_TRACE(round);
        collect();
        w->button(7)->click();
        expectCleared();
        EXPECT_EQ(w->engine().session.mode, SessionMode::Worksheet);
        EXPECT_EQ(w->button(7)->text(), "Avbryta arbetsblad");
        for (const int b : {1, 4, 5, 6, 11, 8, 9})
            EXPECT_FALSE(w->button(b)->isEnabled()) << b;
        for (const int b : {2, 3, 7, 10})
            EXPECT_TRUE(w->button(b)->isEnabled()) << b;
        EXPECT_TRUE(sign->isVisible());
        EXPECT_EQ(panelColour(*w), QColor(128, 0, 0));

        // The menus follow: maroon, and "Luringar" has no worksheet.
        QColor menuColour;
        bool luringarEnabled = true;
        closeNextModal([&] { w->button(2)->click(); },
                       [&](QWidget* menu) {
                           auto* tf2 = qobject_cast<TMenuWindow*>(menu);
                           menuColour = tf2->panel()->fill();
                           luringarEnabled = tf2->buttons()[4]->isEnabled();
                       });
        EXPECT_EQ(menuColour, QColor(128, 0, 0));
        EXPECT_FALSE(luringarEnabled);

        collect();
        w->button(7)->click();
        expectCleared();
        EXPECT_EQ(w->engine().session.mode, SessionMode::Practice);
        EXPECT_EQ(w->button(7)->text(), "Göra arbetsblad");
        for (const int b : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11})
            EXPECT_TRUE(w->button(b)->isEnabled()) << b;
        EXPECT_FALSE(sign->isVisible());
        EXPECT_EQ(panelColour(*w), QColor(0, 0, 128));
    }
}

// The menu buttons share one palette, so that the style draws and keeps one button face for
// all of them (a palette on the panel gave every button its own: eleven kept faces).
TEST(Engel, MenuButtonsShareOnePalette)
{
    MainWindow m;
    const auto key = [&](int n) {
        return m.window->findChild<QPushButton*>(QStringLiteral("Button%1").arg(n))
            ->palette()
            .cacheKey();
    };
    for (int n = 2; n <= 11; ++n)
        EXPECT_EQ(key(n), key(1)) << n;
}

TEST(Engel, PicturesFollowTheScreenWidth)
{
    struct Case {
        QSize screen;
        QByteArray prefix;
    };
    const Case cases[] = {{{640, 480}, "ENGL"}, {{800, 600}, "ENGM"}, {{1024, 768}, "ENGS"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.prefix.constData());
        // Only the screen's own prefix exists, so a wrong choice leaves the images hidden.
        Shell s(c.screen);
        writePictures(s.inst, c.prefix, QSize(90, 70));
        auto w = s.mainWindow();
        const QRect panel = w->findChild<QFrame*>(QStringLiteral("Panel1"))->geometry();
        const int bar = w->findChild<QFrame*>(QStringLiteral("Panel9"))->height();
        const int row = (c.screen.height() - bar) / 3;
        QSet<int> numbers;
        for (int k = 1; k <= 6; ++k) {
            SCOPED_TRACE(k);
            QLabel* image = w->pictureImage(k);
            EXPECT_EQ(image->objectName(),
                      QStringLiteral("BildImage%1%2").arg(k <= 3 ? 1 : 2).arg((k - 1) % 3 + 1));
            EXPECT_FALSE(image->isHidden());
            EXPECT_EQ(image->size(), QSize(90, 70));
            EXPECT_EQ(image->y(), (k - 1) % 3 * row + bar);
            EXPECT_EQ(image->x(), k <= 3 ? panel.x() - 90 : panel.x() + panel.width());
            numbers.insert(w->pictureNumber(k));
            EXPECT_GE(w->pictureNumber(k), 1);
            EXPECT_LE(w->pictureNumber(k), 26);
        }
        EXPECT_EQ(numbers.size(), 6) << "six different pictures";
        EXPECT_TRUE(s.inst.messages.entries().isEmpty());
    }
}

TEST(Engel, PicturesAreDrawnFromTheirSourcesOnALargeScreen)
{
    // Odd numbers have a source, 4:3, in one colour per number; even ones only the bitmap of
    // the largest size, which stands in for them.
    Shell s(QSize(1920, 1080));
    writePictures(s.inst, "ENGS", QSize(90, 70));
    QDir().mkpath(s.inst.root + QStringLiteral("/material/BILD/SVG"));
    for (int n = 1; n <= catalogue::kPictureCount; n += 2)
        s.inst.write(QStringLiteral("material/BILD/") +
                         QString::fromLatin1(catalogue::mainPictureSource(n))
                             .replace(QLatin1Char('\\'), QLatin1Char('/')),
                     QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 40 30'>"
                                    "<rect width='40' height='30' fill='rgb(%1,20,30)'/></svg>")
                         .arg(5 * n)
                         .toUtf8());
    auto w = s.mainWindow();
    const int bar = w->findChild<QFrame*>(QStringLiteral("Panel9"))->height();
    const int row = (1080 - bar) / 3;
    for (int k = 1; k <= 6; ++k) {
        SCOPED_TRACE(k);
        const int n = w->pictureNumber(k);
        QLabel* image = w->pictureImage(k);
        ASSERT_FALSE(image->isHidden());
        const QImage shown = image->pixmap().toImage();
        if (n % 2) {
            EXPECT_EQ(image->height(), row);
            EXPECT_NEAR(image->width(), row * 4 / 3, 1);
            EXPECT_EQ(shown.pixelColor(5, 5), QColor(5 * n, 20, 30));
        } else {
            EXPECT_EQ(image->size(), QSize(90, 70));
            EXPECT_EQ(shown.pixelColor(5, 5), QColor(10 * n, 100, 200));
        }
    }
}

TEST(Engel, DrawnPicturesAreKeptForTheNextStart)
{
    Shell s(QSize(1920, 1080));
    s.services.pictureCacheDir = s.inst.root + QStringLiteral("/cache");
    QDir().mkpath(s.inst.root + QStringLiteral("/material/BILD/SVG"));
    const auto writeSource = [&](int n, int red) {
        s.inst.write(QStringLiteral("material/BILD/") +
                         QString::fromLatin1(catalogue::mainPictureSource(n))
                             .replace(QLatin1Char('\\'), QLatin1Char('/')),
                     QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 40 30'>"
                                    "<rect width='40' height='30' fill='rgb(%1,20,30)'/></svg>")
                         .arg(red)
                         .toUtf8());
    };
    for (int n = 1; n <= catalogue::kPictureCount; ++n)
        writeSource(n, 5 * n);
    const auto colourAt = [](TEngel& w, int k) {
        return w.pictureImage(k)->pixmap().toImage().pixelColor(5, 5);
    };
    int first = 0;
    QSize size;
    {
        auto w = s.mainWindow();
        first = w->pictureNumber(1);
        size = w->pictureImage(1)->size();
        EXPECT_EQ(colourAt(*w, 1), QColor(5 * first, 20, 30));
    }
    const QStringList kept =
        QDir(s.services.pictureCacheDir).entryList({QStringLiteral("*.pic")}, QDir::Files);
    ASSERT_EQ(kept.size(), 6);

    // The next start shows what was kept (replaced by green pictures here) at the same size,
    // without drawing.
    const PictureCache cache(s.services.pictureCacheDir);
    const auto sourceOf = [&](int n) -> QString {
        return s.inst.root + QStringLiteral("/material/BILD/") +
               QString::fromLatin1(catalogue::mainPictureSource(n))
                   .replace(QLatin1Char('\\'), QLatin1Char('/'));
    };
    for (int n = 1; n <= catalogue::kPictureCount; ++n) {
        const QString file = cache.fileFor(sourceOf(n), QSize(1920, 1080), 1);
        if (!QFileInfo::exists(file))
            continue;
        QImage green(size, QImage::Format_RGB32);
        green.fill(QColor(0, 255, 0));
        cache.keep(sourceOf(n), QSize(1920, 1080), 1, green, 4.0 / 3);
    }
    {
        auto w = s.mainWindow();
        EXPECT_EQ(w->pictureNumber(1), first);
        EXPECT_EQ(w->pictureImage(1)->size(), size);
        for (int k = 1; k <= 6; ++k)
            EXPECT_EQ(colourAt(*w, k), QColor(0, 255, 0)) << k;
        // Painted, its pages let go, and painted again: the same picture.
        QLabel* label = w->pictureImage(1);
        const QImage painted = label->grab().toImage();
        EXPECT_EQ(painted.pixelColor(5, 5), QColor(0, 255, 0));
        EXPECT_EQ(label->grab().toImage(), painted);
    }

    // A changed source is drawn anew; a damaged kept file too.
    auto w = s.mainWindow();
    const int second = w->pictureNumber(2);
    w.reset();
    writeSource(first, 250);
    QFile damaged(cache.fileFor(sourceOf(second), QSize(1920, 1080), 1));
    ASSERT_TRUE(damaged.exists());
    ASSERT_TRUE(damaged.resize(100));
    w = s.mainWindow();
    EXPECT_EQ(colourAt(*w, 1), QColor(250, 20, 30));
    EXPECT_EQ(colourAt(*w, 2), QColor(5 * second, 20, 30));
    EXPECT_EQ(colourAt(*w, 3), QColor(0, 255, 0));
    EXPECT_EQ(w->pictureImage(1)->size(), size);
}

// The bitmaps of a small screen are kept as they are shown, and read back from the cache at
// the next start; a bitmap changed since is read from its file again.
TEST(Engel, BitmapsAreKeptForTheNextStart)
{
    Shell s(QSize(800, 600));
    s.services.pictureCacheDir = s.inst.root + QStringLiteral("/cache");
    writePictures(s.inst, "ENGM", QSize(90, 70));
    const auto colourAt = [](TEngel& w, int k) {
        return w.pictureImage(k)->pixmap().toImage().pixelColor(5, 5);
    };
    const auto bitmapOf = [&](int n) -> QString {
        return s.inst.root + QStringLiteral("/material/BILD/") +
               QString::fromLatin1(catalogue::mainPictureFile("ENGM", n));
    };
    int first = 0;
    {
        auto w = s.mainWindow();
        first = w->pictureNumber(1);
        EXPECT_EQ(colourAt(*w, 1), QColor(10 * first, 100, 200));
    }
    ASSERT_EQ(QDir(s.services.pictureCacheDir).entryList(QDir::Files).size(), 6);

    const PictureCache cache(s.services.pictureCacheDir);
    for (int n = 1; n <= catalogue::kPictureCount; ++n) {
        if (!QFileInfo::exists(cache.fileFor(bitmapOf(n), QSize(800, 600), 1)))
            continue;
        QImage green(90, 70, QImage::Format_RGB32);
        green.fill(QColor(0, 255, 0));
        cache.keep(bitmapOf(n), QSize(800, 600), 1, green, 90.0 / 70);
    }
    {
        auto w = s.mainWindow();
        for (int k = 1; k <= 6; ++k) {
            EXPECT_EQ(colourAt(*w, k), QColor(0, 255, 0)) << k;
            EXPECT_EQ(w->pictureImage(k)->size(), QSize(90, 70)) << k;
        }
    }

    QImage red(90, 70, QImage::Format_RGB32);
    red.fill(QColor(250, 0, 0));
    ASSERT_TRUE(red.save(bitmapOf(first), "BMP"));
    QFile changed(bitmapOf(first));
    ASSERT_TRUE(changed.open(QIODevice::ReadWrite));
    changed.setFileTime(QDateTime::currentDateTime().addSecs(60),
                        QFileDevice::FileModificationTime);
    changed.close();
    auto w = s.mainWindow();
    EXPECT_EQ(colourAt(*w, 1), QColor(250, 0, 0));
    EXPECT_EQ(colourAt(*w, 2), QColor(0, 255, 0));
}

TEST(Engel, MissingPicturesAreHiddenSilently)
{
    Shell s(QSize(800, 600));
    auto w = s.mainWindow();
    for (int k = 1; k <= 6; ++k)
        EXPECT_TRUE(w->pictureImage(k)->isHidden()) << k;
    EXPECT_TRUE(s.inst.messages.entries().isEmpty());
}

TEST(Engel, CaptionsStandUnderTheirPicture)
{
    struct Case {
        QSize screen;
        QByteArray prefix;
        int pictureWidth; // narrow pictures put wide captions at the fallback position
    };
    const Case cases[] = {
        {{640, 480}, "ENGL", 160}, {{640, 480}, "ENGL", 30},   {{800, 600}, "ENGM", 240},
        {{800, 600}, "ENGM", 30},  {{1024, 768}, "ENGS", 300}, {{1024, 768}, "ENGS", 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.screen.width() << " picture " << c.pictureWidth);
        Shell s(c.screen);
        writePictures(s.inst, c.prefix, QSize(c.pictureWidth, 60));
        auto w = s.mainWindow();
        w->show();
        const QRect panel = w->findChild<QFrame*>(QStringLiteral("Panel1"))->geometry();
        const int unit = w->engine().layoutUnit;
        auto* label3 = w->findChild<QLabel*>(QStringLiteral("Label3"));
        auto* label4 = w->findChild<QLabel*>(QStringLiteral("Label4"));
        EXPECT_TRUE(label3->isHidden()) << "no caption before the mouse comes";
        for (int k = 1; k <= 6; ++k) {
            SCOPED_TRACE(k);
            QLabel* image = w->pictureImage(k);
            moveMouseOver(image);
            ASSERT_TRUE(label3->isVisible());
            const QString caption =
                cp1252::toUnicode(Engine::mainWindowCaption(w->pictureNumber(k)));
            // The two lines hold the whole caption.
            EXPECT_EQ(QString(label3->text() + label4->text()).remove(' '),
                      QString(caption).remove(' '));
            EXPECT_EQ(label4->isVisible(), !label4->text().isEmpty());

            const int width = label3->width();
            EXPECT_EQ(width,
                      s.measure.width(label3->text(),
                                      FontSpec{"Arial", label3->font().pixelSize(), true, false}));
            EXPECT_EQ(label3->y(), image->y() + image->height());
            int left;
            if (k <= 3)
                left = width < image->width() ? image->x() + (image->width() - width) / 2
                                              : (panel.x() - width) / 2 + unit;
            else
                left = width < c.pictureWidth ? panel.right() + 1 + (image->width() - width) / 2
                                              : panel.right() + 1 + unit;
            EXPECT_EQ(label3->x(), left);
            EXPECT_EQ(label4->pos(), QPoint(left, label3->y() + label3->height()));
        }
    }
}

TEST(Engel, UpperRightCaptionShrinksUntilItFits)
{
    Shell s(QSize(800, 600));
    writePictures(s.inst, "ENGM", QSize(200, 150));
    auto w = s.mainWindow();
    w->show();
    auto* label3 = w->findChild<QLabel*>(QStringLiteral("Label3"));
    const QRect panel = w->findChild<QFrame*>(QStringLiteral("Panel1"))->geometry();
    const int room = 800 - (panel.x() + panel.width());

    // Widen every letter so that the first line no longer fits right of the panel.
    s.measure.setPerChar(60);
    moveMouseOver(w->pictureImage(1));
    const int lower = label3->font().pixelSize();
    QList<int> sizes;
    for (int i = 0; i < 8; ++i) {
        moveMouseOver(w->pictureImage(4));
        sizes << label3->font().pixelSize();
    }
    EXPECT_EQ(sizes.first(), lower) << "other pictures never shrink the font";
    for (qsizetype i = 1; i < sizes.size(); ++i)
        EXPECT_TRUE(sizes[i] == sizes[i - 1] - 1 ||
                    (sizes[i] == sizes[i - 1] && label3->width() <= room))
            << "one step per movement: " << sizes[i - 1] << " then " << sizes[i];
    EXPECT_LT(sizes.last(), sizes.first());
    EXPECT_LE(label3->width(), room);
}

TEST(Engel, DiagnosOpensTheRegisterInTestMode)
{
    Shell s;
    auto w = s.mainWindow();
    w->engine().session.mode = SessionMode::Worksheet;
    w->engine().session.selectedProtocolRow = 9;
    w->engine().diagnosis.diagnosisLeft = true;
    SessionMode modeSeen = SessionMode::Practice;
    const Opened opened = closeNextModal([&] { w->button(11)->click(); },
                                         [&](QWidget*) { modeSeen = w->engine().session.mode; });
    EXPECT_EQ(opened.className, "vindra::TDiag");
    EXPECT_EQ(modeSeen, SessionMode::DiagnosisTest);
    EXPECT_EQ(w->engine().session.selectedProtocolRow, 1);
    EXPECT_FALSE(w->engine().diagnosis.diagnosisLeft);
}
