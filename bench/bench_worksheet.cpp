// Worksheet printing: a 300-item worksheet (30 blocks of 10 items) with answers, laid out
// and written to a PDF file; and the same layout on the recording printer, which leaves
// the layout's own cost.

#include "engine/engine.h"
#include "framework/skrivut.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/qtprinter.h"
#include "platform/screen.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

struct Fixture {
    Fixture()
    {
        vindra::Worksheet& w = engine.worksheet;
        w.clear(true);
        for (int block = 1; block <= 30; ++block) {
            w.newBlock = true;
            w.startBlock({{"", "Substantiv", "Plural", "Tr\xE4ning " + QByteArray::number(block)}},
                         "Translate.");
            for (int k = 0; k < 10; ++k)
                w.addWrittenItem(w.nextItemPrefix(),
                                 "ett hus med en tr\xE4"
                                 "dg\xE5rd",
                                 "a house with a garden eller a house and a garden.");
        }
        w.withAnswersFlag = true;
    }
    vindra::RecordingMessages messages;
    vindra::FixedClock clock;
    vindra::Engine engine{messages, clock, 1};
    vindra::FixedScreen screen;
    QTemporaryDir dir;
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_Worksheet300ToPdf(benchmark::State& state)
{
    auto& f = fixture();
    vindra::QtPrinter printer;
    vindra::Services services;
    services.screen = &f.screen;
    services.printer = &printer;
    vindra::TUtskrift utskrift(f.engine, services);
    const QString path = f.dir.filePath(QStringLiteral("worksheet.pdf"));
    for (auto _ : state) {
        printer.printToPdf(path, 1);
        utskrift.SkrivutFraga();
    }
    state.counters["pages"] = f.engine.worksheet.pageNumber;
    state.counters["pdf_kB"] = static_cast<double>(QFileInfo(path).size()) / 1024.0;
}
BENCHMARK(BM_Worksheet300ToPdf)->Unit(benchmark::kMillisecond);

void BM_Worksheet300Layout(benchmark::State& state)
{
    auto& f = fixture();
    vindra::RecordingPrinter printer;
    vindra::Services services;
    services.screen = &f.screen;
    services.printer = &printer;
    vindra::TUtskrift utskrift(f.engine, services);
    for (auto _ : state) {
        printer = vindra::RecordingPrinter();
        utskrift.SkrivutFraga();
    }
    state.counters["pages"] = static_cast<double>(printer.pages().size());
}
BENCHMARK(BM_Worksheet300Layout)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
