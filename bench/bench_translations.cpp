// Start-up cost of Qt's windows in Swedish: loading and installing Qt's Swedish translation
// and the program's own additions (SwedishTranslations, as main() does it), and removing
// them again.

#include "platform/qttranslations.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void BM_SwedishTranslations(benchmark::State& state)
{
    for (auto _ : state) {
        const vindra::SwedishTranslations translations;
        benchmark::DoNotOptimize(&translations);
    }
}
BENCHMARK(BM_SwedishTranslations)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
