#include "diagnosis/nylos.h"
#include "platform/screen.h"
#include "platform/textmeasure.h"
#include "support/material.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace vindra;

namespace {

struct Dialog {
    explicit Dialog(bool teacher = false)
    {
        engine = inst.start();
        engine->diagnosis.teacherFlag = teacher;
        engine->diagnosis.current.password = "abc";
        engine->diagnosis.teacherPassword = "KORPMARK";
        services = Services{&inst.messages, &measure, &screen, &inst.clock};
        dialog = std::make_unique<TNLOS>(*engine, services);
        dialog->show();
        edit = dialog->findChild<QLineEdit*>("Edit1");
        upper = dialog->findChild<QLabel*>("Label1");
        tryAgain = dialog->findChild<QLabel*>("Label2");
    }
    /// Types `text` into the field (as a person does, key by key) and presses Enter.
    void enter(const QString& text)
    {
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    test::Installation inst;
    FixedTextMeasure measure;
    FixedScreen screen;
    Services services;
    std::unique_ptr<Engine> engine;
    std::unique_ptr<TNLOS> dialog;
    QLineEdit* edit = nullptr;
    QLabel* upper = nullptr;
    QLabel* tryAgain = nullptr;
};

} // namespace

TEST(TNLOS, MessagesUntilTheNewPasswordIsTypedTwice)
{
    Dialog d;
    EXPECT_EQ(d.upper->text(), "Type your new password and press Enter.");
    EXPECT_FALSE(d.tryAgain->isVisible());
    EXPECT_EQ(d.edit->echoMode(), QLineEdit::Password);

    // typed, then the upper line, "Try again." shown, message state, field left empty
    const struct {
        const char* typed;
        const char* message;
        bool tryAgain;
        int state;
        bool cleared;
    } steps[] = {
        {"abc", "Det gamla l\u00f6senordet g\u00e4ller inte!", true, 2, true},
        {"", "Det riktiga l\u00f6senordet, tack!", true, 2, true},
        {"new1", "Skriv l\u00f6senordet en g\u00e5ng till!", false, 1, true},
        {"new2", "Samma l\u00f6senord, tack!", true, 2, true},
        {"", "Det riktiga l\u00f6senordet, tack!", false, 2, true},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.typed);
        d.enter(QString::fromUtf8(s.typed));
        EXPECT_EQ(d.upper->text(), QString::fromUtf8(s.message));
        EXPECT_EQ(d.tryAgain->isVisible(), s.tryAgain);
        EXPECT_EQ(d.dialog->messageState(), s.state);
        EXPECT_EQ(d.edit->text().isEmpty(), s.cleared);
        EXPECT_TRUE(d.dialog->isVisible());
    }
    // Typing after a message: back to typing.
    QTest::keyClicks(d.edit, "n");
    EXPECT_EQ(d.upper->text(), "Go on typing your new password.");
    EXPECT_FALSE(d.tryAgain->isVisible());
    EXPECT_EQ(d.dialog->messageState(), 1);
    QTest::keyClicks(d.edit, "ew1");
    QTest::keyClick(d.edit, Qt::Key_Return);
    EXPECT_FALSE(d.dialog->isVisible());
    EXPECT_EQ(d.engine->diagnosis.current.password, "new1");
}

TEST(TNLOS, PasswordsAreKeptToTenCharacters)
{
    for (const bool teacher : {false, true}) {
        SCOPED_TRACE(teacher);
        Dialog d(teacher);
        d.enter("abcdefghijkl");
        d.enter("abcdefghijkl");
        EXPECT_FALSE(d.dialog->isVisible());
        EXPECT_EQ(teacher ? d.engine->diagnosis.teacherPassword
                          : d.engine->diagnosis.current.password,
                  "abcdefghij");
        EXPECT_EQ(teacher ? d.engine->diagnosis.current.password
                          : d.engine->diagnosis.teacherPassword,
                  teacher ? "abc" : "KORPMARK")
            << "the other password is left alone";
    }
}

TEST(TNLOS, LeaveChangesNothing)
{
    for (const bool esc : {false, true}) {
        Dialog d;
        d.enter("zzz");
        if (esc)
            QTest::keyClick(d.dialog.get(), Qt::Key_Escape);
        else
            d.dialog->findChild<QPushButton*>("LeaveButton")->click();
        EXPECT_FALSE(d.dialog->isVisible());
        EXPECT_EQ(d.engine->diagnosis.current.password, "abc");
    }
}
