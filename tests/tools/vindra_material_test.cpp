#include "engine/cipher.h"
#include "engine/cp1252.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

QByteArray run(const QString& command, const QByteArray& input, int* exitCode = nullptr)
{
    QProcess p;
    p.start(QStringLiteral(VINDRA_MATERIAL_TOOL), {command});
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(10000);
    if (exitCode)
        *exitCode = p.exitCode();
    return p.readAllStandardOutput();
}

} // namespace

TEST(VindraMaterial, ScrambleAndUnscrambleOnlyItemLines)
{
    const QByteArray file = "$Plural\r\n; note\r\n\r\nhouse#hus\r\n\xE5r#year";
    const QByteArray scrambled = run("scramble", file);
    EXPECT_EQ(scrambled, "$Plural\n; note\n\n" + vindra::cipher::kryptrad("house#hus") + "\n" +
                             vindra::cipher::kryptrad("\xE5r#year") + "\n");
    EXPECT_EQ(run("unscramble", scrambled), "$Plural\n; note\n\nhouse#hus\n\xE5r#year\n");
}

TEST(VindraMaterial, FieldsOfEveryItemLine)
{
    const QByteArray file = "$H\n;c\n" + vindra::cipher::kryptrad("is#\xE4r#&blir#var") + "\nx\n";
    EXPECT_EQ(run("fields", file), "4\t2\tis\t\xE4r\tblir\tvar\n1\t0\tx\n");
    int code = 0;
    run("nonsense", "", &code);
    EXPECT_EQ(code, 2);
}

TEST(VindraMaterial, TryChecksAnAnswerAsAnExerciseWould)
{
    struct Case {
        QStringList args;
        QByteArray output;
    };
    // Arguments are UTF-8; the scrambled line is passed as its cp1252 bytes read as text.
    const QString scrambled = vindra::cp1252::toUnicode(vindra::cipher::kryptrad("x#a house"));
    const Case cases[] = {
        {{"--", "is#\u00e4r#&blir#var", "blir"}, "0\n1\n"},
        {{"--", "is#\u00e4r#&blir#var", "\u00e4"}, "60000\n1\n"},
        {{"--", "x#the house", "The house"}, "60000\n2\n"},
        {{"--mode", "3", "--", "x#\u00e5r", "\u00c5R"}, "0\n1\n"}, // the lamp ignores case too
        {{"--", "x#a house", ""}, "6000\n2\n"},
        {{"--code", "31021", "--", "x#", ""}, "0\n2\n"},
        {{"--", scrambled, "a house."}, "0\n2\n"},
        // Gap sentences: each gap its own answer, a pair of alternatives split between them.
        {{"--code", "39011", "--gap", "2", "--", "I <am> sure they <are>.#&'m/'re", "'re"},
         "0\n1\n"},
        {{"--code", "39011", "--gap", "1", "--", "I <am> sure they <are>.#&'m/'re", "'re"},
         "60000\n2\n"},
        {{"--code", "35043", "--gap", "1", "--", "Jag <bor>.#I <live> here.", "liv"}, "60000\n1\n"},
        {{"--code", "31021", "--gap", "1", "--", "I like <> tea.", ""}, "0\n2\n"},
    };
    for (const Case& c : cases) {
        QProcess p;
        p.start(QStringLiteral(VINDRA_MATERIAL_TOOL), QStringList{"try"} + c.args);
        p.waitForFinished(10000);
        EXPECT_EQ(p.exitCode(), 0) << c.args.join(' ').toStdString();
        EXPECT_EQ(p.readAllStandardOutput(), c.output) << c.args.join(' ').toStdString();
    }
    for (const QStringList& bad :
         {QStringList{"--mode", "2", "--", "a#b", "b"}, QStringList{"--", "a#b"},
          QStringList{"--code", "x", "--", "a", "b"},
          QStringList{"--gap", "3", "--", "a <b>", "b"}}) {
        QProcess p;
        p.start(QStringLiteral(VINDRA_MATERIAL_TOOL), QStringList{"try"} + bad);
        p.waitForFinished(10000);
        EXPECT_EQ(p.exitCode(), 2) << bad.join(' ').toStdString();
    }
}

// Input that cannot be read and output that cannot be written end in a message and exit 1.
TEST(VindraMaterial, UnreadableInputAndUnwritableOutputFail)
{
    const struct {
        const char* what;
        QString shell; // run by sh with the tool as $0
    } cases[] = {
        {"standard input closed", "exec \"$0\" fields <&-"},
        {"standard input a directory", "exec \"$0\" scramble < /"},
        {"a full disk", "echo 'a#b' | \"$0\" scramble > /dev/full"},
        {"standard output closed", "echo 'a#b' | \"$0\" unscramble >&-"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QProcess p;
        p.start(QStringLiteral("sh"), {"-c", c.shell, QStringLiteral(VINDRA_MATERIAL_TOOL)});
        p.waitForFinished(10000);
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 1);
        const QByteArray err = p.readAllStandardError();
        EXPECT_TRUE(err.startsWith("vindra-material: cannot ")) << err.constData();
    }
}
