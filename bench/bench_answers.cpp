// Answer checking: svarstest on an item with 8 alternatives (a wrong answer, so every
// candidate is tried, and a right one matched by the last candidate), and dela_mening on a
// 200-character sentence into three lines. Widths come from Qt's font metrics when a
// QGuiApplication can be created (offscreen is enough), else from the fixed measurement.

#include "engine/engine.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/qtplatform.h"
#include "platform/textmeasure.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

const vindra::TextMeasure* g_measure = nullptr;

struct Fixture {
    Fixture()
    {
        engine.setTextMeasure(g_measure);
        engine.item.exerciseCode = 31051;
        engine.str_postarray("a house#houses#&housen#the houses#homes#buildings#dwellings#"
                             "cottages#huts#the last one");
    }
    vindra::RecordingMessages messages;
    vindra::FixedClock clock;
    vindra::Engine engine{messages, clock, 1};
};

void BM_SvarstestWrong(benchmark::State& state)
{
    Fixture f;
    for (auto _ : state)
        benchmark::DoNotOptimize(f.engine.svarstest(f.engine.item.fields[2], "  Mansions.  ", 3));
}
BENCHMARK(BM_SvarstestWrong);

void BM_SvarstestLastCandidate(benchmark::State& state)
{
    Fixture f;
    for (auto _ : state)
        benchmark::DoNotOptimize(f.engine.svarstest(f.engine.item.fields[2], "housen", 1));
}
BENCHMARK(BM_SvarstestLastCandidate);

void BM_DelaMening200(benchmark::State& state)
{
    Fixture f;
    const QByteArray sentence =
        "When the <old> lighthouse keeper finally climbed the narrow stairs, he saw that the "
        "storm had torn the flag from its pole - and far below, the small fishing boats were "
        "racing home across the grey sea.";
    for (auto _ : state) {
        f.engine.dela_mening(20, 720, sentence, 3);
        benchmark::DoNotOptimize(f.engine.sentenceLines);
    }
    state.SetLabel(std::to_string(sentence.size()) + " characters");
}
BENCHMARK(BM_DelaMening200);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QGuiApplication> app;
    vindra::QtTextMeasure qtMeasure;
    vindra::FixedTextMeasure fixedMeasure;
    // QGuiApplication ends the process when no platform plugin loads; offscreen always does.
    app = std::make_unique<QGuiApplication>(argc, argv);
    const bool haveFonts = QGuiApplication::primaryScreen() != nullptr;
    g_measure = haveFonts ? static_cast<const vindra::TextMeasure*>(&qtMeasure) : &fixedMeasure;
    std::printf("text measurement: %s\n", haveFonts ? "QtTextMeasure" : "FixedTextMeasure");

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
