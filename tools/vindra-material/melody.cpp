#include "commands.h"
#include "wave.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace vindra::material {

namespace {

using wave::kSampleRate;

void error(const QString& text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

/// Semitones from A4 of a note name such as "F#4", "Bb3", "C5"; false when it is none.
bool semitonesFromA4(const QString& name, int& semitones)
{
    static const QRegularExpression kNote(QStringLiteral("^([A-G])([#b]?)(\\d)$"));
    const QRegularExpressionMatch m = kNote.match(name);
    if (!m.hasMatch())
        return false;
    static const int kFromC[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    int fromC = kFromC[m.captured(1).at(0).unicode() - 'A'];
    if (m.captured(2) == QStringLiteral("#"))
        ++fromC;
    else if (m.captured(2) == QStringLiteral("b"))
        --fromC;
    const int octave = m.captured(3).toInt();
    semitones = (octave - 4) * 12 + fromC - 9;
    return true;
}

struct Note {
    double start = 0; ///< in beats
    double length = 0;
    double frequency = 0; ///< 0 for a rest
    double volume = 1;
};

/// One note of a soft organ-like voice: a few harmonics falling off, a short attack, a gentle
/// decay to a sustained level and a release that ends before the next note, so repeated notes
/// stay distinct and nothing clicks.
void renderNote(std::vector<double>& out, const Note& n, double secondsPerBeat)
{
    if (n.frequency <= 0)
        return;
    const double attack = 0.02, decay = 0.12, release = 0.08, sustain = 0.75;
    const double seconds = n.length * secondsPerBeat;
    const double sounding = std::max(seconds - 0.03, attack + release);
    const auto first = static_cast<size_t>(n.start * secondsPerBeat * kSampleRate);
    const auto count = static_cast<size_t>((sounding + release) * kSampleRate);
    if (out.size() < first + count)
        out.resize(first + count, 0.0);
    static const double kHarmonics[] = {1.0, 0.45, 0.22, 0.12, 0.06};
    for (size_t i = 0; i < count; ++i) {
        const double t = double(i) / kSampleRate;
        double envelope;
        if (t < attack)
            envelope = t / attack;
        else if (t < attack + decay)
            envelope = 1.0 - (1.0 - sustain) * (t - attack) / decay;
        else
            envelope = sustain;
        if (t > sounding)
            envelope *= std::max(0.0, 1.0 - (t - sounding) / release);
        double v = 0;
        for (size_t h = 0; h < std::size(kHarmonics); ++h)
            v += kHarmonics[h] * std::sin(2 * std::numbers::pi * n.frequency * double(h + 1) * t);
        out[first + i] += n.volume * envelope * v;
    }
}

} // namespace

int melodyCommand(const QStringList& args)
{
    if (args.size() != 2) {
        error(QStringLiteral("usage: vindra-material melody SCORE OUT.WAV"));
        return 2;
    }
    QFile file(args[0]);
    if (!file.open(QIODevice::ReadOnly)) {
        error(args[0] + QStringLiteral(": cannot be read"));
        return 1;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));

    double tempo = 0;
    double volume = 1;
    double beat = 0;
    std::vector<Note> notes;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString where = QStringLiteral("%1:%2: ").arg(args[0]).arg(i + 1);
        const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words[0] == QStringLiteral("tempo") || words[0] == QStringLiteral("voice")) {
            bool ok = false;
            const double value = words.value(1).toDouble(&ok);
            if (words.size() != 2 || !ok || value <= 0 || value > 400) {
                error(where + QStringLiteral("expected \"tempo BEATS-PER-MINUTE\" or \"voice "
                                             "VOLUME\""));
                return 1;
            }
            if (words[0] == QStringLiteral("tempo")) {
                tempo = value;
            } else {
                // A new voice starts again at the first beat.
                volume = value;
                beat = 0;
            }
            continue;
        }
        for (const QString& word : words) {
            if (word == QStringLiteral("|"))
                continue;
            const QString name = word.section(QLatin1Char(':'), 0, 0);
            bool ok = false;
            const double length = word.section(QLatin1Char(':'), 1).toDouble(&ok);
            int semitones = 0;
            const bool rest = name == QStringLiteral("r");
            if (!ok || length <= 0 || length > 16 || (!rest && !semitonesFromA4(name, semitones))) {
                error(where + QStringLiteral("\"%1\" is not a note such as G4:1, F#4:1.5 or a rest "
                                             "r:1")
                                  .arg(word));
                return 1;
            }
            const double frequency = rest ? 0 : 440.0 * std::pow(2.0, semitones / 12.0);
            notes.push_back({beat, length, frequency, volume});
            beat += length;
        }
    }
    if (tempo <= 0 || notes.empty()) {
        error(args[0] + QStringLiteral(": a score needs a tempo line and notes"));
        return 1;
    }

    std::vector<double> samples;
    for (const Note& n : notes)
        renderNote(samples, n, 60.0 / tempo);
    // Half a second of silence after the last note, then the whole piece brought to a level
    // that leaves headroom.
    samples.resize(samples.size() + kSampleRate / 2, 0.0);
    wave::normalise(samples, 0.7);
    if (!wave::write(args[1], samples))
        return 1;
    return 0;
}

} // namespace vindra::material
