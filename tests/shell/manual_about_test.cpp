#include "shell/manualu.h"
#include "shell/omsevra.h"
#include "shellfixture.h"

#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace vindra;
using namespace vindra::test;

namespace {

struct ManualShell : Shell {
    explicit ManualShell(int lines)
    {
        if (lines >= 0) {
            QByteArray text;
            for (int i = 1; i <= lines; ++i)
                text += "Rad " + QByteArray::number(i) + " i manualen, \xE5\xE4\xF6.\r\n";
            inst.data(QStringLiteral("ENGMAN.TXT"), text);
        }
        engine = inst.start();
        engine->layoutUnit = 10;
    }
    std::unique_ptr<Engine> engine;
};

QStringList printedTexts(const RecordingPrinter::Page& page)
{
    QStringList texts;
    for (const auto& t : page.texts)
        texts << t.text;
    return texts;
}

void click(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5));
}

} // namespace

TEST(Manual, ShowsTheFileWithTwoBlanksBeforeEveryLine)
{
    ManualShell s(3);
    TManual manual(*s.engine, s.services);
    ASSERT_TRUE(manual.loaded());
    EXPECT_EQ(manual.textBox()->toPlainText(),
              "  Rad 1 i manualen, åäö.\n  Rad 2 i manualen, åäö.\n  Rad 3 i manualen, åäö.");
    EXPECT_TRUE(manual.textBox()->isReadOnly());
    EXPECT_TRUE(manual.findChild<QPlainTextEdit*>(QStringLiteral("Memo2"))->isHidden());

    // The three buttons stand on one line without covering one another.
    QRect last;
    for (const char* name : {"Button1", "Button2", "Button3"}) {
        const QRect r = manual.findChild<QPushButton*>(QString::fromLatin1(name))->geometry();
        EXPECT_EQ(r.y(), 600 - 3 * r.height() / 2);
        if (last.isValid()) {
            EXPECT_GT(r.left(), last.right()) << name;
        }
        last = r;
    }
}

TEST(Manual, MissingFileIsReportedAndTheWindowStaysShut)
{
    ManualShell s(-1);
    TManual manual(*s.engine, s.services);
    EXPECT_FALSE(manual.loaded());
    const QString expected = QStringLiteral("Filen ") + QString::fromLocal8Bit(s.engine->dirs.cd) +
                             QStringLiteral("\\DATA\\ENGMAN.TXT finns inte eller är felaktig");
    EXPECT_EQ(s.inst.messages.texts(), QStringList{expected});

    // From the main window nothing opens.
    Shell m;
    auto w = m.mainWindow();
    const Opened opened = closeNextModal([&] { w->button(8)->click(); });
    EXPECT_TRUE(opened.name.isEmpty());
    EXPECT_EQ(m.inst.messages.texts().size(), 1);
}

TEST(Manual, PrintsEveryPageWithItsNumberAndTheRepeatedLine)
{
    ManualShell s(300);
    TManual manual(*s.engine, s.services);
    manual.findChild<QPushButton*>(QStringLiteral("Button2"))->click();

    // The recording printer has 10 pixels a millimetre; a 12-point line is 48 pixels, 5 mm.
    const QList<RecordingPrinter::Page>& pages = s.printer.pages();
    ASSERT_GT(pages.size(), 1);
    EXPECT_EQ(s.printer.dialogs(), 1);
    EXPECT_EQ(s.printer.documents(), 1);
    EXPECT_FALSE(s.printer.inJob());
    int expectedLine = 1;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE(p + 1);
        const auto& texts = pages[p].texts;
        ASSERT_GE(texts.size(), 2);
        EXPECT_EQ(texts[0].text, QString::number(p + 1));
        EXPECT_EQ(texts[0].at, QPoint(2000, 20));
        EXPECT_EQ(texts[1].at, QPoint(150, (p == 0 ? 10 + 5 : 4 + 5) * 10));
        if (p > 0)
            --expectedLine; // the last line of a full page opens the next one
        for (qsizetype i = 1; i < texts.size(); ++i) {
            EXPECT_EQ(texts[i].text, QStringLiteral("  Rad %1 i manualen, åäö.").arg(expectedLine));
            EXPECT_EQ(texts[i].at.x(), 150);
            EXPECT_LE(texts[i].at.y(), (256 + 5 + 6) * 10);
            ++expectedLine;
        }
        if (p + 1 < pages.size()) {
            EXPECT_GT(texts.last().at.y(), (256 - 6 + 5) * 10)
                << "a page is filled before the next";
        }
    }
    EXPECT_EQ(expectedLine, 301);
    EXPECT_TRUE(s.printer.outsideJobs().texts.isEmpty());
}

TEST(Manual, PrintsTheSelectionAndLeavesTheClipboardAlone)
{
    ManualShell s(10);
    TManual manual(*s.engine, s.services);
    QApplication::clipboard()->setText(QStringLiteral("elevens egen text"));
    QTextCursor cursor = manual.textBox()->textCursor();
    cursor.movePosition(QTextCursor::Down, QTextCursor::MoveAnchor, 2);
    cursor.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor, 2);
    cursor.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
    manual.textBox()->setTextCursor(cursor);
    manual.findChild<QPushButton*>(QStringLiteral("Button3"))->click();

    ASSERT_EQ(s.printer.pages().size(), 1);
    EXPECT_EQ(printedTexts(s.printer.pages()[0]),
              (QStringList{"1", "  Rad 3 i manualen, åäö.", "  Rad 4 i manualen, åäö.",
                           "  Rad 5 i manualen, åäö."}));
    EXPECT_EQ(s.printer.pages()[0].texts[1].at.y(), (5 + 5) * 10) << "a selection starts at 5 mm";
    EXPECT_EQ(QApplication::clipboard()->text(), "elevens egen text");
}

TEST(Manual, NothingToPrintOrCancelledPrintsNothing)
{
    {
        ManualShell s(0);
        TManual manual(*s.engine, s.services);
        ASSERT_TRUE(manual.loaded());
        manual.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
        EXPECT_EQ(s.printer.dialogs(), 0);
        EXPECT_EQ(s.inst.messages.texts(), QStringList{"Det finns ingen text att skriva ut."});
    }
    {
        ManualShell s(10);
        TManual manual(*s.engine, s.services);
        manual.findChild<QPushButton*>(QStringLiteral("Button3"))->click(); // nothing selected
        EXPECT_EQ(s.printer.dialogs(), 0);
        s.printer.answerDialog(0);
        manual.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
        EXPECT_EQ(s.printer.dialogs(), 1);
        EXPECT_TRUE(s.printer.pages().isEmpty());
        EXPECT_EQ(s.printer.documents(), 0);
    }
}

TEST(ManualAndAbout, EscAndTheirButtonCloseThem)
{
    ManualShell s(5);
    for (const bool esc : {true, false}) {
        TManual manual(*s.engine, s.services);
        manual.show();
        if (esc)
            QTest::keyClick(manual.textBox(), Qt::Key_Escape);
        else
            manual.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        EXPECT_FALSE(manual.isVisible());

        TOmSevra about(*s.engine, s.services);
        about.show();
        auto* leave = about.findChild<QPushButton*>(QStringLiteral("Button1"));
        EXPECT_EQ(leave->text(), "&Leave");
        if (esc)
            QTest::keyClick(leave, Qt::Key_Escape);
        else
            leave->click();
        EXPECT_FALSE(about.isVisible());
    }

    // Both open from the main window.
    Shell m;
    m.inst.data(QStringLiteral("ENGMAN.TXT"), "Hej\n");
    auto w = m.mainWindow();
    EXPECT_EQ(closeNextModal([&] { w->button(8)->click(); }).className, "vindra::TManual");
    EXPECT_EQ(closeNextModal([&] { w->button(9)->click(); }).className, "vindra::TOmSevra");
}

TEST(About, PicturesAndPanels)
{
    ManualShell s(0);
    TOmSevra about(*s.engine, s.services);
    about.show();
    EXPECT_EQ(about.windowTitle(), "Vindra");
    EXPECT_TRUE(
        about.findChild<QLabel*>(QStringLiteral("TitleLabel"))->text().startsWith("Vindra "));
    auto* panel1 = about.findChild<QFrame*>(QStringLiteral("Panel1"));
    auto* panel2 = about.findChild<QFrame*>(QStringLiteral("Panel2"));
    auto image = [&](int n) { return about.findChild<QLabel*>(QStringLiteral("Image%1").arg(n)); };

    struct Step {
        QWidget* target;
        bool first;
        bool second;
    };
    const Step steps[] = {
        {image(2), true, false}, {image(2), false, false}, {image(3), false, true},
        {image(2), true, false}, {image(3), false, true},  {image(3), false, false},
        {image(2), true, false}, {panel1, false, false},   {image(3), false, true},
        {panel2, false, false},  {image(2), true, false},  {image(1), false, false},
    };
    EXPECT_FALSE(about.panel1Shown() || about.panel2Shown());
    int n = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(++n);
        click(step.target);
        EXPECT_EQ(about.panel1Shown(), step.first);
        EXPECT_EQ(about.panel2Shown(), step.second);
        EXPECT_EQ(panel1->isVisible(), step.first);
        EXPECT_EQ(panel2->isVisible(), step.second);
    }
}
