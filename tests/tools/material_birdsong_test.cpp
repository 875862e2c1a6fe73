// The material build's bird songs: a song written as elements synthesised into a WAV file, and
// a faulty song refused with its line.

#include "material_tool.h"

#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>

#include <gtest/gtest.h>

using vindra::test::materialTool;
using vindra::test::readFile;
using vindra::test::ToolRun;
using vindra::test::writeFile;

TEST(MaterialBirdsong, SongIsSynthesisedAsAWaveFile)
{
    QTemporaryDir dir;
    const QString song = dir.path() + QStringLiteral("/TEST.song");
    // 0.2 s of 1000 Hz, a pause, a trill with a noise band over its start, a repeated note:
    // 0.2 + 0.1 + 3 × 0.05 + 2 × 0.1 = 0.65 s, then the 0.3 s of silence every song ends with.
    writeFile(song, "# a test\n"
                    "tone 1000 0.2\n"
                    "pause 0.1\n"
                    "trill 3 0.05 shift=-2 fade=0.5 tone 2000-3000 0.02 amp=0.8\n"
                    "+ noise 500-1500 0.04 amp=0.5 drive=2\n"
                    "repeat 2\n"
                    "  tone 800-900-700 0.1 harmonics=0.5,0.2 vibrato=20:10 am=30:0.5\n"
                    "end\n");
    const QString wav = dir.path() + QStringLiteral("/LJUD/BIRDS/TEST.WAV");
    const ToolRun run = materialTool({QStringLiteral("birdsong"), song, wav});
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
    EXPECT_EQ(rate, 22050u);
    EXPECT_EQ(u16(34), 16); // bits
    EXPECT_EQ(u32(40), quint32(bytes.size() - 44));
    EXPECT_EQ(u32(4), quint32(bytes.size() - 8));

    const int samples = (bytes.size() - 44) / 2;
    EXPECT_NEAR(samples, (0.65 + 0.3) * rate, 2);
    auto sample = [&](int i) { return qFromLittleEndian<qint16>(bytes.constData() + 44 + 2 * i); };
    auto at = [&](double seconds) { return int(seconds * rate); };

    // One level with headroom: the loudest sample at 0.7 of full scale, none clipped.
    int loudest = 0;
    for (int i = 0; i < samples; ++i)
        loudest = std::max(loudest, std::abs(int(sample(i))));
    EXPECT_NEAR(loudest, 0.7 * 32767, 2);

    // The first tone is at its pitch: 1000 Hz crosses zero 200 times in a tenth of a second.
    int crossings = 0;
    for (int i = at(0.05); i < at(0.15); ++i)
        crossings += (sample(i) < 0) != (sample(i + 1) < 0);
    EXPECT_NEAR(crossings, 200, 3);
    // The pause and the end are silent; the elements after the pause sound where they should.
    auto silent = [&](double from, double to) {
        bool quiet = true;
        for (int i = at(from); i < at(to); ++i)
            quiet = quiet && sample(i) == 0;
        return quiet;
    };
    EXPECT_TRUE(silent(0.201, 0.299));
    EXPECT_TRUE(silent(0.651, 0.949));
    EXPECT_FALSE(silent(0.30, 0.32)); // the first trill note and the noise
    EXPECT_FALSE(silent(0.60, 0.61)); // the second repeat

    // The same source gives the same bytes: the noise is seeded, nothing depends on the run.
    const QString again = dir.path() + QStringLiteral("/AGAIN.WAV");
    ASSERT_EQ(materialTool({QStringLiteral("birdsong"), song, again}).code, 0);
    EXPECT_EQ(readFile(again), bytes);
}

TEST(MaterialBirdsong, FaultySongIsRefusedWithItsLine)
{
    QTemporaryDir dir;
    struct Case {
        QByteArray song;
        const char* error;
    };
    const Case cases[] = {
        {"tone 1000 0.2\ntone 30000 0.1\n", ":2: \"30000\" is not a frequency"},
        {"# a comment\n\ntrill 3 0.05 tone\n", ":3: expected \"tone FREQUENCY"},
        {"trill 3 0.05 whistle 1000 0.1\n", ":1: a trill names its note"},
        {"tone 1000 0.2 loud=1\n", ":1: \"loud=1\" is not an option of tone"},
        {"tone 1000 0.2 amp=2\n", ":1: \"amp=2\" has a value out of range"},
        {"noise 3000-800 0.2\n", ":1: a noise band is written LOW-HIGH"},
        {"tone 1000 -1\n", ":1: \"-1\" is not a length"},
        {"pause\n", ":1: expected \"pause SECONDS\""},
        {"tone 1000 0.1\nrepeat 2\ntone 1000 0.1\n", ":2: \"repeat\" without its \"end\""},
        {"tone 1000 0.1\nend\n", ":2: \"end\" without a \"repeat\""},
        {"+ tone 1000 0.1\n", ":1: \"+\" needs an element before it"},
        {"tone 1000 0.1\n+ pause 1\n", ":2: \"+\" is followed by a tone"},
        {"whistle 1000 0.1\n", ":1: \"whistle\" is not an element"},
        {"# nothing but a pause\npause 1\n", "needs at least one tone"},
        {"tone 1000 0.1 amp=0\n", "the song is silent"},
        {"repeat 100\nrepeat 100\ntone 1000 1\nend\nend\n", "longer than 30 seconds"},
        // Notes that sound together take no time, so their number is bounded too.
        {"tone 1000 0.1\nrepeat 100\nrepeat 100\nrepeat 100\n+ tone 900 0.1\nend\nend\nend\n",
         "more than 100000 notes"},
    };
    const QString wav = dir.path() + QStringLiteral("/x.WAV");
    for (const Case& c : cases) {
        const QString song = dir.path() + QStringLiteral("/bad.song");
        writeFile(song, c.song);
        const ToolRun run = materialTool({QStringLiteral("birdsong"), song, wav});
        EXPECT_EQ(run.code, 1) << c.song.constData();
        EXPECT_TRUE(run.err.contains(c.error)) << c.song.constData() << run.err.constData();
        EXPECT_TRUE(run.err.startsWith(song.toUtf8())) << run.err.constData();
        EXPECT_FALSE(QFile::exists(wav)) << c.song.constData();
    }
}
