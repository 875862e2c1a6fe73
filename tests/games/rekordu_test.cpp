#include "engine/engine.h"
#include "engine/highscore.h"
#include "framework/formtimer.h"
#include "games/rekordu.h"
#include "platform/screen.h"
#include "platform/textmeasure.h"
#include "support/material.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace vindra;
using namespace vindra::highscore;

namespace {

QByteArray listOf(int n, int firstScore, int step = 1)
{
    QByteArray out;
    for (int i = 0; i < n; ++i) {
        Entry e;
        e.name = "P" + QByteArray::number(i + 1);
        e.score = static_cast<quint16>(firstScore + i * step);
        e.stamp(QDateTime(QDate(2001, 3, 4), QTime(9, 5)));
        out += encode(e);
    }
    return out;
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

class Rekord : public ::testing::Test {
protected:
    void SetUp() override
    {
        inst.data("datfiler.eng", "ENG35091.DAT\n");
        inst.data("ENG35091.DAT", "$Be\nI <am> here.\n");
        engine = inst.start();
        ASSERT_TRUE(inst.started);
        engine->layoutUnit = 12;
        services = Services{&inst.messages, &measure, &screen, &inst.clock};
        path = inst.root + "/scores/ENG35091.ENR";
        engine->item.exerciseCode = 35091;
        engine->highScore.path = path;
        engine->highScore.entry = Entry{};
        engine->highScore.entry.name = "Anna";
    }

    std::unique_ptr<TRekord> open(quint16 score)
    {
        engine->highScore.entry.score = score;
        auto w = std::make_unique<TRekord>(*engine, services);
        w->FormCreate();
        w->show();
        return w;
    }

    QString cell(TRekord& w, int row, int column)
    {
        QTableWidgetItem* item = w.StringGrid1->item(row, column);
        return item ? item->text() : QString();
    }

    test::Installation inst;
    std::unique_ptr<Engine> engine;
    FixedTextMeasure measure;
    FixedScreen screen{QSize(1024, 768)};
    Services services;
    QString path;
};

} // namespace

TEST_F(Rekord, FirstScoreOfANewListAndLeavingWithoutSaving)
{
    auto w = open(95);
    EXPECT_EQ(w->Label1->text(), QStringLiteral("Score for  \"Am, are, is - Easy\""));
    EXPECT_EQ(cell(*w, 0, 3), QStringLiteral("  Score, sec"));
    EXPECT_EQ(w->entryRow(), 1);
    EXPECT_EQ(cell(*w, 1, 1), QStringLiteral("   Anna"));
    EXPECT_EQ(cell(*w, 1, 2), QStringLiteral(" 021201 08:23"));
    EXPECT_EQ(cell(*w, 1, 3), QStringLiteral("        9,5"));
    // The window made an empty list; Esc leaves it empty.
    QTest::keyClick(w->StringGrid1, Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(readFile(path), QByteArray());

    auto again = open(95);
    QTest::keyClick(again->StringGrid1, Qt::Key_Return);
    EXPECT_FALSE(again->isVisible());
    EXPECT_EQ(readFile(path).size(), kRecordSize);
}

TEST_F(Rekord, FullListPlacesAndScrolls)
{
    inst.write("scores/ENG35091.ENR", listOf(100, 10)); // times 1,0 … 10,9
    {
        // Worse than all: row 101, marked, and the file keeps its 100 records.
        auto w = open(900);
        EXPECT_EQ(w->entryRow(), kNoPlace);
        EXPECT_EQ(cell(*w, 101, 0), QStringLiteral("  X"));
        EXPECT_EQ(cell(*w, 101, 1), QStringLiteral("   Anna"));
        // Scrolled to the end, where the entry without a place is seen.
        const QRect shown = w->StringGrid1->visualItemRect(w->StringGrid1->item(101, 1));
        EXPECT_TRUE(w->StringGrid1->viewport()->rect().contains(shown));
        EXPECT_GE(w->topRow(), 60);
        const QByteArray before = readFile(path);
        w->Button1->click();
        EXPECT_EQ(readFile(path), before);
    }
    {
        // An equal time goes after the one already there; rows 10..89 sit mid-window.
        auto w = open(59);
        EXPECT_EQ(w->entryRow(), 51);
        EXPECT_EQ(cell(*w, 50, 1), QStringLiteral("   P50"));
        EXPECT_LT(w->topRow(), 51);
        EXPECT_GT(w->topRow(), 25);
    }
    {
        // A new best: first, and the former 100th is dropped from the file.
        auto w = open(5);
        EXPECT_EQ(w->entryRow(), 1);
        EXPECT_LE(w->topRow(), 1);
        w->Button1->click();
        const QList<Entry> list = decode(readFile(path));
        ASSERT_EQ(list.size(), 100);
        EXPECT_EQ(list.first().name, QByteArray("Anna"));
        EXPECT_EQ(list.last().name, QByteArray("P99"));
    }
}

TEST_F(Rekord, PointsListForWordLists)
{
    engine->item.exerciseCode = 1000;
    engine->highScore.listTitle = "Djur";
    inst.write("scores/ENG35091.ENR", listOf(3, 12, -1)); // 12, 11, 10
    auto w = open(11);
    EXPECT_EQ(w->Label1->text(), QStringLiteral("Score for  Djur"));
    EXPECT_EQ(cell(*w, 0, 3), QStringLiteral("    Score"));
    // Higher points first: 11 beats 10 and ties with the second, so it goes third.
    EXPECT_EQ(w->entryRow(), 3);
    EXPECT_EQ(cell(*w, 3, 3), QStringLiteral("        11"));
}

// A list that cannot be read or written never closes the window as if it had been saved.
TEST_F(Rekord, FailuresAreSaidAndTheWindowStays)
{
    {
        engine->highScore.path = inst.root + "/no-such-folder/ENG35091.ENR";
        auto w = open(40);
        EXPECT_FALSE(inst.messages.texts().isEmpty());
        EXPECT_FALSE(w->Button1->isEnabled());
        QTest::keyClick(w->StringGrid1, Qt::Key_Return);
        EXPECT_TRUE(w->isVisible());
    }
    {
        inst.messages.clear();
        QDir(inst.root).mkpath("scores/ENG35092.ENR"); // a folder where the list should be
        engine->highScore.path = inst.root + "/scores/ENG35092.ENR";
        auto w = open(40);
        ASSERT_FALSE(inst.messages.texts().isEmpty());
        EXPECT_TRUE(inst.messages.texts().first().startsWith(QStringLiteral("Filen ")));
        EXPECT_EQ(w->entryRow(), 1);
        EXPECT_FALSE(w->Button1->isEnabled());
    }
    {
        // An entry without a name is shown but never stored.
        engine->highScore.path = path;
        engine->highScore.entry.name.clear();
        auto w = open(40);
        EXPECT_FALSE(w->Button1->isEnabled());
    }
}
