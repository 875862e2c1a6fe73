// The Britain windows: the map with its facts, the flag chosen by the screen's width, the
// anthem played and stopped through the sound player, and what each does without its file.

#include "britain/flaggau.h"
#include "britain/hymnu.h"
#include "britain/kartau.h"
#include "engine/catalogue.h"
#include "framework/formregistry.h"
#include "platform/qtplatform.h"
#include "platform/screen.h"
#include "platform/sound.h"
#include "support/material.h"

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace vindra;

namespace {

QByteArray bitmap(QSize size)
{
    QImage image(size, QImage::Format_RGB888);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

/// An installation with the map, the flags and the anthem, on a screen of `size`.
struct Britain {
    explicit Britain(QSize size = QSize(1024, 768), bool withFiles = true) : screen(size)
    {
        if (withFiles) {
            for (const catalogue::BritainPicture& p : catalogue::britainPictures())
                inst.write(QStringLiteral("material/BILD/") + QLatin1String(p.file),
                           bitmap(QSize(p.width, p.height)));
            inst.write(QStringLiteral("material/LJUD/ENGLAND.WAV"), "RIFF....WAVE");
        }
        engine = inst.start();
        engine->Skaltest(size.width(), measure, size.height());
        engine->setSoundPlayer(&sound);
        services = Services{&inst.messages, &measure, &screen, &inst.clock};
        services.sound = &sound;
    }
    ~Britain() { engine->setSoundPlayer(nullptr); }

    template <class Form> std::unique_ptr<Form> open()
    {
        auto form = createForm<Form>(*engine, services);
        form->show();
        return form;
    }

    test::Installation inst;
    QtTextMeasure measure;
    FixedScreen screen;
    RecordingSoundPlayer sound;
    std::unique_ptr<Engine> engine;
    Services services;
};

template <class W> W* child(QWidget& form, const char* name)
{
    auto* w = form.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QString missing(const Britain& b, const char* file)
{
    return QStringLiteral("Filen ") + QString::fromLatin1(b.engine->dirs.cd) +
           QStringLiteral("\\BILD\\") + QLatin1String(file) +
           QStringLiteral(" finns inte eller är felaktig");
}

} // namespace

TEST(Karta, FactsBesideTheMapAtTwoScreenWidths)
{
    for (const QSize size : {QSize(640, 480), QSize(1024, 768)}) {
        SCOPED_TRACE(size.width());
        Britain b(size);
        auto form = b.open<TKarta>();
        EXPECT_EQ(form->geometry(), QRect(QPoint(0, 0), size));
        EXPECT_TRUE(b.inst.messages.entries().isEmpty());
        const int u = b.engine->layoutUnit;

        auto* title = child<QLabel>(*form, "Label1");
        EXPECT_EQ(title->text(), QStringLiteral("STORBRITANNIEN"));
        const QStringList facts = {
            QStringLiteral("Befolkning: Cirka 68 miljoner invånare."),
            QStringLiteral("Det officiella namnet på Storbritannien är"),
            QStringLiteral("UK dvs United Kingdom of Great Britain  "),
            QStringLiteral("and Northern Ireland. "),
            QStringLiteral("Självständigt kungarike sedan urminnes tid."),
            QStringLiteral("Språk: Engelska och flera keltiska"),
            QStringLiteral("språk, bl. a. walesiska (30 000 enspråkiga,"),
            QStringLiteral("500 000 tvåspråkiga)."),
        };
        ASSERT_EQ(form->factLines().size(), facts.size());

        // The map at the left under the title's margin, the text column beside it.
        auto* map = child<QLabel>(*form, "Image1");
        EXPECT_TRUE(map->isVisible());
        EXPECT_EQ(map->pos(), QPoint(u, title->height()));
        EXPECT_LE(map->geometry().bottom(), size.height());
        const int x = map->width() + 3 * u;
        EXPECT_EQ(title->pos(), QPoint(x, title->height()));

        int expectedTop = title->y() + 3 * title->height() / 2;
        for (int i = 0; i < facts.size(); ++i) {
            QLabel* line = form->factLines()[i];
            EXPECT_EQ(line->objectName(), QStringLiteral("Label%1").arg(i + 2));
            EXPECT_EQ(line->text(), facts[i]);
            EXPECT_EQ(line->font(), form->factLines()[0]->font());
            EXPECT_LE(line->geometry().right(), size.width() - u) << i;
            if (i == 1)
                expectedTop += 8 * form->factLines()[0]->height() / 3;
            else if (i > 1)
                expectedTop += 4 * line->height() / 3;
            EXPECT_EQ(line->pos(), QPoint(x, expectedTop)) << i;
        }
        auto* close = child<QPushButton>(*form, "Panel1");
        EXPECT_EQ(close->text(), QStringLiteral("&Avbryt"));
        EXPECT_EQ(close->pos(), QPoint(x + (size.width() - x - close->width()) / 2,
                                       size.height() - 3 * close->height() / 2));
        EXPECT_LT(form->factLines().last()->geometry().bottom(), close->y());
        if (size.width() == 640) {
            EXPECT_EQ(title->font().pointSize(), 16);
            EXPECT_EQ(form->factLines()[0]->font().pointSize(), 10);
        } else {
            EXPECT_LE(form->factLines()[0]->font().pointSize(), 20 * b.engine->screenScale / 100);
            EXPECT_GT(form->factLines()[0]->font().pointSize(), 10);
        }
    }
}

TEST(Karta, ClosesByButtonEscAndAltA)
{
    const std::function<void(QWidget&)> ways[] = {
        [](QWidget& f) { child<QPushButton>(f, "Panel1")->click(); },
        [](QWidget& f) { QTest::keyClick(&f, Qt::Key_Escape); },
        [](QWidget& f) { QTest::keyClick(&f, Qt::Key_A, Qt::AltModifier); },
    };
    for (const auto& close : ways) {
        Britain b;
        auto form = b.open<TKarta>();
        EXPECT_EQ(child<QPushButton>(*form, "Panel1")->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
        close(*form);
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(form->result(), QDialog::Rejected);
    }
}

TEST(Karta, MissingMapIsReportedAndTheFactsStillShow)
{
    Britain b(QSize(1024, 768), false);
    auto form = b.open<TKarta>();
    EXPECT_EQ(b.inst.messages.texts(), QStringList{missing(b, "ENGMAP.BMP")});
    EXPECT_FALSE(child<QLabel>(*form, "Image1")->isVisible());
    EXPECT_EQ(form->factLines()[0]->x(), 3 * b.engine->layoutUnit);
    EXPECT_TRUE(form->factLines()[0]->isVisible());
}

TEST(Flagga, PictureChosenByScreenWidthAndPlaced)
{
    const std::pair<int, const char*> files[] = {
        {640, "ENFLAGG1.BMP"},  {699, "ENFLAGG1.BMP"},  {700, "ENFLAGG2.BMP"},
        {800, "ENFLAGG2.BMP"},  {900, "ENFLAGG2.BMP"},  {901, "ENFLAGG3.BMP"},
        {1024, "ENFLAGG3.BMP"}, {1920, "ENFLAGG3.BMP"},
    };
    for (const auto& [width, file] : files)
        EXPECT_EQ(catalogue::flagPictureFile(width), QByteArray(file)) << width;

    for (const QSize size : {QSize(800, 600), QSize(1024, 768)}) {
        SCOPED_TRACE(size.width());
        Britain b(size);
        auto form = b.open<TFlagga>();
        EXPECT_TRUE(b.inst.messages.entries().isEmpty());
        EXPECT_EQ(form->pictureFile(), catalogue::flagPictureFile(size.width()));
        const catalogue::BritainPicture* built = catalogue::britainPicture(form->pictureFile());

        auto* title = child<QLabel>(*form, "Label1");
        EXPECT_EQ(title->text(), QStringLiteral("Union Jack"));
        EXPECT_EQ(title->y(), title->height() / 2);
        EXPECT_LE(qAbs(2 * title->x() + title->width() - size.width()), 1);

        auto* flag = child<QLabel>(*form, "Image1");
        EXPECT_EQ(flag->size(), QSize(built->width, built->height)); // its own size up to 1024
        EXPECT_EQ(flag->y(), title->y() + 3 * title->height() / 2);
        EXPECT_LE(qAbs(2 * flag->x() + flag->width() - size.width()), 1);

        const QStringList texts = {
            QStringLiteral("Unions- och nationalflagga fastställd 1801."),
            QStringLiteral("Det korrekta namnet är egentligen the Union Flag."), QString()};
        int top = flag->geometry().bottom() + 1 + child<QLabel>(*form, "Label2")->height() / 3;
        for (int i = 0; i < 3; ++i) {
            auto* line = child<QLabel>(*form, QStringLiteral("Label%1").arg(i + 2).toLatin1());
            EXPECT_EQ(line->text(), texts[i]);
            EXPECT_EQ(line->y(), top) << i;
            EXPECT_LE(qAbs(2 * line->x() + line->width() - size.width()), 1) << i;
            top += 3 * child<QLabel>(*form, "Label2")->height() / 2;
        }
        auto* close = child<QPushButton>(*form, "Panel1");
        EXPECT_EQ(close->y(), size.height() - 3 * close->height() / 2);
        EXPECT_LE(qAbs(2 * close->x() + close->width() - size.width()), 1);
    }
}

TEST(Flagga, MissingFlagIsReportedAndEscAndAltAClose)
{
    Britain b(QSize(800, 600), false);
    auto form = b.open<TFlagga>();
    EXPECT_EQ(b.inst.messages.texts(), QStringList{missing(b, "ENFLAGG2.BMP")});
    EXPECT_FALSE(child<QLabel>(*form, "Image1")->isVisible());
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());

    form = b.open<TFlagga>();
    QTest::keyClick(form.get(), Qt::Key_A, Qt::AltModifier);
    EXPECT_FALSE(form->isVisible());
}

TEST(Hymn, TextsAndPlacesAtTwoScreenWidths)
{
    for (const QSize size : {QSize(640, 480), QSize(1024, 768)}) {
        SCOPED_TRACE(size.width());
        Britain b(size);
        b.engine->soundPrefix = "E5111"; // left by an earlier exercise
        auto form = b.open<THymn>();
        EXPECT_TRUE(b.engine->soundPrefix.isEmpty());
        const int u = b.engine->layoutUnit;

        auto* title = child<QLabel>(*form, "Label1");
        EXPECT_EQ(title->text(), QStringLiteral("GOD SAVE THE KING"));
        EXPECT_EQ(title->font().pixelSize(), 35 * b.engine->screenScale / 100);
        EXPECT_LE(qAbs(2 * title->x() + title->width() - size.width()), 1);
        auto* composer = child<QLabel>(*form, "Label2");
        auto* author = child<QLabel>(*form, "Label3");
        EXPECT_EQ(author->text(), QStringLiteral("Text  okänd författare."));
        EXPECT_EQ(composer->y(), title->y() + 4 * title->height() / 3);
        EXPECT_EQ(author->pos(), QPoint(composer->x(), composer->y() + 4 * composer->height() / 3));

        EXPECT_EQ(form->verse(), (QStringList{
                                     QStringLiteral("God save our gracious King,"),
                                     QStringLiteral("long live our noble King,"),
                                     QStringLiteral("God save the King!"),
                                     QStringLiteral("Send him victorious,"),
                                     QStringLiteral("happy and glorious"),
                                     QStringLiteral("long to reign over us;"),
                                     QStringLiteral("God save the King!"),
                                 }));
        const QList<QRect>& rects = form->verseRects();
        ASSERT_EQ(rects.size(), 7);
        const int step = rects[1].y() - rects[0].y();
        EXPECT_GT(step, 0);
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(rects[i].x(), rects[0].x());
            EXPECT_EQ(rects[i].y(), rects[0].y() + i * step);
        }
        EXPECT_GT(rects[0].y(), author->geometry().bottom());

        auto* play = child<QPushButton>(*form, "Button2");
        auto* stop = child<QPushButton>(*form, "Button3");
        auto* close = child<QPushButton>(*form, "Button1");
        EXPECT_EQ(play->text(), QStringLiteral("&Spela upp"));
        EXPECT_EQ(stop->text(), QStringLiteral("A&vbryt Uppspelning"));
        EXPECT_EQ(close->text(), QStringLiteral("&Avbryt"));
        EXPECT_EQ(play->pos(), QPoint((size.width() - 2 * play->width()) / 2 - u,
                                      size.height() - 4 * play->height() / 3));
        EXPECT_EQ(stop->pos(), play->pos());
        EXPECT_EQ(close->pos(), QPoint(play->geometry().right() + 1 + u, play->y()));
        EXPECT_LT(rects[6].bottom(), play->y());
        EXPECT_TRUE(play->isVisible());
        EXPECT_FALSE(stop->isVisible());
    }
}

TEST(Hymn, PlaysAndStopsThroughTheSoundPlayer)
{
    Britain b;
    auto form = b.open<THymn>();
    auto* play = child<QPushButton>(*form, "Button2");
    auto* stop = child<QPushButton>(*form, "Button3");
    auto* close = child<QPushButton>(*form, "Button1");

    play->click();
    EXPECT_TRUE(form->playbackStarted());
    ASSERT_EQ(b.sound.played().size(), 1);
    EXPECT_TRUE(b.sound.played()[0].endsWith(QStringLiteral("/LJUD/ENGLAND.WAV")));
    EXPECT_FALSE(play->isVisible());
    EXPECT_TRUE(stop->isVisible());
    EXPECT_EQ(form->focusWidget(), close);

    stop->click();
    EXPECT_EQ(b.sound.stops(), 1);
    EXPECT_TRUE(play->isVisible());
    EXPECT_FALSE(stop->isVisible());
    stop->click(); // a second press only swaps back again
    EXPECT_TRUE(play->isVisible());
    EXPECT_FALSE(stop->isVisible());
    EXPECT_TRUE(b.inst.messages.entries().isEmpty());

    play->click();
    const int stops = b.sound.stops();
    close->click();
    EXPECT_EQ(b.sound.stops(), stops + 1);
    EXPECT_FALSE(form->isVisible());
}

TEST(Hymn, ClosingStopsOnlyWhatWasStartedButEscAlwaysStops)
{
    {
        Britain b;
        auto form = b.open<THymn>();
        child<QPushButton>(*form, "Button1")->click();
        EXPECT_EQ(b.sound.stops(), 0);
        EXPECT_FALSE(form->isVisible());
    }
    {
        Britain b;
        auto form = b.open<THymn>();
        child<QPushButton>(*form, "Button2")->click();
        QTest::keyClick(form.get(), Qt::Key_Escape);
        EXPECT_EQ(b.sound.stops(), 1);
        EXPECT_FALSE(form->isVisible());
    }
    {
        Britain b;
        auto form = b.open<THymn>();
        QTest::keyClick(form.get(), Qt::Key_A, Qt::AltModifier);
        EXPECT_FALSE(form->isVisible());
    }
}

TEST(Hymn, MissingRecordingIsReportedAndTheButtonsStillSwap)
{
    Britain b(QSize(1024, 768), false);
    auto form = b.open<THymn>();
    child<QPushButton>(*form, "Button2")->click();
    EXPECT_TRUE(b.sound.played().isEmpty());
    EXPECT_EQ(b.inst.messages.texts(),
              QStringList{QStringLiteral("Ljudfilen  ENGLAND.WAV  finns inte eller är felaktig.")});
    EXPECT_TRUE(child<QPushButton>(*form, "Button3")->isVisible());
    EXPECT_FALSE(child<QPushButton>(*form, "Button2")->isVisible());
}
