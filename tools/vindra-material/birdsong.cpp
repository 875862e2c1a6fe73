// "birdsong": a bird's song or call, written as a short list of sound elements, synthesised as
// a WAV file. No recordings of the birds are at hand, so each song is an imitation built from
// the species' pattern: its pitch range, the shape of its notes, its rhythm and repetitions.
//
// A song file has one element a line; "#" starts a comment line. Times are in seconds,
// frequencies in Hz (20 to 10 000).
//
//   tone F[-F...] SECONDS [options]   a whistled note; with several frequencies the pitch glides
//                                     through them at an even pace (4000-2500 falls, 2000-3200-
//                                     2600 rises and falls)
//   noise LOW-HIGH SECONDS [options]  a band of noise, for harsh and rasping calls
//   trill COUNT PERIOD[-PERIOD] [shift=SEMITONES] [fade=FACTOR] ELEMENT
//                                     COUNT notes one PERIOD apart, ELEMENT a tone or noise line;
//                                     a second period makes the rhythm speed up or slow down
//                                     across the trill, shift moves the last note that many
//                                     semitones from the first, fade scales its loudness
//   pause SECONDS                     silence
//   repeat COUNT ... end              the lines between, COUNT times
//   + ELEMENT                         sounds together with the previous element, from its start
//   seed N                            the noise generator's seed (the output is the same bytes
//                                     on every run either way)
//
// Options of tone and noise: amp=A (loudness 0..1, default 1), attack=SECONDS and
// release=SECONDS (the rise and fall of the note, default 0.005 and 0.01), am=RATE:DEPTH (the
// loudness pulsing RATE times a second by DEPTH 0..1: a rattle or a rasp), drive=D (the
// sound overdriven D times, 0 to 20: harsher and fuller, as the calls of crows are). Tone only:
// harmonics=A2,A3,... (loudness of the overtones beside the fundamental's 1),
// vibrato=HZ:RATE (the pitch wavering HZ up and down, RATE times a second).
//
// The whole song is brought to one level with headroom and followed by 0.3 s of silence.

#include "commands.h"
#include "wave.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>
#include <vector>

namespace vindra::material {

namespace {

using wave::kSampleRate;

constexpr double kMinFrequency = 20;
constexpr double kMaxFrequency = 10000; // below half the sample rate
constexpr double kMaxSeconds = 30;      // a song, not a concert
constexpr double kTail = 0.3;
constexpr int kMaxRepeat = 100;
constexpr size_t kMaxNotes = 100000; // elements sounding together do not lengthen the song
constexpr int kMaxNesting = 4;

void error(const QString& text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

/// One sound: a tone or a band of noise.
struct Sound {
    bool noise = false;
    std::vector<double> frequencies; ///< the glide of a tone; low and high edge of a noise band
    double seconds = 0;
    double amp = 1;
    double attack = 0.005;
    double release = 0.01;
    double amRate = 0, amDepth = 0;
    double vibratoHz = 0, vibratoRate = 0;
    double drive = 0;              ///< how hard the sound is overdriven: a harsher, fuller call
    std::vector<double> harmonics; ///< overtones 2, 3, … of a tone
};

/// A line of the song, read.
struct Line {
    enum Kind { Play, Trill, Pause, Repeat } kind = Play;
    bool together = false; ///< "+": from the start of the previous element
    Sound sound;
    int count = 1; ///< trill notes, repeats
    double period = 0, endPeriod = 0, shift = 0, fade = 1;
    double seconds = 0;     ///< pause
    std::vector<Line> body; ///< repeat
};

/// The reason a line is refused, or nothing.
using Fault = std::optional<QString>;

bool number(const QString& text, double low, double high, double& value)
{
    bool ok = false;
    value = text.toDouble(&ok);
    return ok && std::isfinite(value) && value >= low && value <= high;
}

bool pair(const QString& text, double lowA, double highA, double lowB, double highB, double& a,
          double& b)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    return parts.size() == 2 && number(parts[0], lowA, highA, a) &&
           number(parts[1], lowB, highB, b);
}

/// "tone …" or "noise …" without the word itself in `words`.
Fault readSound(bool noise, const QStringList& words, Sound& s)
{
    const QString kind = noise ? QStringLiteral("noise") : QStringLiteral("tone");
    if (words.size() < 2)
        return noise ? QStringLiteral("expected \"noise LOW-HIGH SECONDS\"")
                     : QStringLiteral("expected \"tone FREQUENCY[-FREQUENCY…] SECONDS\"");
    s.noise = noise;
    for (const QString& f : words[0].split(QLatin1Char('-'))) {
        double value = 0;
        if (!number(f, kMinFrequency, kMaxFrequency, value))
            return QStringLiteral("\"%1\" is not a frequency from 20 to 10000 Hz").arg(f);
        s.frequencies.push_back(value);
    }
    if (noise && (s.frequencies.size() != 2 || s.frequencies[0] >= s.frequencies[1]))
        return QStringLiteral("a noise band is written LOW-HIGH, such as 800-3000");
    if (!number(words[1], 0.001, 10, s.seconds))
        return QStringLiteral("\"%1\" is not a length from 0.001 to 10 seconds").arg(words[1]);
    for (qsizetype i = 2; i < words.size(); ++i) {
        const QString name = words[i].section(QLatin1Char('='), 0, 0);
        const QString value = words[i].section(QLatin1Char('='), 1);
        bool ok = words[i].contains(QLatin1Char('='));
        if (!ok) {
        } else if (name == QStringLiteral("amp")) {
            ok = number(value, 0, 1, s.amp);
        } else if (name == QStringLiteral("attack")) {
            ok = number(value, 0, 10, s.attack);
        } else if (name == QStringLiteral("release")) {
            ok = number(value, 0, 10, s.release);
        } else if (name == QStringLiteral("drive")) {
            ok = number(value, 0, 20, s.drive);
        } else if (name == QStringLiteral("am")) {
            ok = pair(value, 0.1, 500, 0, 1, s.amRate, s.amDepth);
        } else if (name == QStringLiteral("vibrato") && !noise) {
            ok = pair(value, 0, 5000, 0.1, 500, s.vibratoHz, s.vibratoRate);
        } else if (name == QStringLiteral("harmonics") && !noise) {
            for (const QString& h : value.split(QLatin1Char(','))) {
                double a = 0;
                ok = ok && number(h, 0, 1, a);
                s.harmonics.push_back(a);
            }
        } else {
            return QStringLiteral("\"%1\" is not an option of %2").arg(words[i], kind);
        }
        if (!ok)
            return QStringLiteral("\"%1\" has a value out of range or unreadable").arg(words[i]);
    }
    return std::nullopt;
}

/// Reads one line (not "repeat" or "end") into `line`.
Fault readLine(QStringList words, Line& line)
{
    if (words[0] == QStringLiteral("+")) {
        words.removeFirst();
        line.together = true;
        if (words.isEmpty() ||
            !QStringList{QStringLiteral("tone"), QStringLiteral("noise"), QStringLiteral("trill")}
                 .contains(words[0]))
            return QStringLiteral("\"+\" is followed by a tone, noise or trill line");
    }
    const QString word = words.takeFirst();
    if (word == QStringLiteral("tone") || word == QStringLiteral("noise")) {
        line.kind = Line::Play;
        return readSound(word == QStringLiteral("noise"), words, line.sound);
    }
    if (word == QStringLiteral("pause")) {
        line.kind = Line::Pause;
        if (words.size() != 1 || !number(words[0], 0.001, 10, line.seconds))
            return QStringLiteral("expected \"pause SECONDS\" (up to 10)");
        return std::nullopt;
    }
    if (word == QStringLiteral("trill")) {
        line.kind = Line::Trill;
        double count = 0;
        if (words.size() < 2 || !number(words[0], 1, 200, count) || count != std::floor(count))
            return QStringLiteral("expected \"trill COUNT PERIOD[-PERIOD] … tone|noise …\" with "
                                  "a COUNT from 1 to 200");
        line.count = int(count);
        const QStringList periods = words[1].split(QLatin1Char('-'));
        if (periods.size() > 2 || !number(periods[0], 0.005, 5, line.period) ||
            !number(periods.value(1, periods[0]), 0.005, 5, line.endPeriod))
            return QStringLiteral("\"%1\" is not a period (or two) from 0.005 to 5 seconds")
                .arg(words[1]);
        qsizetype i = 2;
        for (; i < words.size() && words[i].contains(QLatin1Char('=')); ++i) {
            const QString name = words[i].section(QLatin1Char('='), 0, 0);
            const QString value = words[i].section(QLatin1Char('='), 1);
            bool ok = false;
            if (name == QStringLiteral("shift"))
                ok = number(value, -48, 48, line.shift);
            else if (name == QStringLiteral("fade"))
                ok = number(value, 0, 10, line.fade);
            else
                return QStringLiteral("\"%1\" is not an option of trill").arg(words[i]);
            if (!ok)
                return QStringLiteral("\"%1\" has a value out of range or unreadable")
                    .arg(words[i]);
        }
        if (i >= words.size() ||
            (words[i] != QStringLiteral("tone") && words[i] != QStringLiteral("noise")))
            return QStringLiteral("a trill names its note: \"… tone …\" or \"… noise …\"");
        return readSound(words[i] == QStringLiteral("noise"), words.mid(i + 1), line.sound);
    }
    return QStringLiteral("\"%1\" is not an element (tone, noise, trill, pause, repeat, end, "
                          "seed, +)")
        .arg(word);
}

/// One sound placed in time, ready to be drawn.
struct Placed {
    Sound sound;
    double start = 0;
};

/// Lays the lines out in time from `cursor`; false when the song grows beyond its limits.
/// `previous` is the start of the element sounded last, for "+".
bool layOut(const std::vector<Line>& lines, double& cursor, double& end, double& previous,
            std::vector<Placed>& out)
{
    for (const Line& line : lines) {
        const double start = line.together ? previous : cursor;
        double stop = start;
        switch (line.kind) {
        case Line::Play:
            out.push_back({line.sound, start});
            stop = start + line.sound.seconds;
            break;
        case Line::Trill: {
            double t = start;
            for (int n = 0; n < line.count; ++n) {
                const double along = line.count > 1 ? double(n) / (line.count - 1) : 0;
                Sound note = line.sound;
                const double factor = std::pow(2.0, line.shift * along / 12);
                for (double& f : note.frequencies)
                    f = std::clamp(f * factor, kMinFrequency, kMaxFrequency);
                note.amp *= 1 + (line.fade - 1) * along;
                note.amp = std::min(note.amp, 1.0);
                out.push_back({note, t});
                stop = std::max(stop, t + note.seconds);
                t += line.period + (line.endPeriod - line.period) * along;
                stop = std::max(stop, t);
            }
            break;
        }
        case Line::Pause:
            stop = start + line.seconds;
            break;
        case Line::Repeat:
            for (int n = 0; n < line.count; ++n) {
                double inner = cursor;
                if (!layOut(line.body, inner, end, previous, out))
                    return false;
                cursor = inner;
            }
            continue;
        }
        if (line.kind != Line::Pause)
            previous = start;
        cursor = std::max(cursor, stop);
        end = std::max(end, cursor);
        if (end > kMaxSeconds || out.size() > kMaxNotes)
            return false;
    }
    return true;
}

/// A rise and fall shaped like half a cosine, so nothing clicks.
double envelope(const Sound& s, double t)
{
    const double attack = std::min(s.attack, s.seconds / 2);
    const double release = std::min(s.release, s.seconds / 2);
    double g = 1;
    if (attack > 0 && t < attack)
        g = 0.5 - 0.5 * std::cos(std::numbers::pi * t / attack);
    const double left = s.seconds - t;
    if (release > 0 && left < release)
        g *= 0.5 - 0.5 * std::cos(std::numbers::pi * std::max(0.0, left) / release);
    if (s.amDepth > 0)
        g *= 1 - s.amDepth * (0.5 + 0.5 * std::sin(2 * std::numbers::pi * s.amRate * t));
    return g * s.amp;
}

/// The pitch of a tone at time t: an even glide through its frequencies, in musical steps.
double pitch(const Sound& s, double t)
{
    if (s.frequencies.size() == 1)
        return s.frequencies[0];
    const double x = std::clamp(t / s.seconds, 0.0, 1.0) * double(s.frequencies.size() - 1);
    const auto i = std::min(size_t(x), s.frequencies.size() - 2);
    const double a = s.frequencies[i], b = s.frequencies[i + 1];
    return a * std::pow(b / a, x - double(i));
}

/// A deterministic noise source (xorshift), the same on every machine.
struct Noise {
    quint64 state = 0x9E3779B97F4A7C15ull;
    double next()
    {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return double(state >> 11) / double(1ull << 53) * 2 - 1;
    }
};

/// A band-pass filter (a biquad of constant peak gain).
struct BandPass {
    double b0, b2, a1, a2, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    BandPass(double centre, double q)
    {
        const double w = 2 * std::numbers::pi * centre / kSampleRate;
        const double alpha = std::sin(w) / (2 * q);
        const double a0 = 1 + alpha;
        b0 = alpha / a0;
        b2 = -alpha / a0;
        a1 = -2 * std::cos(w) / a0;
        a2 = (1 - alpha) / a0;
    }
    double operator()(double x)
    {
        const double y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }
};

void draw(std::vector<double>& out, const Placed& p, Noise& noise)
{
    const Sound& s = p.sound;
    const auto first = size_t(std::lround(p.start * kSampleRate));
    const auto count = size_t(std::lround(s.seconds * kSampleRate));
    if (out.size() < first + count)
        out.resize(first + count, 0.0);
    std::vector<double> v(count);
    if (s.noise) {
        // Two filters in a row give the band steeper edges. Noise has rare high peaks; they
        // are rounded off (at two and a half times its mean level), so that a harsh call
        // brought to the song's level is not much quieter than a whistle.
        const double lo = s.frequencies[0], hi = s.frequencies[1];
        const double centre = std::sqrt(lo * hi);
        const double q = std::max(0.3, centre / (hi - lo));
        BandPass one(centre, q), two(centre, q);
        double power = 0;
        for (double& x : v) {
            x = two(one(noise.next()));
            power += x * x;
        }
        const double rms = std::sqrt(power / double(std::max<size_t>(count, 1)));
        if (rms > 0)
            for (double& x : v)
                x = std::tanh(x / rms / 2.5) / std::tanh(2.0);
    } else {
        double total = 1;
        for (double h : s.harmonics)
            total += h;
        double phase = 0;
        for (size_t i = 0; i < count; ++i) {
            const double t = double(i) / kSampleRate;
            double f = pitch(s, t);
            if (s.vibratoHz > 0)
                f += s.vibratoHz * std::sin(2 * std::numbers::pi * s.vibratoRate * t);
            f = std::max(f, kMinFrequency);
            double x = std::sin(phase);
            for (size_t h = 0; h < s.harmonics.size(); ++h) {
                // Overtones near half the sample rate fade out instead of folding back down.
                // Each starts at a phase of its own (Schroeder's), so that a rich, harsh call
                // has fewer sharp peaks and sounds fuller at the song's level.
                const double k = double(h + 2);
                const double fh = f * k;
                const double keep = std::clamp((10500 - fh) / 1500, 0.0, 1.0);
                const double offset =
                    std::numbers::pi * k * (k - 1) / double(s.harmonics.size() + 1);
                x += keep * s.harmonics[h] * std::sin(phase * k + offset);
            }
            v[i] = x / total;
            phase = std::fmod(phase + 2 * std::numbers::pi * f / kSampleRate,
                              2 * std::numbers::pi * 64);
        }
    }
    if (s.drive > 0)
        for (double& x : v)
            x = std::tanh(s.drive * x) / std::tanh(s.drive);
    for (size_t i = 0; i < count; ++i)
        out[first + i] += v[i] * envelope(s, double(i) / kSampleRate);
}

} // namespace

int birdsongCommand(const QStringList& args)
{
    if (args.size() != 2) {
        error(QStringLiteral("usage: vindra-material birdsong SONG OUT.WAV"));
        return 2;
    }
    QFile file(args[0]);
    if (!file.open(QIODevice::ReadOnly)) {
        error(args[0] + QStringLiteral(": cannot be read"));
        return 1;
    }
    const QStringList text = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));

    // The lines, with "repeat" opening a block that "end" closes.
    std::vector<std::vector<Line>> open(1);
    std::vector<int> repeatLines;
    Noise noise;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QString trimmed = text[i].trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        const QString where = QStringLiteral("%1:%2: ").arg(args[0]).arg(i + 1);
        const QStringList words = trimmed.split(QRegularExpression(QStringLiteral("\\s+")));
        if (words[0] == QStringLiteral("repeat")) {
            double count = 0;
            if (words.size() != 2 || !number(words[1], 1, kMaxRepeat, count) ||
                count != std::floor(count)) {
                error(where +
                      QStringLiteral("expected \"repeat COUNT\" with a COUNT from 1 to 100"));
                return 1;
            }
            if (int(open.size()) > kMaxNesting) {
                error(where + QStringLiteral("repeats nest at most four deep"));
                return 1;
            }
            Line line;
            line.kind = Line::Repeat;
            line.count = int(count);
            open.back().push_back(line);
            open.emplace_back();
            repeatLines.push_back(int(i + 1));
            continue;
        }
        if (words[0] == QStringLiteral("end")) {
            if (words.size() != 1 || open.size() < 2) {
                error(where + QStringLiteral("\"end\" without a \"repeat\" before it"));
                return 1;
            }
            std::vector<Line> body = std::move(open.back());
            open.pop_back();
            repeatLines.pop_back();
            if (body.empty()) {
                error(where + QStringLiteral("the repeat has nothing to repeat"));
                return 1;
            }
            open.back().back().body = std::move(body);
            continue;
        }
        if (words[0] == QStringLiteral("seed")) {
            bool ok = false;
            const quint64 seed = words.value(1).toULongLong(&ok);
            if (words.size() != 2 || !ok) {
                error(where + QStringLiteral("expected \"seed NUMBER\""));
                return 1;
            }
            noise.state = seed * 0x9E3779B97F4A7C15ull + 1; // never zero for xorshift
            if (noise.state == 0)
                noise.state = 1;
            continue;
        }
        Line line;
        if (const Fault fault = readLine(words, line)) {
            error(where + *fault);
            return 1;
        }
        if (line.together) {
            const std::vector<Line>& here = open.back();
            const bool after = !here.empty() || open.size() > 1;
            if (!after) {
                error(where + QStringLiteral("\"+\" needs an element before it"));
                return 1;
            }
        }
        open.back().push_back(std::move(line));
    }
    if (open.size() > 1) {
        error(QStringLiteral("%1:%2: \"repeat\" without its \"end\"")
                  .arg(args[0])
                  .arg(repeatLines.back()));
        return 1;
    }

    std::vector<Placed> placed;
    double cursor = 0, end = 0, previous = 0;
    if (!layOut(open[0], cursor, end, previous, placed)) {
        error(args[0] +
              QStringLiteral(": the song is longer than 30 seconds or has more than 100000 "
                             "notes"));
        return 1;
    }
    if (placed.empty()) {
        error(args[0] + QStringLiteral(": a song needs at least one tone, noise or trill"));
        return 1;
    }
    std::vector<double> samples(size_t(std::lround(end * kSampleRate)), 0.0);
    for (const Placed& p : placed)
        draw(samples, p, noise);
    samples.resize(size_t(std::lround((end + kTail) * kSampleRate)), 0.0);
    if (std::none_of(samples.begin(), samples.end(), [](double s) { return s != 0; })) {
        error(args[0] + QStringLiteral(": the song is silent (every amp is 0)"));
        return 1;
    }
    wave::normalise(samples, 0.7);
    return wave::write(args[1], samples) ? 0 : 1;
}

} // namespace vindra::material
