// The material build's steps for the Britain windows: the map and the flags drawn at their
// sizes, and the anthem synthesised from its score.

#include "engine/catalogue.h"
#include "material_tool.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>

#include <gtest/gtest.h>

using vindra::test::materialTool;
using vindra::test::readFile;
using vindra::test::ToolRun;
using vindra::test::writeFile;

TEST(MaterialBritain, OneFlagSourceGivesTheThreeSizes)
{
    QTemporaryDir dir;
    // Red hoist half, blue fly half: the bitmaps keep the proportions, nothing is cropped.
    const QString source = dir.path() + QStringLiteral("/ENFLAGG.svg");
    writeFile(source, "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 60 30\">"
                      "<rect width=\"30\" height=\"30\" fill=\"#ff0000\"/>"
                      "<rect x=\"30\" width=\"30\" height=\"30\" fill=\"#0000ff\"/></svg>");
    const QString out = dir.path() + QStringLiteral("/BILD");
    const ToolRun run =
        materialTool({QStringLiteral("picture"), QStringLiteral("britain"), source, out});
    ASSERT_EQ(run.code, 0) << run.err.constData();
    for (const char* file : {"ENFLAGG1.BMP", "ENFLAGG2.BMP", "ENFLAGG3.BMP"}) {
        const QImage image(out + QLatin1Char('/') + QLatin1String(file));
        const vindra::catalogue::BritainPicture* p = vindra::catalogue::britainPicture(file);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(image.size(), QSize(p->width, p->height)) << file;
        EXPECT_EQ(image.size().width(), 2 * image.size().height()) << file;
        EXPECT_EQ(image.pixelColor(2, image.height() / 2), QColor(Qt::red)) << file;
        EXPECT_EQ(image.pixelColor(image.width() - 3, image.height() / 2), QColor(Qt::blue))
            << file;
    }
    EXPECT_FALSE(QFile::exists(out + QStringLiteral("/ENGMAP.BMP")));

    const QString stranger = dir.path() + QStringLiteral("/CASTLE.svg");
    writeFile(stranger, readFile(source));
    const ToolRun refused =
        materialTool({QStringLiteral("picture"), QStringLiteral("britain"), stranger, out});
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(refused.err.contains("no picture of the Britain windows"))
        << refused.err.constData();
}

TEST(MaterialBritain, MelodyIsSynthesisedAsAWaveFile)
{
    QTemporaryDir dir;
    const QString score = dir.path() + QStringLiteral("/tune.score");
    const QString wav = dir.path() + QStringLiteral("/LJUD/TUNE.WAV");
    // Two beats a second: A4 for half a second, a rest, then a bass voice from the start.
    writeFile(score, "# a test\ntempo 120\nvoice 1\nA4:1 r:1 | C#5:0.5\nvoice 0.5\nA2:1\n");
    const ToolRun run = materialTool({QStringLiteral("melody"), score, wav});
    ASSERT_EQ(run.code, 0) << run.err.constData();
    const QByteArray bytes = readFile(wav);
    ASSERT_GT(bytes.size(), 44);
    EXPECT_EQ(bytes.left(4), "RIFF");
    EXPECT_EQ(bytes.mid(8, 8), "WAVEfmt ");
    auto u16 = [&](int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    EXPECT_EQ(u16(20), 1); // PCM
    EXPECT_EQ(u16(22), 1); // mono
    const quint32 rate = u32(24);
    EXPECT_EQ(u16(34), 16); // bits
    EXPECT_EQ(u32(40), quint32(bytes.size() - 44));
    EXPECT_EQ(u32(4), quint32(bytes.size() - 8));

    const int samples = (bytes.size() - 44) / 2;
    auto sample = [&](double seconds) {
        return qFromLittleEndian<qint16>(bytes.constData() + 44 + 2 * int(seconds * rate));
    };
    // The last note ends 1.25 s in (its release a little later), then half a second of silence.
    EXPECT_NEAR(double(samples) / rate, 1.25 + 0.5, 0.1);
    int loudest = 0;
    for (int i = 0; i < samples; ++i)
        loudest = std::max(loudest, std::abs(int(sample(double(i) / rate))));
    EXPECT_NEAR(loudest, 0.7 * 32767, 50); // brought to a level with headroom
    bool restSilent = true;
    for (double t = 0.6; t < 0.95; t += 0.01)
        restSilent = restSilent && sample(t) == 0;
    EXPECT_TRUE(restSilent);
    EXPECT_NE(sample(0.25), 0);
}

TEST(MaterialBritain, MelodyRefusesAFaultyScore)
{
    QTemporaryDir dir;
    struct Case {
        QByteArray score;
        const char* error;
    };
    const Case cases[] = {
        {"tempo 80\nvoice 1\nG4:1 H4:1\n", ":3: \"H4:1\" is not a note"},
        {"tempo 80\nG4:x\n", ":2: \"G4:x\" is not a note"},
        {"tempo 0\nG4:1\n", ":1: expected \"tempo"},
        {"G4:1 A4:1\n", "needs a tempo line and notes"},
    };
    for (const Case& c : cases) {
        const QString score = dir.path() + QStringLiteral("/bad.score");
        writeFile(score, c.score);
        const ToolRun run =
            materialTool({QStringLiteral("melody"), score, dir.path() + QStringLiteral("/x.wav")});
        EXPECT_EQ(run.code, 1) << c.score.constData();
        EXPECT_TRUE(run.err.contains(c.error)) << run.err.constData();
        EXPECT_FALSE(QFile::exists(dir.path() + QStringLiteral("/x.wav")));
    }
}
