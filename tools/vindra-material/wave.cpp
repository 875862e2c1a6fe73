#include "wave.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vindra::material::wave {

namespace {

void appendLE(QByteArray& bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

} // namespace

QByteArray file(const std::vector<double>& samples)
{
    const auto dataSize = quint32(samples.size() * 2);
    QByteArray bytes;
    bytes.append("RIFF");
    appendLE(bytes, 36 + dataSize, 4);
    bytes.append("WAVEfmt ");
    appendLE(bytes, 16, 4);
    appendLE(bytes, 1, 2); // PCM
    appendLE(bytes, 1, 2); // mono
    appendLE(bytes, kSampleRate, 4);
    appendLE(bytes, kSampleRate * 2, 4);
    appendLE(bytes, 2, 2);
    appendLE(bytes, 16, 2);
    bytes.append("data");
    appendLE(bytes, dataSize, 4);
    for (double s : samples) {
        const auto v = qint16(std::lround(std::clamp(s, -1.0, 1.0) * 32767));
        appendLE(bytes, quint16(v), 2);
    }
    return bytes;
}

void normalise(std::vector<double>& samples, double peak)
{
    double loudest = 0;
    for (double s : samples)
        loudest = std::max(loudest, std::abs(s));
    if (loudest > 0)
        for (double& s : samples)
            s *= peak / loudest;
}

bool write(const QString& path, const std::vector<double>& samples)
{
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile out(path);
    const QByteArray bytes = file(samples);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        std::fprintf(stderr, "%s\n", qPrintable(path + QStringLiteral(": cannot be written")));
        return false;
    }
    return true;
}

} // namespace vindra::material::wave
