#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

/// The sounds the material tool synthesises (the anthem, the bird songs) are written alike:
/// 16-bit PCM, mono, 22 050 Hz.
namespace vindra::material::wave {

constexpr int kSampleRate = 22050;

/// A RIFF WAVE file of samples in -1..1 (anything beyond is clamped).
QByteArray file(const std::vector<double>& samples);

/// Scales the samples so that the loudest one reaches `peak`; silence stays silence.
void normalise(std::vector<double>& samples, double peak);

/// Writes the WAV file at `path` (creating its folder) through a scratch file, so a failed
/// build never leaves a half-written sound; false after a message on standard error.
bool write(const QString& path, const std::vector<double>& samples);

} // namespace vindra::material::wave
