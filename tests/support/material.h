#pragma once

#include "engine/engine.h"
#include "platform/clock.h"
#include "platform/messages.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace vindra::test {

/// A throw-away installation: a temporary directory with a material root, results and score
/// directories and a directories file that points at them. Files are written as raw bytes.
class Installation {
public:
    Installation()
    {
        root = m_dir.path();
        QDir(root).mkpath(QStringLiteral("material/DATA"));
        QDir(root).mkpath(QStringLiteral("results"));
        QDir(root).mkpath(QStringLiteral("scores"));
        writeIni("[Path]\nKelvo97CDPath=material\nKelvo97PCPath=material\n"
                 "KELVO97ScoreDirectory=scores\nKELVO97DiagnosPath=results\n");
    }

    void writeIni(const QByteArray& content) { write(QStringLiteral("Kelvo97.Ini"), content); }

    /// Writes `content` to `relative` under the installation root, creating folders.
    void write(const QString& relative, const QByteArray& content)
    {
        const QString path = root + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(content);
    }
    void data(const QString& name, const QByteArray& content)
    {
        write(QStringLiteral("material/DATA/") + name, content);
    }

    /// An engine after the unit start-up on this installation.
    std::unique_ptr<Engine> start(std::uint32_t seed = 7)
    {
        auto e = std::make_unique<Engine>(messages, clock, seed);
        started = e->unitStartup(root);
        return e;
    }

    QString root;
    RecordingMessages messages;
    FixedClock clock;
    bool started = false;

private:
    QTemporaryDir m_dir;
};

} // namespace vindra::test
