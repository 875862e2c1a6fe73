// Data files: Kolla on first and later use, and a round of 10 item fetches
// (haemtaord + str_postarray) on a 50-item and a 1000-item file.

#include "engine/cipher.h"
#include "engine/engine.h"
#include "platform/clock.h"
#include "platform/messages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Fixture {
    Fixture()
    {
        QDir(dir.path()).mkpath("material/DATA");
        write("Kelvo97.Ini", "[Path]\nKelvo97CDPath=material\nKelvo97PCPath=material\n");
        write("material/DATA/datfiler.eng", "ENG31051.DAT\nENG31052.DAT\n");
        write("material/DATA/ENG31051.DAT", file(50));
        write("material/DATA/ENG31052.DAT", file(1000));
        engine.unitStartup(dir.path());
    }
    static QByteArray file(int n)
    {
        QByteArray out = "$Plural\n$\xA7Skriv ordet i plural.\n$%Translate.\n";
        for (int i = 1; i <= n; ++i)
            out += vindra::cipher::kryptrad("a house number " + QByteArray::number(i) +
                                            "#houses#&housen#the houses") +
                   "\r\n";
        return out;
    }
    void write(const QString& rel, const QByteArray& content)
    {
        QFile f(dir.path() + "/" + rel);
        f.open(QIODevice::WriteOnly);
        f.write(content);
    }
    QTemporaryDir dir;
    vindra::RecordingMessages messages;
    vindra::FixedClock clock;
    vindra::Engine engine{messages, clock, 1};
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_KollaFirstUse(benchmark::State& state)
{
    auto& f = fixture();
    const QByteArray name = state.range(0) == 50 ? "ENG31051.DAT" : "ENG31052.DAT";
    for (auto _ : state) {
        f.engine.cache[state.range(0) == 50 ? 1 : 2].itemCount = 0;
        benchmark::DoNotOptimize(f.engine.Kolla(name));
    }
}
BENCHMARK(BM_KollaFirstUse)->Arg(50)->Arg(1000);

void BM_KollaLaterUse(benchmark::State& state)
{
    auto& f = fixture();
    f.engine.Kolla("ENG31052.DAT");
    for (auto _ : state)
        benchmark::DoNotOptimize(f.engine.Kolla("ENG31052.DAT"));
}
BENCHMARK(BM_KollaLaterUse);

void BM_RoundOfTenFetches(benchmark::State& state)
{
    auto& f = fixture();
    const int n = static_cast<int>(state.range(0));
    const QByteArray name = n == 50 ? "ENG31051.DAT" : "ENG31052.DAT";
    f.engine.Kolla(name);
    for (auto _ : state) {
        for (int i = 0; i < 10; ++i) {
            // Spread the items over the file as a random order would.
            f.engine.haemtaord(name, 1 + (i * 97) % n);
            f.engine.str_postarray(f.engine.item.currentItemLine);
        }
        benchmark::DoNotOptimize(f.engine.item.fields);
    }
}
BENCHMARK(BM_RoundOfTenFetches)->Arg(50)->Arg(1000);

} // namespace

BENCHMARK_MAIN();
