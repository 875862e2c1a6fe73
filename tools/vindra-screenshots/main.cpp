// Pictures of the program's windows for people to look at: the main window, a menu and every
// registered exercise form (in practice, after a wrong answer, in the diagnosis and in
// worksheet mode), drawn offscreen on the built material at the screen sizes asked for.
//
//   vindra-screenshots OUTDIR [WIDTHxHEIGHT ...]     (default 1024x768 1920x1080)
//   vindra-screenshots --help | --version

#include "app/programforms.h"
#include "engine/catalogue.h"
#include "engine/engine.h"
#include "framework/skrivut.h"
#include "platform/clock.h"
#include "platform/ini.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/qtfontpreload.h"
#include "platform/qtplatform.h"
#include "platform/screen.h"
#include "shell/engel.h"
#include "shell/menuwindow.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <cstdio>
#include <memory>

using namespace vindra;

namespace {

QSize parseSize(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    if (parts.size() != 2)
        return {};
    return {parts[0].toInt(), parts[1].toInt()};
}

bool save(QWidget& w, const QString& path)
{
    QApplication::processEvents();
    const bool ok = w.grab().save(path);
    std::fprintf(stderr, "%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

/// The first menu button that opens `form` on a data file.
const catalogue::MenuButton* buttonFor(const QByteArray& form)
{
    for (const catalogue::Menu& m : catalogue::menus())
        for (const catalogue::MenuButton& b : m.buttons)
            if (b.dataFile && form == b.target)
                return &b;
    return nullptr;
}

/// The exercise code a menu button sets for `form` instead of a data file (the word lists),
/// 0 when none does.
int codeFor(const QByteArray& form)
{
    for (const catalogue::Menu& m : catalogue::menus())
        for (const catalogue::MenuButton& b : m.buttons)
            if (b.exerciseCode != 0 && form == b.target)
                return b.exerciseCode;
    return 0;
}

/// A form that starts with a picker of lists is taken through it: the first list, a name.
bool throughPicker(QDialog& form)
{
    auto* picker = form.findChild<QListWidget*>(QStringLiteral("ListBox1"));
    if (!picker || !picker->isVisible())
        return false;
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(picker, &enter);
    auto* name = form.findChild<QLineEdit*>(QStringLiteral("Edit2"));
    if (name && name->isVisible()) {
        name->setText(QStringLiteral("Anna"));
        QApplication::sendEvent(name, &enter);
    }
    return true;
}

/// True when a menu button opens `form` without a data file (the Britain windows).
bool opensWithoutFile(const QByteArray& form)
{
    for (const catalogue::Menu& m : catalogue::menus())
        for (const catalogue::MenuButton& b : m.buttons)
            if (!b.dataFile && form == b.target)
                return true;
    return false;
}

/// The diagnosis test slot that `form` runs, if any.
const catalogue::DiagnosisSlot* slotFor(const QByteArray& form)
{
    for (const catalogue::DiagnosisSlot& s : catalogue::diagnosisSlots())
        if (form == s.testForm)
            return &s;
    return nullptr;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Fonts as the program asks for them.
    vindra::startReadingFontConfiguration();
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments().mid(1);
    if (args == QStringList{QStringLiteral("--version")}) {
        std::puts("vindra-screenshots " VINDRA_VERSION);
        return 0;
    }
    const bool help = args == QStringList{QStringLiteral("--help")};
    if (args.isEmpty() || help) {
        std::fputs("usage: vindra-screenshots OUTDIR [WIDTHxHEIGHT ...]\n", help ? stdout : stderr);
        return help ? 0 : 2;
    }
    const QString out = args[0];
    QDir().mkpath(out);
    QStringList sizes = args.mid(1);
    if (sizes.isEmpty())
        sizes = {QStringLiteral("1024x768"), QStringLiteral("1920x1080")};

    int failures = 0;
    for (const QString& sizeText : sizes) {
        const QSize size = parseSize(sizeText);
        if (size.isEmpty()) {
            std::fprintf(stderr, "not a size: %s\n", qPrintable(sizeText));
            return 2;
        }
        RecordingMessages messages;
        QtTextMeasure measure;
        FixedScreen screen(size);
        FixedClock clock;
        RecordingPrinter printer;
        Services services{&messages, &measure, &screen, &clock, nullptr, &printer};
        services.forms = &programForms();
        auto engine = std::make_unique<Engine>(messages, clock, 7);
        if (!engine->unitStartup(findWindowsDirectory(QApplication::applicationDirPath()))) {
            std::fprintf(stderr, "the material was not found\n");
            return 1;
        }
        TEngel engel(std::move(engine), services);
        engel.resize(size);
        engel.show();
        Engine& e = engel.engine();
        const QString suffix = QLatin1Char('_') + sizeText + QStringLiteral(".png");
        failures += !save(engel, out + QStringLiteral("/main") + suffix);
        // The main window in worksheet mode: its sign below the menu, the maroon panel.
        if (auto* worksheet = engel.findChild<QPushButton*>(QStringLiteral("Button7"))) {
            worksheet->click();
            failures += !save(engel, out + QStringLiteral("/main_worksheet") + suffix);
            worksheet->click();
        }

        {
            TMenuWindow menu(e, services, *catalogue::menu("TF3"));
            menu.show();
            failures += !save(menu, out + QStringLiteral("/menu_TF3") + suffix);
        }

        {
            // The print queue with a few lines of a worksheet, as the worksheet bar shows it.
            TUtskrift queue(e, services);
            e.worksheet.addToBoth("   1. \xd6vers\xe4tt f\xf6ljande ord:");
            e.worksheet.add("   2. h\xe4st  ______________", "   2. h\xe4st  horse");
            queue.showList(1);
            failures += !save(queue, out + QStringLiteral("/printqueue") + suffix);
            e.worksheet.clear(false);
        }

        const QList<QByteArray> forms = programForms().keys();
        for (const QByteArray& name : forms) {
            struct Shot {
                const char* label;
                SessionMode mode;
                QByteArray file;
            };
            QList<Shot> shots;
            if (const catalogue::MenuButton* b = buttonFor(name)) {
                shots.append({"practice", SessionMode::Practice, b->dataFile});
                shots.append({"worksheet", SessionMode::Worksheet, b->dataFile});
            }
            const int code = codeFor(name);
            if (code != 0) {
                shots.append({"practice", SessionMode::Practice, {}});
                shots.append({"worksheet", SessionMode::Worksheet, {}});
            }
            if (const catalogue::DiagnosisSlot* s = slotFor(name)) {
                e.diagnosis.currentSlot = s->slot;
                shots.append({"diagnosis", SessionMode::DiagnosisTest, s->testFile});
            }
            if (shots.isEmpty() && opensWithoutFile(name))
                shots.append({"window", SessionMode::Practice, {}});
            for (const Shot& shot : shots) {
                e.session.mode = shot.mode;
                if (!shot.file.isEmpty())
                    e.setCurrentFileName(shot.file);
                if (!shot.file.isEmpty() && !e.Kolla(shot.file)) {
                    ++failures;
                    continue;
                }
                if (shot.file.isEmpty() && code != 0)
                    e.item.exerciseCode = static_cast<quint16>(code);
                std::unique_ptr<QDialog> form = programFormCreators()[name](e, services, nullptr);
                form->show();
                const QString base = out + QLatin1Char('/') + QString::fromLatin1(name) +
                                     QLatin1Char('_') + QLatin1String(shot.label);
                failures += !save(*form, base + suffix);
                const bool picked = throughPicker(*form);
                if (picked)
                    failures += !save(*form, base + QStringLiteral("_chosen") + suffix);
                if (shot.mode == SessionMode::Practice && (!shot.file.isEmpty() || picked)) {
                    // After a wrong answer: the right answer is shown.
                    for (QLineEdit* box : form->findChildren<QLineEdit*>()) {
                        if (box->isVisible() && box->isEnabled()) {
                            box->setText(QStringLiteral("?"));
                            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                            QApplication::sendEvent(box, &enter);
                        }
                    }
                    // A form answered by choosing: the first two choices, one of them wrong.
                    if (form->findChildren<QLineEdit*>().isEmpty()) {
                        for (const Qt::Key key : {Qt::Key_1, Qt::Key_2}) {
                            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier,
                                            QString(QChar(u'0' + (key - Qt::Key_0))));
                            QApplication::sendEvent(form.get(), &press);
                        }
                    }
                    failures += !save(*form, base + QStringLiteral("_wrong") + suffix);
                }
                form->done(0);
            }
        }
        e.session.mode = SessionMode::Practice;
    }
    return failures == 0 ? 0 : 1;
}
