// The written-answer exercise: from opening the form (after Kolla) to its first item on
// screen, and from Enter on a right answer to the next item shown.

#include "engine/engine.h"
#include "exercises/skriva.h"
#include "framework/formregistry.h"
#include "framework/formtimer.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/qtplatform.h"
#include "platform/screen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

struct Fixture {
    Fixture()
    {
        QDir(dir.path()).mkpath("material/DATA");
        write("Kelvo97.Ini", "[Path]\nKelvo97CDPath=material\nKelvo97PCPath=material\n");
        write("material/DATA/datfiler.eng", "ENG31051.DAT\n");
        QByteArray items = "$Grammatik\n$Substantiv\n$Plural\n$\xA7Skriv pluralformen.\n";
        for (int i = 1; i <= 50; ++i)
            items +=
                "a house on the hill number " + QByteArray::number(i) + "#houses#&the houses\n";
        write("material/DATA/ENG31051.DAT", items);
        engine.unitStartup(dir.path());
        engine.setTextMeasure(&measure);
        engine.layoutUnit = 12;
        services = vindra::Services{&messages, &measure, &screen, &clock};
        engine.setCurrentFileName("ENG31051.DAT");
        engine.Kolla("ENG31051.DAT");
        vindra::FormTimer::setManual(true);
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
    vindra::QtTextMeasure measure;
    vindra::FixedScreen screen{QSize(1024, 768)};
    vindra::Engine engine{messages, clock, 1};
    vindra::Services services;
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_OpenToFirstItem(benchmark::State& state)
{
    auto& f = fixture();
    for (auto _ : state) {
        f.engine.session.mode = vindra::SessionMode::Practice;
        auto form = vindra::createForm<vindra::TSKRIV>(f.engine, f.services);
        form->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(form->isVisible());
    }
}
BENCHMARK(BM_OpenToFirstItem)->Unit(benchmark::kMillisecond);

void BM_RightAnswerToNextItem(benchmark::State& state)
{
    auto& f = fixture();
    f.engine.session.mode = vindra::SessionMode::Practice;
    auto owned = vindra::createForm<vindra::TSKRIV>(f.engine, f.services);
    vindra::TSKRIV& form = *owned;
    form.show();
    auto* edit = form.findChild<QLineEdit*>("Edit1");
    for (auto _ : state) {
        edit->setText(QString::fromLatin1(f.engine.item.fields[2]));
        QTest::keyClick(edit, Qt::Key_Return);
        QApplication::processEvents();
        if (f.engine.session.itemCounter > f.engine.session.sessionLength) {
            state.PauseTiming();
            form.Button2Click();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_RightAnswerToNextItem)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
