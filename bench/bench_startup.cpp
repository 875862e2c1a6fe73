// Start-up of the program to its main window shown, as a whole process, against a bare Qt
// Widgets window on the same machine (the floor). Both programs end at their window's first
// paint; `vindra_up` reads the built installation's directories file beside it. The ratio
// of the two medians is the figure to quote.

#include <QCoreApplication>
#include <QProcess>
#include <QString>

#include <benchmark/benchmark.h>

namespace {

QString g_binDir;

void runProcess(benchmark::State& state, const char* program)
{
    const QString path = g_binDir + QLatin1Char('/') + QLatin1String(program);
    for (auto _ : state) {
        QProcess p;
        p.start(path, {});
        if (!p.waitForFinished(30000) || p.exitCode() != 0) {
            state.SkipWithError("the program did not start and end cleanly");
            return;
        }
    }
}

void BM_StartupVindra(benchmark::State& state)
{
    runProcess(state, "startup_vindra");
}
void BM_StartupFloor(benchmark::State& state)
{
    runProcess(state, "startup_floor");
}
BENCHMARK(BM_StartupVindra)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_StartupFloor)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    g_binDir = QCoreApplication::applicationDirPath();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
