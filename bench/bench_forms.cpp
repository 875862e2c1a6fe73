// Every registered form on the built material: from opening (after Kolla) to its first item
// on screen, and from a right answer to the next item on screen. A form added to the
// registry appears here without an edit. Each form opens on the data file of its first menu
// button (or its first diagnosis slot), at 1024x768 with the program's own fonts.

#include "app/programforms.h"
#include "engine/catalogue.h"
#include "engine/engine.h"
#include "framework/exerciseform.h"
#include "framework/formtimer.h"
#include "platform/clock.h"
#include "platform/ini.h"
#include "platform/messages.h"
#include "platform/qtplatform.h"
#include "platform/screen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

using namespace vindra;

struct Fixture {
    Fixture()
    {
        engine.unitStartup(findWindowsDirectory(QApplication::applicationDirPath()));
        engine.setTextMeasure(&measure);
        engine.Skaltest(1024, measure, 768);
        services = Services{&messages, &measure, &screen, &clock};
        services.forms = &programForms();
        FormTimer::setManual(true);
    }
    RecordingMessages messages;
    FixedClock clock;
    QtTextMeasure measure;
    FixedScreen screen{QSize(1024, 768)};
    Engine engine{messages, clock, 1};
    Services services;
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

QByteArray fileFor(const QByteArray& form)
{
    for (const catalogue::Menu& m : catalogue::menus())
        for (const catalogue::MenuButton& b : m.buttons)
            if (b.dataFile && form == b.target)
                return b.dataFile;
    for (const catalogue::DiagnosisSlot& s : catalogue::diagnosisSlots())
        if (form == s.practiceForm)
            return s.practiceFile;
    return {};
}

/// The exercise code a menu button sets for `form` instead of a data file (the word lists).
int codeFor(const QByteArray& form)
{
    for (const catalogue::Menu& m : catalogue::menus())
        for (const catalogue::MenuButton& b : m.buttons)
            if (b.exerciseCode != 0 && form == b.target)
                return b.exerciseCode;
    return 0;
}

std::unique_ptr<QDialog> open(const QByteArray& name, const QByteArray& file)
{
    Fixture& f = fixture();
    f.engine.session.mode = SessionMode::Practice;
    if (!file.isEmpty()) {
        f.engine.setCurrentFileName(file);
        f.engine.Kolla(file);
    } else if (const int code = codeFor(name)) {
        f.engine.item.exerciseCode = static_cast<quint16>(code);
    }
    auto form = programFormCreators()[name](f.engine, f.services, nullptr);
    form->show();
    // A form that starts with a picker of lists is measured to its first word: the first
    // list, then a name.
    if (auto* picker = form->findChild<QListWidget*>(QStringLiteral("ListBox1"));
        picker && picker->isVisible()) {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(picker, &enter);
        if (auto* pupil = form->findChild<QLineEdit*>(QStringLiteral("Edit2"))) {
            pupil->setText(QStringLiteral("Anna"));
            QApplication::sendEvent(pupil, &enter);
        }
    }
    QApplication::processEvents();
    return form;
}

void openToFirstItem(benchmark::State& state, QByteArray name, QByteArray file)
{
    for (auto _ : state) {
        auto form = open(name, file);
        benchmark::DoNotOptimize(form->isVisible());
    }
}

void rightAnswerToNextItem(benchmark::State& state, QByteArray name, QByteArray file)
{
    auto owned = open(name, file);
    auto* form = qobject_cast<ExerciseForm*>(owned.get());
    if (!form) {
        state.SkipWithError("a game or reading window: opening measured only");
        return;
    }
    for (auto _ : state) {
        form->answerChecked(true);
        QApplication::processEvents();
        if (fixture().engine.session.roundOver()) {
            state.PauseTiming();
            form->Button2Click();
            state.ResumeTiming();
        }
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QList<QByteArray> names = programFormCreators().keys();
    std::sort(names.begin(), names.end());
    for (const QByteArray& name : names) {
        const QByteArray file = fileFor(name);
        const QByteArray open = "open/" + name + "/" + file;
        const QByteArray answer = "answer/" + name + "/" + file;
        benchmark::RegisterBenchmark(open.constData(), openToFirstItem, name, file)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(answer.constData(), rightAnswerToNextItem, name, file)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
