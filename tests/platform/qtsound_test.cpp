#include "platform/qtsound.h"

#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace vindra;

namespace {

/// A WAV file of `ms` milliseconds of silence (8 kHz, 16-bit mono).
QByteArray silence(int ms)
{
    const quint32 samples = 8 * static_cast<quint32>(ms);
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s.writeRawData("RIFF", 4);
    s << quint32(36 + samples * 2);
    s.writeRawData("WAVEfmt ", 8);
    s << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(16000) << quint16(2)
      << quint16(16);
    s.writeRawData("data", 4);
    s << quint32(samples * 2);
    out.append(QByteArray(static_cast<qsizetype>(samples) * 2, '\0'));
    return out;
}

QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& content)
{
    QFile f(dir.filePath(name));
    f.open(QIODevice::WriteOnly);
    f.write(content);
    return f.fileName();
}

} // namespace

// Runs on machines without a sound device too: playback then goes into nothing.
TEST(QtSoundPlayer, PlaysAsynchronouslyAndRefusesWhatIsNoWav)
{
    QTemporaryDir dir;
    QtSoundPlayer player;
    QStringList errors;
    player.setErrorHandler([&](const QString& text) { errors << text; });

    EXPECT_FALSE(player.play(dir.filePath("none.wav")).isEmpty());
    EXPECT_TRUE(player.play(write(dir, "text.wav", "not a sound at all")).contains("WAV"));
    player.stop(); // nothing started: harmless

    const QString longer = write(dir, "long.wav", silence(2000));
    const QString shorter = write(dir, "short.wav", silence(100));
    EXPECT_EQ(player.play(longer), QString());
    EXPECT_EQ(player.play(shorter), QString()) << "a new play replaces the running one";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !player.playing(); }, 10000));
    EXPECT_EQ(player.play(longer), QString());
    player.stop();
    EXPECT_FALSE(player.playing());
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}
