#include "engine/cipher.h"

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
