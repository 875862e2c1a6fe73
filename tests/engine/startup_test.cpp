#include "platform/textmeasure.h"
#include "support/material.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <set>

using namespace vindra;
using vindra::test::Installation;

TEST(Startup, DirectoriesFileTreatments)
{
    Installation inst;
    inst.writeIni("[path]\nkelvo97cdpath = /cd\nKELVO97PCPATH=" + QByteArray(100, 'h') +
                  "\nKELVO97ScoreDirectory=C:\\SCORES\nKELVO97DiagnosPath=D:\\RES\\\n");
    Engine e(inst.messages, inst.clock, 1);
    e.readDirectories(inst.root);
    EXPECT_EQ(e.dirs.cd, "/cd");
    EXPECT_EQ(e.dirs.hardDisk, inst.root.toUtf8() + "/" + QByteArray(100, 'h'))
        << "taken whole however long, then located";
    EXPECT_TRUE(e.dirs.score.endsWith("/C:/SCORES\\")) << e.dirs.score.constData();
    EXPECT_TRUE(e.dirs.results.endsWith("/D:/RES")) << e.dirs.results.constData();

    inst.writeIni("[Path]\nKelvo97PCPath=/hd\nKELVO97ScoreDirectory=/s/\n");
    e.readDirectories(inst.root);
    EXPECT_EQ(e.dirs.results, "/hd\\RESULTAT");
    EXPECT_EQ(e.dirs.score, "/s/");
}

// The directories file as a Linux editor writes it: UTF-8, comments after the values.
TEST(Startup, DirectoriesFileInUtf8WithComments)
{
    Installation inst;
    inst.writeIni("[Path]\nKelvo97CDPath=/srv/L\xC3\xA4rare/material   ; l\xC3\xA4sbar kopia\n"
                  "KELVO97DiagnosPath=/srv/\xC3\x85k8;b\n");
    Engine e(inst.messages, inst.clock, 1);
    e.readDirectories(inst.root);
    EXPECT_EQ(e.dirs.cd, "/srv/L\xE4rare/material") << "kept in the Windows code page";
    EXPECT_EQ(e.dirs.results, "/srv/\xC5k8;b");
}

// The example of the README is what an administrator copies: it must give the paths it shows.
TEST(Startup, TheReadmeExampleWorks)
{
    QFile readme(QStringLiteral(VINDRA_SOURCE_DIR "/README.md"));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QByteArray text = readme.readAll();
    const qsizetype start = text.indexOf("```ini\n");
    ASSERT_GE(start, 0);
    const qsizetype end = text.indexOf("```", start + 7);
    Installation inst;
    inst.writeIni(text.mid(start + 7, end - start - 7));
    Engine e(inst.messages, inst.clock, 1);
    e.readDirectories(inst.root);
    EXPECT_EQ(e.dirs.cd, "/srv/vindra/material");
    EXPECT_EQ(e.dirs.hardDisk, "/opt/vindra/material");
    EXPECT_EQ(e.dirs.score, "/srv/vindra/scores\\");
    EXPECT_EQ(e.dirs.results, "/srv/klass/resultat");
}

TEST(Startup, NoDirectoriesFileAtAll)
{
    Installation inst;
    QFile::remove(inst.root + "/Kelvo97.Ini");
    Engine e(inst.messages, inst.clock, 1);
    e.readDirectories(inst.root);
    EXPECT_TRUE(e.dirs.cd.isEmpty());
    EXPECT_EQ(e.dirs.results, "\\RESULTAT");
    e.resetSettings();
    e.checkDirectories();
    ASSERT_FALSE(inst.messages.texts().isEmpty());
    EXPECT_EQ(inst.messages.texts().first(), QStringLiteral("Katalogen  finns inte."));
}

TEST(Startup, MissingDataDirectoryEndsTheProgram)
{
    Installation inst;
    QDir(inst.root + "/material").removeRecursively();
    inst.start();
    EXPECT_FALSE(inst.started);
    EXPECT_EQ(inst.messages.texts(),
              QStringList{"Kan inte hitta katalogen " + inst.root + "/material\\DATA"});
}

TEST(Startup, ScanWhenThereIsNoListFile)
{
    Installation inst;
    inst.data("ENG2.DAT", "a#b\n");
    inst.data("eng1.dat", "a#b\n");
    inst.data("XYZ.DAT", "a#b\n");
    inst.data("REOM9002.LOV", "Bra!\n");
    inst.data("REOM9001.LOV", "Fint!\n");
    auto e = inst.start();
    ASSERT_TRUE(inst.started);
    EXPECT_EQ(e->dataFiles, (QList<QByteArray>{"ENG2.DAT", "eng1.dat"})) << "byte order";
    EXPECT_EQ(e->praise.names, (QList<QByteArray>{"REOM9001.LOV", "REOM9002.LOV"}));
    EXPECT_TRUE(inst.messages.entries().isEmpty());
}

TEST(Startup, ResultsDirectoryChecks)
{
    Installation inst;
    auto e = inst.start();
    e->checkDirectories();
    EXPECT_TRUE(inst.messages.entries().isEmpty());
    EXPECT_TRUE(QDir(inst.root + "/results")
                    .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        << "the write test leaves nothing";

    // A probe someone else left does not make the shared directory read-only.
    inst.write("results/temp.$$$", "");
    e->checkDirectories();
    EXPECT_TRUE(inst.messages.entries().isEmpty());
    EXPECT_EQ(e->dirs.results, inst.root.toUtf8() + "/results");
    EXPECT_TRUE(QFile::exists(inst.root + "/results/temp.$$$"));

    // /proc refuses new files even to root: a read-only results directory.
    const QByteArray hd = inst.root.toUtf8() + "/material";
    e->dirs.results = "/proc";
    e->checkDirectories();
    EXPECT_EQ(inst.messages.texts().last(),
              "Katalogen " + QString::fromUtf8(hd) + "\\RESULTAT finns inte.");
    EXPECT_EQ(e->dirs.results, "/proc");

    inst.messages.clear();
    QDir().mkpath(inst.root + "/material/RESULTAT");
    e->checkDirectories();
    EXPECT_EQ(inst.messages.texts(),
              QStringList{"Katalogen /proc \u00e4r skrivskyddad. Programmet f\u00f6rs\u00f6ker nu "
                          "med katalogen " +
                          QString::fromUtf8(hd) + "\\RESULTAT i st\u00e4llet"});
    EXPECT_EQ(e->dirs.results, hd + "\\RESULTAT");
    EXPECT_FALSE(QFile::exists(inst.root + "/material/RESULTAT/temp.$$$"));
}

TEST(Startup, ScreenScale)
{
    Installation inst;
    Engine e(inst.messages, inst.clock, 1);
    FixedTextMeasure measure(12); // "A" at 19 pixels is 19 pixels wide
    struct Case {
        int width;
        int scale;
    };
    for (const Case c : {Case{969, 100}, Case{931, 100}, Case{912, 94}, Case{1900, 198}}) {
        e.Skaltest(c.width, measure);
        EXPECT_EQ(e.screenScale, c.scale) << c.width;
    }
    EXPECT_EQ(e.layoutUnit, 12);

    // A line is not quite its letters' widths added up (bearings, kerning, rounding): the
    // count is still the fewest letters that reach the screen's width.
    struct UnevenMeasure : TextMeasure {
        int offset = 0;
        int width(const QString& text, const FontSpec&) const override
        {
            const int n = int(text.size());
            return n == 0 ? 0 : 19 * n + offset - n / 5;
        }
    };
    UnevenMeasure uneven;
    for (const int offset : {40, 0, -30}) {
        uneven.offset = offset;
        for (const int screen : {640, 969, 1900}) {
            int fewest = 1;
            while (uneven.width(QString(fewest, QLatin1Char('A')), {}) < screen)
                ++fewest;
            int expected = 2 * (fewest - 1);
            if ((expected >= 96 && expected <= 101) || expected <= 0)
                expected = 100;
            e.Skaltest(screen, uneven);
            EXPECT_EQ(e.screenScale, expected) << offset << " " << screen;
        }
    }

    // A wide screen keeps the main menu column (478 pixels unscaled) on the screen.
    e.Skaltest(3000, measure, 1080); // 314 % from the width alone
    EXPECT_EQ(e.screenScale, 225);
    e.Skaltest(969, measure, 768);
    EXPECT_EQ(e.screenScale, 100);
}

TEST(Startup, PermutationIsUniformPermutationAndNewEachRun)
{
    Installation inst;
    auto a = inst.start(1);
    auto b = inst.start(2);
    std::set<int> seen(a->permutation.begin() + 1, a->permutation.end());
    EXPECT_EQ(seen.size(), 1000u);
    EXPECT_EQ(*seen.begin(), 1);
    EXPECT_EQ(*seen.rbegin(), 1000);
    EXPECT_NE(a->permutation, b->permutation);

    // Each number lands in the first half about half of the time.
    int firstHalf = 0;
    for (int run = 0; run < 200; ++run) {
        a->engineReset(1, 1000);
        for (int p = 1; p <= 500; ++p)
            firstHalf += a->permutation[static_cast<size_t>(p)] == 1 ? 1 : 0;
    }
    EXPECT_NEAR(firstHalf, 100, 30);
}
