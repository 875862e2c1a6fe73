#include "app/programforms.h"
#include "engine/catalogue.h"
#include "framework/formregistry.h"
#include "framework/formtimer.h"
#include "platform/screen.h"
#include "platform/textmeasure.h"
#include "support/material.h"
#include "words/listu.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace vindra;

namespace {

class Lista : public ::testing::Test {
protected:
    void SetUp() override
    {
        FormTimer::setManual(true);
        inst.data("datfiler.eng", catalogue::datfilerContent());
        inst.data("eng22051.DAT", "$Synonymer\nThe wall is <high>.\nHe is <tall>.\n");
        inst.data("eng22011.DAT", "$Synonymer\nMy <leg> hurts.\nThe dog has a <bone>.\n");
        engine = inst.start();
        ASSERT_TRUE(inst.started);
        engine->layoutUnit = 12;
        services = Services{&inst.messages, &measure, &screen, &inst.clock};
        forms.insert("TFLERBAR", [this](Engine& e, const Services&, QWidget*) {
            opened << e.item.currentFileName;
        });
        services.forms = &forms;
    }
    void TearDown() override { FormTimer::setManual(false); }

    void create(SessionMode mode = SessionMode::Practice)
    {
        engine->session.mode = mode;
        window = createForm<Tlista>(*engine, services);
        window->show();
    }
    QListWidget* list() { return window->list(); }
    QRect rowOf(const QString& word)
    {
        const auto found = list()->findItems(word, Qt::MatchExactly);
        if (found.isEmpty())
            return {};
        list()->scrollToItem(found.first());
        QCoreApplication::processEvents(); // the view scrolls on its next layout
        return list()->visualItemRect(found.first());
    }
    /// Runs `action` and closes the modal window it opens; returns its class name. The
    /// closer waits until a window above the list is the active modal one.
    QString modalOf(const std::function<void()>& action)
    {
        QString seen;
        bool running = true;
        int tries = 0;
        std::function<void()> closer = [&] {
            auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (w && w != window.get()) {
                seen = QString::fromLatin1(w->metaObject()->className());
                w->done(QDialog::Rejected);
            } else if (running && ++tries < 1000) {
                QTimer::singleShot(0, window.get(), closer);
            }
        };
        QTimer::singleShot(0, window.get(), closer);
        action();
        running = false;
        QCoreApplication::processEvents();
        return seen;
    }

    test::Installation inst;
    FixedTextMeasure measure;
    FixedScreen screen{QSize(1024, 768)};
    Services services;
    FormRegistry forms;
    QList<QByteArray> opened;
    std::unique_ptr<Engine> engine;
    std::unique_ptr<Tlista> window;
};

} // namespace

TEST_F(Lista, ListsTheThirtyWordsInTheirOwnOrder)
{
    create();
    ASSERT_EQ(list()->count(), 30);
    EXPECT_EQ(list()->item(0)->text(), "ben");
    EXPECT_EQ(list()->item(2)->text(), QString::fromUtf8("bröst")) << "not sorted: before båda";
    EXPECT_EQ(list()->item(3)->text(), QString::fromUtf8("båda"));
    EXPECT_EQ(list()->item(29)->text(), QString::fromUtf8("väg"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label1"))->text(), "Synonymer");
}

TEST_F(Lista, ClickDoubleClickAndEnterOpenTheExerciseButArrowKeysOnlySelect)
{
    create();
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                      rowOf(QString::fromUtf8("hög")).center());
    EXPECT_EQ(opened, QList<QByteArray>{"eng22051.DAT"});
    list()->setCurrentRow(0);
    Q_EMIT list()->itemDoubleClicked(list()->item(0));
    EXPECT_EQ(opened.last(), "eng22011.DAT");

    opened.clear();
    list()->setCurrentRow(12);
    QTest::keyClick(list(), Qt::Key_Down);
    QTest::keyClick(list(), Qt::Key_Down);
    EXPECT_TRUE(opened.isEmpty()) << "moving through the list opens nothing";
    EXPECT_EQ(list()->currentItem()->text(), QString::fromUtf8("kanal"));
    list()->setCurrentRow(13);
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(opened, QList<QByteArray>{"eng22051.DAT"});
}

TEST_F(Lista, EnterWithoutAChoiceDoesNothing)
{
    create();
    list()->clearSelection();
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(inst.messages.entries().isEmpty()) << "no file error for a missing choice";
}

TEST_F(Lista, AMissingExerciseFileIsReportedAndOpensNothing)
{
    create();
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rowOf("tak").center());
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(inst.messages.texts().contains(
        QString::fromUtf8("Filen eng22151.DAT finns inte eller är felaktig")));
}

TEST_F(Lista, F1AndTheRightButtonShowTheRulePageWhenItsRuleFileIsThere)
{
    inst.data("r22051.r01", "regel\n");
    inst.write(QStringLiteral("material/REGLER/R22051.htm"), "<html><body>high</body></html>");
    create();
    list()->setCurrentRow(13);
    EXPECT_EQ(modalOf([&] { QTest::keyClick(list(), Qt::Key_F1); }), "vindra::TRegelform");
    EXPECT_EQ(engine->item.exerciseCode, 22051);
    EXPECT_TRUE(inst.messages.entries().isEmpty());
    EXPECT_TRUE(opened.isEmpty()) << "the rule page opens no exercise";

    list()->setCurrentRow(0);
    const QString byMouse = modalOf([&] {
        QTest::mousePress(list()->viewport(), Qt::RightButton, {},
                          rowOf(QString::fromUtf8("hög")).center());
    });
    EXPECT_EQ(byMouse, "vindra::TRegelform") << "the word under the pointer";
    EXPECT_EQ(list()->currentItem()->text(), QString::fromUtf8("hög"));
    EXPECT_TRUE(opened.isEmpty());

    // "ben" has no rule file: the message, and no window.
    list()->setCurrentRow(0);
    EXPECT_TRUE(modalOf([&] { QTest::keyClick(list(), Qt::Key_F1); }).isEmpty());
    EXPECT_EQ(inst.messages.texts(),
              QStringList{QString::fromUtf8("Filen r22011.r01 finns inte eller är felaktig")});
}

TEST_F(Lista, WorksheetModeColoursThePanel)
{
    for (const SessionMode mode : {SessionMode::Practice, SessionMode::Worksheet}) {
        create(mode);
        const QColor panel = window->findChild<QWidget*>(QStringLiteral("Panel1"))
                                 ->palette()
                                 .color(QPalette::Window);
        EXPECT_EQ(panel == QColor(128, 0, 0), mode == SessionMode::Worksheet);
    }
}

TEST_F(Lista, TheProgramOpensTheWordChoiceFormOnTheChosenSet)
{
    services.forms = &programForms();
    create();
    const QString form = modalOf([&] {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          rowOf(QString::fromUtf8("hög")).center());
    });
    EXPECT_EQ(form, "vindra::TFLERBAR");
    EXPECT_EQ(engine->item.currentFileName, "eng22051.DAT");
    EXPECT_EQ(engine->item.exerciseCode, 22051);
}

// A picture of the list for a look by eye: run with --gtest_also_run_disabled_tests and
// VINDRA_SHOTS set to a folder.
TEST_F(Lista, DISABLED_Screenshots)
{
    const QString folder = qEnvironmentVariable("VINDRA_SHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "VINDRA_SHOTS is not set";
    for (const SessionMode mode : {SessionMode::Practice, SessionMode::Worksheet}) {
        create(mode);
        list()->setCurrentRow(13);
        window->adjustSize();
        window->grab().save(folder + QStringLiteral("/lista-%1.png").arg(static_cast<int>(mode)));
    }
}
