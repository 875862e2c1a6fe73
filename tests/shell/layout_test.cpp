// Every window of the program on the built material, at the screen sizes pupils have: nothing
// off the screen, nothing covering what it should not, no text larger than its control. Forms
// are taken from the program's form registry and menus from the catalogue, so a form or menu
// added later is checked without this file being touched.

#include "app/programforms.h"
#include "diagnosis/diagu.h"
#include "diagnosis/diagut.h"
#include "diagnosis/diaproto.h"
#include "engine/catalogue.h"
#include "engine/diagnosisrecord.h"
#include "engine/engine.h"
#include "framework/exerciseform.h"
#include "framework/formtimer.h"
#include "framework/regel.h"
#include "framework/skrivut.h"
#include "framework/stallinu.h"
#include "platform/clock.h"
#include "platform/ini.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/qtplatform.h"
#include "platform/screen.h"
#include "shell/engel.h"
#include "shell/manualu.h"
#include "shell/menuwindow.h"
#include "shell/omsevra.h"
#include "support/layoutcheck.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace vindra;
using namespace vindra::test;

namespace {

struct ScreenCase {
    const char* name;
    QSize size; ///< in logical pixels, as windows are laid out
    qreal pixelRatio;
};

const ScreenCase kScreens[] = {
    {"640x480", {640, 480}, 1},
    {"800x600", {800, 600}, 1},
    {"1024x768", {1024, 768}, 1},
    {"1366x768", {1366, 768}, 1},
    {"1920x1080", {1920, 1080}, 1},
    {"2560x1440", {2560, 1440}, 1},
    {"3840x2160_ratio2", {1920, 1080}, 2},
};

/// The first menu button that opens `form` on a data file.
const catalogue::MenuButton* buttonFor(const QByteArray& form)
{
    for (const catalogue::Menu& m : catalogue::menus())
        for (const catalogue::MenuButton& b : m.buttons)
            if (b.dataFile && form == b.target)
                return &b;
    // A form that opens without a data file (the synonym list reads its own files).
    for (const catalogue::Menu& m : catalogue::menus())
        for (const catalogue::MenuButton& b : m.buttons)
            if (form == b.target)
                return &b;
    return nullptr;
}

const catalogue::DiagnosisSlot* slotFor(const QByteArray& form)
{
    for (const catalogue::DiagnosisSlot& s : catalogue::diagnosisSlots())
        if (form == s.testForm)
            return &s;
    return nullptr;
}

class Layout : public ::testing::TestWithParam<ScreenCase> {
protected:
    void SetUp() override
    {
        FormTimer::setManual(true);
        screen.setSize(GetParam().size);
        screen.setPixelRatio(GetParam().pixelRatio);
        services = Services{&messages, &measure, &screen, &clock, nullptr, &printer};
        services.forms = &programForms();
        auto engine = std::make_unique<Engine>(messages, clock, 7);
        ASSERT_TRUE(engine->unitStartup(findWindowsDirectory(QStringLiteral(VINDRA_BUILT_BIN))))
            << "the built material is missing";
        engel = std::make_unique<TEngel>(std::move(engine), services);
        diagutform = std::make_unique<TDiagutform>(engel->engine(), services);
        services.diagutform = diagutform.get();
        utskrift = std::make_unique<TUtskrift>(engel->engine(), services);
        services.utskrift = utskrift.get();
    }
    void TearDown() override { FormTimer::setManual(false); }

    /// Shows `w` and records its faults under `what`.
    void check(QWidget& w, const QString& what)
    {
        if (!w.isVisible())
            w.show();
        QApplication::processEvents();
        for (const QString& f : layoutFaults(&w, GetParam().size))
            faults << what + QStringLiteral(": ") + f;
    }

    void expectNoFaults()
    {
        EXPECT_TRUE(faults.isEmpty())
            << faults.size() << " layout faults at " << GetParam().name << ":\n  "
            << faults.join(QStringLiteral("\n  ")).toStdString();
    }

    Engine& e() { return engel->engine(); }

    RecordingMessages messages;
    QtTextMeasure measure;
    FixedScreen screen;
    FixedClock clock;
    RecordingPrinter printer;
    Services services;
    std::unique_ptr<TEngel> engel;
    std::unique_ptr<TDiagutform> diagutform;
    std::unique_ptr<TUtskrift> utskrift;
    QStringList faults;
};

TEST_P(Layout, MainWindowMenusAndSmallWindows)
{
    check(*engel, QStringLiteral("main window"));
    // The pictures are drawn for the screen's pixels, not stretched from a smaller bitmap, and
    // beyond the bitmaps' screens they fill the height of their row.
    const QSize size = GetParam().size;
    const auto* panel = engel->findChild<QWidget*>(QStringLiteral("Panel1"));
    const auto* bar = engel->findChild<QWidget*>(QStringLiteral("Panel9"));
    int pictures = 0;
    for (QLabel* picture : engel->findChildren<QLabel*>()) {
        if (!picture->objectName().startsWith(QStringLiteral("BildImage")) || !picture->isVisible())
            continue;
        ++pictures;
        const QString name = picture->objectName();
        EXPECT_EQ(picture->pixmap().devicePixelRatio(), GetParam().pixelRatio) << qPrintable(name);
        if (size.width() > 1024 || GetParam().pixelRatio != 1) {
            EXPECT_EQ(picture->height(), (size.height() - bar->height()) / 3) << qPrintable(name);
            EXPECT_LE(picture->width(), panel->x()) << qPrintable(name);
            EXPECT_GE(picture->width(), panel->x() * 3 / 4) << qPrintable(name);
        }
    }
    EXPECT_EQ(pictures, 6);
    QTest::mouseMove(engel->findChild<QLabel*>(QStringLiteral("BildImage12")));
    auto* worksheet = engel->findChild<QPushButton*>(QStringLiteral("Button7"));
    worksheet->click();
    check(*engel, QStringLiteral("main window, worksheet mode"));
    worksheet->click();

    for (const catalogue::Menu& m : catalogue::menus()) {
        TMenuWindow menu(e(), services, m);
        check(menu, QStringLiteral("menu ") + QString::fromLatin1(m.id));
    }
    {
        TOmSevra about(e(), services);
        check(about, QStringLiteral("about box"));
    }
    {
        TManual manual(e(), services);
        check(manual, QStringLiteral("manual"));
    }
    {
        TStallin settings(e(), services);
        check(settings, QStringLiteral("settings"));
    }
    {
        TRegelform rules(e(), services, 31061);
        check(rules, QStringLiteral("rule window"));
    }
    check(*utskrift, QStringLiteral("print queue"));
    utskrift->hide();
    {
        e().session.mode = SessionMode::DiagnosisTest;
        TDiag reg(e(), services);
        check(reg, QStringLiteral("register"));
    }
    {
        e().diagnosis.current = diagnosisrecord::cleared();
        e().diagnosis.current.name = "Cleo";
        Tdiaprot protocol(e(), services);
        check(protocol, QStringLiteral("protocol"));
    }
    expectNoFaults();
}

/// Types a wrong answer into every answer box that takes one and lets the waits run out. A
/// form answered by choosing gets the figures 1 and 2: two different choices, so at most one
/// of them is right.
void answerWrong(ExerciseForm& form)
{
    for (QLineEdit* box : form.findChildren<QLineEdit*>())
        if (box->isVisible() && box->isEnabled()) {
            box->setText(QStringLiteral("?"));
            QTest::keyClick(box, Qt::Key_Return);
        }
    if (form.findChildren<QLineEdit*>().isEmpty()) {
        QTest::keyClick(&form, Qt::Key_1);
        QTest::keyClick(&form, Qt::Key_2);
    }
}

/// A form that starts with a picker of lists (the word lists) is taken through it to its
/// session: the first list, then a pupil's name where one is asked.
void throughPicker(QDialog& form)
{
    auto* picker = form.findChild<QListWidget*>(QStringLiteral("ListBox1"));
    if (!picker || !picker->isVisible())
        return;
    QTest::keyClick(picker, Qt::Key_Return);
    auto* name = form.findChild<QLineEdit*>(QStringLiteral("Edit2"));
    if (name && name->isVisible()) {
        name->setText(QStringLiteral("Anna"));
        QTest::keyClick(name, Qt::Key_Return);
    }
}

void tickOut(ExerciseForm& form)
{
    for (int tick = 0; tick < 120; ++tick) {
        form.Timer1Timer();
        form.Timer3Timer();
    }
}

TEST_P(Layout, EveryRegisteredFormInEveryMode)
{
    ASSERT_FALSE(programFormCreators().isEmpty());
    for (auto it = programFormCreators().begin(); it != programFormCreators().end(); ++it) {
        const QByteArray name = it.key();
        struct Run {
            const char* label;
            SessionMode mode;
            QByteArray file;
            int code = 0; ///< set by a menu button that opens the form without a file
        };
        QList<Run> runs;
        if (const catalogue::MenuButton* b = buttonFor(name)) {
            runs.append({"practice", SessionMode::Practice, b->dataFile, b->exerciseCode});
            runs.append({"worksheet", SessionMode::Worksheet, b->dataFile, b->exerciseCode});
        }
        if (const catalogue::DiagnosisSlot* s = slotFor(name)) {
            e().diagnosis.currentSlot = s->slot;
            runs.append({"diagnosis", SessionMode::DiagnosisTest, s->testFile});
        }
        ASSERT_FALSE(runs.isEmpty()) << name.constData() << " is opened by no menu and no slot";
        for (const Run& run : runs) {
            const QString what =
                QString::fromLatin1(name) + QLatin1Char(' ') + QLatin1String(run.label);
            e().session.mode = run.mode;
            // A form opened without a data file (the synonym list) reads its own files.
            if (!run.file.isEmpty()) {
                e().setCurrentFileName(run.file);
                ASSERT_TRUE(e().Kolla(run.file)) << run.file.constData();
            } else if (run.code != 0) {
                e().item.exerciseCode = static_cast<quint16>(run.code);
            }
            std::unique_ptr<QDialog> dialog = it.value()(e(), services, nullptr);
            auto* form = qobject_cast<ExerciseForm*>(dialog.get());
            check(*dialog, what);
            if (form && form->findChild<QListWidget*>(QStringLiteral("ListBox1"))) {
                throughPicker(*form);
                check(*dialog, what + QStringLiteral(", list chosen"));
            }
            if (!form || run.mode == SessionMode::Worksheet)
                continue;
            answerWrong(*form);
            check(*form, what + QStringLiteral(", right answer shown"));
            // A finished test would be handed to the register of the built tree.
            if (run.mode != SessionMode::Practice)
                continue;
            // To the end of the round: the picture and the button bar.
            for (int item = 0; item < 60 && !e().session.roundOver(); ++item) {
                tickOut(*form);
                answerWrong(*form);
            }
            tickOut(*form);
            check(*form, what + QStringLiteral(", round ended"));
            dialog->hide();
        }
    }
    e().session.mode = SessionMode::Practice;
    expectNoFaults();
}

INSTANTIATE_TEST_SUITE_P(Screens, Layout, ::testing::ValuesIn(kScreens),
                         [](const ::testing::TestParamInfo<ScreenCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
